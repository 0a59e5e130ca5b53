#include "text/text.h"

#include <stdlib.h>
#include <string.h>

Text::Text(const char* zeroTerminated) {
    if (zeroTerminated) Append(zeroTerminated, strlen(zeroTerminated));
}

Text::Text(const char* bytes, size_t size) { Append(bytes, size); }

Text::Text(const Text& other) { Append(other.bytes_, other.size_); }

Text::Text(Text&& other) noexcept : bytes_(other.bytes_), size_(other.size_), capacity_(other.capacity_) {
    other.bytes_ = nullptr;
    other.size_ = other.capacity_ = 0;
}

Text& Text::operator=(const Text& other) {
    if (this != &other) {
        size_ = 0;
        Append(other.bytes_, other.size_);
    }
    return *this;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        free(bytes_);
        bytes_ = other.bytes_;
        size_ = other.size_;
        capacity_ = other.capacity_;
        other.bytes_ = nullptr;
        other.size_ = other.capacity_ = 0;
    }
    return *this;
}

Text::~Text() { free(bytes_); }

void Text::Reserve(size_t capacity) {
    if (capacity <= capacity_) return;
    size_t grown = capacity_ * 2 > capacity ? capacity_ * 2 : capacity;
    char* bigger = static_cast<char*>(realloc(bytes_, grown + 1));
    if (!bigger) abort();  // out of memory: nothing sensible is left to do
    bytes_ = bigger;
    capacity_ = grown;
}

Text& Text::Append(const char* bytes, size_t size) {
    if (size == 0) return *this;
    Reserve(size_ + size);
    memmove(bytes_ + size_, bytes, size);
    size_ += size;
    bytes_[size_] = '\0';
    return *this;
}

Text& Text::Append(const char* zeroTerminated) { return Append(zeroTerminated, strlen(zeroTerminated)); }

Text Text::Left(size_t size) const { return Text(bytes_, size < size_ ? size : size_); }

bool operator==(const Text& a, const Text& b) {
    return a.size_ == b.size_ && (a.size_ == 0 || memcmp(a.bytes_, b.bytes_, a.size_) == 0);
}

Text operator+(const Text& a, const Text& b) {
    Text joined(a);
    joined.Append(b);
    return joined;
}

size_t BoundedLength(const char* bytes, size_t limit) {
    const void* zero = memchr(bytes, 0, limit);
    return zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : limit;
}
