// One move-only owner for every kind of Windows handle we take: the handle is
// released exactly once, when its owner goes out of scope.
#pragma once
#include <windows.h>
#include <oleauto.h>

template <typename T, typename Release>
class UniqueAny {
public:
    UniqueAny() = default;
    explicit UniqueAny(T value) : value_(value) {}
    UniqueAny(UniqueAny&& other) noexcept : value_(other.value_) { other.value_ = T{}; }
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) {
            reset(other.value_);
            other.value_ = T{};
        }
        return *this;
    }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    ~UniqueAny() { reset(); }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != T{}; }
    T operator->() const { return value_; }
    // The slot an out-parameter writes into; whatever was held is released first.
    T* put() {
        reset();
        return &value_;
    }
    void reset(T value = T{}) {
        if (value_ != T{}) Release()(value_);
        value_ = value;
    }

private:
    T value_{};
};

template <auto Function>
struct CallWith {
    template <typename T>
    void operator()(T value) const {
        Function(value);
    }
};
struct CallRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

using UniqueHkey = UniqueAny<HKEY, CallWith<RegCloseKey>>;
using UniqueBstr = UniqueAny<BSTR, CallWith<SysFreeString>>;
using UniqueLocal = UniqueAny<HLOCAL, CallWith<LocalFree>>;
template <typename Interface>
using UniqueCom = UniqueAny<Interface*, CallRelease>;

// OLE for the thread, from start-up to exit.
class OleScope {
public:
    OleScope() { OleInitialize(nullptr); }
    ~OleScope() { OleUninitialize(); }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;
};
