// The game installer's registry value, as the tests under Wine set it up.
#pragma once
#include <windows.h>

#include <string>

#include "win/unique.h"

constexpr char kGameRegistryKey[] = "Software\\Tencent\\LOL";

inline void DeleteInstallPath() { RegDeleteKeyA(HKEY_CURRENT_USER, kGameRegistryKey); }

// Stores `data` (its bytes exactly, no terminator added) as InstallPath; false when it cannot.
inline bool StoreInstallPath(DWORD type, const std::string& data) {
    UniqueHkey key;
    return RegCreateKeyExA(HKEY_CURRENT_USER, kGameRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                           nullptr) == ERROR_SUCCESS &&
           RegSetValueExA(key.get(), "InstallPath", 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}
