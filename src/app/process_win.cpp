#include "app/process_win.h"

#include <stdlib.h>
#include <windows.h>

Text ModuleFilePath(size_t initialSize) {
    constexpr size_t kLongestPath = 65536;  // Windows paths stop at 32767 characters
    for (size_t size = initialSize; size <= kLongestPath; size *= 2) {
        char* buffer = static_cast<char*>(malloc(size));
        if (!buffer) return Text();
        DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
        // A path that filled the whole buffer may have been cut: try a bigger one.
        if (length > 0 && length < size) {
            Text path(buffer, length);
            free(buffer);
            return path;
        }
        free(buffer);
        if (length == 0) return Text();
    }
    return Text();
}
