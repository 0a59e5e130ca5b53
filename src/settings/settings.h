// The two remembered folders in "config.ini" beside the executable, and the
// first-run default of the game-configuration folder from the registry.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "app/fields.h"
#include "text/text.h"

// The Windows profile-string functions, as the settings use them.
class ProfileApi {
public:
    virtual ~ProfileApi() = default;
    // GetPrivateProfileStringA with no default: fills `buffer` (zero-terminated, cut to fit).
    virtual void GetString(const char* section, const char* key, char* buffer, size_t size, const char* file) = 0;
    // WritePrivateProfileStringA; `value` is never null, so the key is never deleted.
    virtual void WriteString(const char* section, const char* key, const char* value, const char* file) = 0;
};

constexpr size_t kSettingBufferSize = 10240;  // so a value loads as at most 10239 bytes

class Settings {
public:
    Settings(ProfileApi& profile, Text runDirectory)
        : profile_(profile), runDirectory_(static_cast<Text&&>(runDirectory)) {}
    Text SettingsFilePath() const;
    Text ReadSetting(const char* key);
    void WriteSetting(const char* key, const Text& value);

private:
    ProfileApi& profile_;
    Text runDirectory_;
};

// The registry functions that ReadRegistryText needs, one call each.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    using Key = void*;
    enum : uint32_t { kString = 1 /* REG_SZ */, kExpandString = 2 /* REG_EXPAND_SZ */ };
    // RegOpenKeyExA with KEY_READ.
    virtual bool Open(Key root, const Text& subKey, Key* opened) = 0;
    // RegQueryValueExA without a buffer: the type and the data size.
    virtual bool QueryTypeAndSize(Key key, const Text& valueName, uint32_t* type, uint32_t* size) = 0;
    // RegQueryValueExA into a buffer of exactly `size` bytes.
    virtual bool QueryData(Key key, const Text& valueName, char* buffer, uint32_t size) = 0;
    virtual void Close(Key key) = 0;
    // ExpandEnvironmentStringsA: with a null buffer, the size needed (zero included); 0 on failure.
    virtual uint32_t Expand(const char* source, char* buffer, uint32_t size) = 0;
};

// The text of a REG_SZ or REG_EXPAND_SZ value (expanded); the empty Text for every
// other type and every failure. `path` is the key path followed by the value name.
Text ReadRegistryText(RegistryApi& registry, RegistryApi::Key root, const Text& path);

struct SettingsPorts {
    Fields& fields;
    Settings& settings;
    RegistryApi& registry;
    RegistryApi::Key currentUser;  // HKEY_CURRENT_USER
};

// At start: 编辑框2 from the file, its default when still empty, then 编辑框3.
void LoadSettings(SettingsPorts& ports);
// Fills 编辑框2 with InstallPath + "\Game\Config" when it is exactly empty.
void FillDefaultGameConfigFolder(SettingsPorts& ports);
// The change handling of 编辑框2 and 编辑框3: each change is stored at once.
void StoreGameConfigFolder(Fields& fields, Settings& settings);
void StoreBackupFolder(Fields& fields, Settings& settings);
