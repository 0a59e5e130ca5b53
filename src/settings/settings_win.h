#pragma once
#include "settings/settings.h"

class ProfileFunctions : public ProfileApi {
public:
    void GetString(const char* section, const char* key, char* buffer, size_t size, const char* file) override;
    void WriteString(const char* section, const char* key, const char* value, const char* file) override;
};

class RegistryFunctions : public RegistryApi {
public:
    bool Open(Key root, const Text& subKey, Key* opened) override;
    bool QueryTypeAndSize(Key key, const Text& valueName, uint32_t* type, uint32_t* size) override;
    bool QueryData(Key key, const Text& valueName, char* buffer, uint32_t size) override;
    void Close(Key key) override;
    uint32_t Expand(const char* source, char* buffer, uint32_t size) override;
};

RegistryApi::Key CurrentUserKey();
