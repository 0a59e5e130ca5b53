// Text: a byte string in the ANSI code page (GBK on a Chinese system), possibly empty.
// Our own small type instead of std::string: the shipped exe stays free of the
// C++ runtime's string and exception machinery, which would triple its size.
#pragma once
#include <stddef.h>

class Text {
public:
    Text() = default;
    Text(const char* zeroTerminated);  // null gives the empty Text
    Text(const char* bytes, size_t size);
    Text(const Text& other);
    Text(Text&& other) noexcept;
    Text& operator=(const Text& other);
    Text& operator=(Text&& other) noexcept;
    ~Text();

    // Always zero-terminated: an empty Text gives "" and never a null pointer,
    // which is what every ANSI call of ours wants.
    const char* c_str() const { return bytes_ ? bytes_ : ""; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    char operator[](size_t i) const { return bytes_[i]; }

    Text& Append(const char* bytes, size_t size);
    Text& Append(const Text& other) { return Append(other.bytes_, other.size_); }
    Text& Append(const char* zeroTerminated);
    // The first `size` bytes (all of them when size is larger).
    Text Left(size_t size) const;

    friend bool operator==(const Text& a, const Text& b);

private:
    void Reserve(size_t capacity);
    char* bytes_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

Text operator+(const Text& a, const Text& b);

// Length of `bytes` up to its first zero byte, at most `limit`.
size_t BoundedLength(const char* bytes, size_t limit);
