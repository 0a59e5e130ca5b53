#include "text/gbk.h"

namespace {
bool IsBlankAt(const Text& text, size_t at, size_t charSize) {
    if (charSize == 1) return text[at] == ' ';
    return static_cast<unsigned char>(text[at]) == 0xA1 && static_cast<unsigned char>(text[at + 1]) == 0xA1;
}
}  // namespace

size_t CharSizeAt(const Text& text, size_t at, LeadByteTest isLead) {
    return isLead(text[at]) && at + 1 < text.size() ? 2 : 1;
}

size_t FindLastChar(const Text& text, char c, LeadByteTest isLead) {
    size_t found = kNotFound;
    for (size_t at = 0; at < text.size(); at += CharSizeAt(text, at, isLead)) {
        if (text[at] == c) found = at;
    }
    return found;
}

bool ContainsChar(const Text& text, char c) {
    for (size_t at = 0; at < text.size(); at += CharSizeAt(text, at)) {
        if (text[at] == c) return true;
    }
    return false;
}

Text TrimBlanks(const Text& text) {
    // One pass: the first non-blank character and the end of the last one.
    size_t begin = kNotFound, end = 0;
    for (size_t at = 0; at < text.size();) {
        size_t charSize = CharSizeAt(text, at);
        if (!IsBlankAt(text, at, charSize)) {
            if (begin == kNotFound) begin = at;
            end = at + charSize;
        }
        at += charSize;
    }
    if (begin == kNotFound) return Text();
    return Text(text.c_str() + begin, end - begin);
}

Text FoldAsciiCase(const Text& text, LeadByteTest isLead) {
    Text folded;
    for (size_t at = 0; at < text.size();) {
        size_t charSize = CharSizeAt(text, at, isLead);
        char c = text[at];
        if (charSize == 1 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (charSize == 1)
            folded.Append(&c, 1);
        else
            folded.Append(text.c_str() + at, charSize);
        at += charSize;
    }
    return folded;
}
