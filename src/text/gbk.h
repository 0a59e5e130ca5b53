// Scans over GBK (code page 936) text that go by whole characters: a byte of 0x80
// or more begins a two-byte character, so its second byte (which may be 0x5C '\'
// or 0x3F '?') is never taken for a character of its own.
#pragma once
#include "text/text.h"

constexpr size_t kNotFound = static_cast<size_t>(-1);

// Bytes of the character that starts at `at` (1 or 2; 1 for a lead byte at the very end).
size_t GbkCharSize(const char* bytes, size_t size, size_t at);

// Position of the last character equal to `c` (an ASCII byte), or kNotFound.
size_t FindLastChar(const Text& text, char c);
bool ContainsChar(const Text& text, char c);

// Removes blanks at both ends: the space and the full-width space (A1 A1).
Text TrimBlanks(const Text& text);

// ASCII letters lowered, two-byte characters left exactly as they are.
Text FoldAsciiCase(const Text& text);
