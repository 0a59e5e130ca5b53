#include "settings/settings.h"

#include <stdlib.h>

#include "text/gbk.h"
#include "text/texts.h"

namespace {

// A heap buffer released when the handling ends.
class Buffer {
public:
    explicit Buffer(size_t size) : bytes_(static_cast<char*>(calloc(size ? size : 1, 1))) {
        if (!bytes_) abort();
    }
    ~Buffer() { free(bytes_); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    char* get() { return bytes_; }

private:
    char* bytes_;
};

}  // namespace

Text Settings::SettingsFilePath() const { return runDirectory_ + Text(texts::kSettingsFileName); }

Text Settings::ReadSetting(const char* key) {
    Buffer buffer(kSettingBufferSize);
    buffer.get()[0] = '\0';
    profile_.GetString(texts::kSettingsSection, key, buffer.get(), kSettingBufferSize, SettingsFilePath().c_str());
    return Text(buffer.get(), BoundedLength(buffer.get(), kSettingBufferSize));
}

void Settings::WriteSetting(const char* key, const Text& value) {
    profile_.WriteString(texts::kSettingsSection, key, value.c_str(), SettingsFilePath().c_str());
}

Text ReadRegistryText(RegistryApi& registry, RegistryApi::Key root, const Text& path) {
    size_t split = FindLastChar(path, '\\');
    Text subKey = split == kNotFound ? Text() : path.Left(split);
    Text valueName = split == kNotFound ? path : Text(path.c_str() + split + 1, path.size() - split - 1);

    RegistryApi::Key key = nullptr;
    if (!registry.Open(root, subKey, &key)) return Text();
    uint32_t type = 0, size = 0;
    if (!registry.QueryTypeAndSize(key, valueName, &type, &size) ||
        (type != RegistryApi::kString && type != RegistryApi::kExpandString) || size == 0) {
        registry.Close(key);
        return Text();
    }
    Buffer data(size);
    bool read = registry.QueryData(key, valueName, data.get(), size);
    registry.Close(key);
    if (!read) return Text();
    // Stored data need not end in a zero byte: take it whole then.
    Text stored(data.get(), BoundedLength(data.get(), size));
    if (type == RegistryApi::kString) return stored;

    uint32_t needed = registry.Expand(stored.c_str(), nullptr, 0);
    if (needed == 0) return Text();
    Buffer expanded(needed);
    if (registry.Expand(stored.c_str(), expanded.get(), needed) == 0) return Text();
    return Text(expanded.get(), BoundedLength(expanded.get(), needed));
}

void FillDefaultGameConfigFolder(SettingsPorts& ports) {
    if (!ports.fields.Read(Field::GameConfig).empty()) return;
    Text installFolder = ReadRegistryText(ports.registry, ports.currentUser, Text(texts::kInstallPathRegistryPath));
    ports.fields.Write(Field::GameConfig, installFolder + Text(texts::kGameConfigSuffix));
}

void LoadSettings(SettingsPorts& ports) {
    ports.fields.Write(Field::GameConfig, ports.settings.ReadSetting(texts::kGameConfigKey));
    FillDefaultGameConfigFolder(ports);
    ports.fields.Write(Field::Backup, ports.settings.ReadSetting(texts::kBackupKey));
}

void StoreGameConfigFolder(Fields& fields, Settings& settings) {
    settings.WriteSetting(texts::kGameConfigKey, fields.Read(Field::GameConfig));
}

void StoreBackupFolder(Fields& fields, Settings& settings) {
    settings.WriteSetting(texts::kBackupKey, fields.Read(Field::Backup));
}
