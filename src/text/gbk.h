// Scans over multi-byte ANSI text that go by whole characters, so that the second
// byte of a two-byte character (which may be 0x5C '\' or 0x3F '?') is never taken
// for a character of its own. The rule for a lead byte is a parameter: GBK's (a byte
// of 0x80 or more) unless the caller knows the system's code page better.
#pragma once
#include "text/text.h"

constexpr size_t kNotFound = static_cast<size_t>(-1);

using LeadByteTest = bool (*)(char c);
inline bool IsGbkLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Bytes of the character that starts at `at` (1 or 2; 1 for a lead byte at the very end).
size_t CharSizeAt(const Text& text, size_t at, LeadByteTest isLead = IsGbkLeadByte);

// Position of the last character equal to `c` (an ASCII byte), or kNotFound.
size_t FindLastChar(const Text& text, char c, LeadByteTest isLead = IsGbkLeadByte);
bool ContainsChar(const Text& text, char c);

// Removes blanks at both ends: the space and the full-width space (A1 A1).
Text TrimBlanks(const Text& text);

// ASCII letters lowered, two-byte characters left exactly as they are.
Text FoldAsciiCase(const Text& text, LeadByteTest isLead = IsGbkLeadByte);
