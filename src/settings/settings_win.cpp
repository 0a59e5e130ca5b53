#include "settings/settings_win.h"

#include <windows.h>

void ProfileFunctions::GetString(const char* section, const char* key, char* buffer, size_t size, const char* file) {
    GetPrivateProfileStringA(section, key, nullptr, buffer, static_cast<DWORD>(size), file);
}

void ProfileFunctions::WriteString(const char* section, const char* key, const char* value, const char* file) {
    WritePrivateProfileStringA(section, key, value, file);
}

bool RegistryFunctions::Open(Key root, const Text& subKey, Key* opened) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(static_cast<HKEY>(root), subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    *opened = key;
    return true;
}

bool RegistryFunctions::QueryTypeAndSize(Key key, const Text& valueName, uint32_t* type, uint32_t* size) {
    DWORD valueType = 0, dataSize = 0;
    LONG status = RegQueryValueExA(static_cast<HKEY>(key), valueName.c_str(), nullptr, &valueType, nullptr, &dataSize);
    *type = valueType;
    *size = dataSize;
    return status == ERROR_SUCCESS;
}

bool RegistryFunctions::QueryData(Key key, const Text& valueName, char* buffer, uint32_t size) {
    DWORD dataSize = size;
    return RegQueryValueExA(static_cast<HKEY>(key), valueName.c_str(), nullptr, nullptr,
                            reinterpret_cast<BYTE*>(buffer), &dataSize) == ERROR_SUCCESS;
}

void RegistryFunctions::Close(Key key) { RegCloseKey(static_cast<HKEY>(key)); }

uint32_t RegistryFunctions::Expand(const char* source, char* buffer, uint32_t size) {
    return ExpandEnvironmentStringsA(source, buffer, size);
}

RegistryApi::Key CurrentUserKey() { return HKEY_CURRENT_USER; }
