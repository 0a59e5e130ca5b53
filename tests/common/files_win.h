// Files and folders for the tests that run under Wine: fresh folders and whole-file reads.
#pragma once
#include <windows.h>

#include <string>

// A new empty folder under the temporary folder, named after `name`.
inline std::string FreshFolder(const std::string& name) {
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    // Process ids repeat from one Wine session to the next: go on until the folder is new.
    for (;;) {
        std::string path = std::string(temp) + "vornask-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++serial);
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
    }
}

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string ReadWholeFile(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}
