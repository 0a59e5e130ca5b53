#include <stdlib.h>

#include "win/convert.h"

UniqueBstr ToBstr(const Text& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    UniqueBstr bstr(SysAllocStringLen(nullptr, static_cast<UINT>(length)));
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bstr.get(), length);
    return bstr;
}

Text FromWide(const wchar_t* wide) {
    if (!wide || !*wide) return Text();
    int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return Text();
    char* bytes = static_cast<char*>(malloc(static_cast<size_t>(size)));
    if (!bytes) return Text();
    WideCharToMultiByte(CP_ACP, 0, wide, -1, bytes, size, nullptr, nullptr);
    Text text(bytes, static_cast<size_t>(size - 1));
    free(bytes);
    return text;
}

bool IsAnsiLeadByte(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

Text SystemMessage(DWORD code) {
    char* message = nullptr;
    DWORD size =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, code, 0, reinterpret_cast<char*>(&message), 0, nullptr);
    UniqueLocal owner(message);
    while (size > 0 && (message[size - 1] == '\r' || message[size - 1] == '\n' || message[size - 1] == ' ')) --size;
    return Text(message, size);
}
