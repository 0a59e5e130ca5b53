#include <gtest/gtest.h>

#include "fakes.h"
#include "text/texts.h"

namespace {

const std::string kKey2 = texts::kGameConfigKey;
const std::string kKey3 = texts::kBackupKey;
const std::string kFile = "C:\\Tools\\config.ini";

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() {
        fields.onChange = [this](Field field) {
            if (field == Field::GameConfig)
                StoreGameConfigFolder(fields, settings);
            else
                StoreBackupFolder(fields, settings);
        };
    }
    void Store(const std::string& key, const std::string& value) { profile.files[kFile]["config/" + key] = value; }
    std::string Stored(const std::string& key) { return profile.files[kFile]["config/" + key]; }
    void Load() {
        SettingsPorts ports{fields, settings, registry, registry.expectedRoot};
        LoadSettings(ports);
    }

    Journal journal;
    FakeFields fields{journal};
    FakeProfile profile{journal};
    Settings settings{profile, T("C:\\Tools")};
    FakeRegistry registry{journal};
};

}  // namespace

TEST(SettingsFilePath, IsTheRunDirectoryAndConfigIni) {
    Journal journal;
    FakeProfile profile(journal);
    struct Case {
        std::string runDirectory, path;
    } cases[] = {
        {"C:\\Tools", "C:\\Tools\\config.ini"},
        {"C:", "C:\\config.ini"},
        {"\\\\srv\\share", "\\\\srv\\share\\config.ini"},
        {"D:\\\x81\x5C", "D:\\\x81\x5C\\config.ini"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.path, Bytes(Settings(profile, T(c.runDirectory)).SettingsFilePath()));
}

TEST_F(SettingsTest, FirstStartStoresTheDefaultAndAnEmptyBackupFolderInOrder) {
    registry.keyExists = false;
    Load();
    EXPECT_EQ((Journal{
                  "read " + kKey2 + " from " + kFile,
                  "field 2=",
                  "store " + kKey2 + "=",
                  "open Software\\Tencent\\LOL",
                  "field 2=\\Game\\Config",
                  "store " + kKey2 + "=\\Game\\Config",
                  "read " + kKey3 + " from " + kFile,
                  "field 3=",
                  "store " + kKey3 + "=",
              }),
              journal);
    EXPECT_EQ(kSettingBufferSize, profile.lastBufferSize);
}

TEST_F(SettingsTest, AStoredFolderLoadsAndStopsTheRegistryFromBeingRead) {
    Store(kKey2, " D:\\My Game ");  // a single space or blanks at the ends are not empty
    Store(kKey3, "E:\\Saves");
    registry.values["InstallPath"] = {RegistryApi::kString, "X:\\Other"};
    Load();
    EXPECT_EQ(" D:\\My Game ", fields.Text2());
    EXPECT_EQ("E:\\Saves", fields.Text3());
    for (const std::string& line : journal) EXPECT_EQ(std::string::npos, line.find("open ")) << line;
    // Every load is written back as it came.
    EXPECT_EQ(" D:\\My Game ", Stored(kKey2));
    EXPECT_EQ("E:\\Saves", Stored(kKey3));
}

TEST_F(SettingsTest, AnEmptyStoredValueLooksTheDefaultUpAgain) {
    Store(kKey2, "");
    registry.values["InstallPath"] = {RegistryApi::kString, std::string("D:\\Games\\Game1\0junk", 19)};
    Load();
    EXPECT_EQ("D:\\Games\\Game1\\Game\\Config", fields.Text2());
    EXPECT_EQ("D:\\Games\\Game1\\Game\\Config", Stored(kKey2));
}

TEST_F(SettingsTest, AValueTooLongForTheBufferIsCutAndStoredBackCut) {
    Store(kKey2, std::string(10239, 'a'));
    Store(kKey3, std::string(10240, 'b'));
    Load();
    EXPECT_EQ(10239u, fields.Text2().size());
    EXPECT_EQ(std::string(10239, 'b'), fields.Text3());
    EXPECT_EQ(std::string(10239, 'b'), Stored(kKey3));
}

TEST_F(SettingsTest, EveryChangeIsStoredAtOnceEvenWhenUnchanged) {
    Load();
    journal.clear();
    for (const char* typed : {"a", "ab", "abc", "abc", ""}) fields.Write(Field::Backup, T(typed));
    EXPECT_EQ((Journal{"field 3=a", "store " + kKey3 + "=a", "field 3=ab", "store " + kKey3 + "=ab", "field 3=abc",
                       "store " + kKey3 + "=abc", "field 3=abc", "store " + kKey3 + "=abc",
                       "field 3=", "store " + kKey3 + "="}),
              journal);
    EXPECT_EQ("", Stored(kKey3));
    EXPECT_EQ(1u, profile.files[kFile].count("config/" + kKey3));
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenStillLoads) {
    Store(kKey2, "D:\\Game");
    profile.readOnly = true;
    Load();
    fields.Write(Field::GameConfig, T("changed"));
    EXPECT_EQ("changed", fields.Text2());
    EXPECT_EQ("D:\\Game", Stored(kKey2));
}

TEST(ReadRegistryText, GivesTheTextOfStringValuesOnly) {
    const uint32_t kDword = 4, kBinary = 3, kMultiString = 7;
    struct Case {
        const char* name;
        uint32_t type;
        std::string data, text;
    } cases[] = {
        {"string", RegistryApi::kString, std::string("D:\\Games\\Game1\0", 15), "D:\\Games\\Game1"},
        {"no terminator", RegistryApi::kString, "D:\\Games", "D:\\Games"},
        {"trailing backslash", RegistryApi::kString, std::string("D:\\Games\\\0", 10), "D:\\Games\\"},
        {"spaces kept", RegistryApi::kString, std::string("  D:\\G  \0", 9), "  D:\\G  "},
        {"empty", RegistryApi::kString, "", ""},
        {"only a zero", RegistryApi::kString, std::string("\0", 1), ""},
        {"expanded", RegistryApi::kExpandString, std::string("%GAMES%\\LoL\0", 12), "D:\\Games\\LoL"},
        {"dword", kDword, std::string("\x01\x00\x00\x00", 4), ""},
        {"binary", kBinary, "D:\\Games", ""},
        {"multi string", kMultiString, std::string("D:\\A\0D:\\B\0\0", 11), ""},
    };
    for (const Case& c : cases) {
        Journal journal;
        FakeRegistry registry(journal);
        registry.environment["GAMES"] = "D:\\Games";
        registry.values["InstallPath"] = {c.type, c.data};
        Text text = ReadRegistryText(registry, registry.expectedRoot, T("Software\\Tencent\\LOL\\InstallPath"));
        EXPECT_EQ(c.text, Bytes(text)) << c.name;
        EXPECT_EQ(0, registry.openCount) << c.name << ": the key is closed";
        EXPECT_EQ("close", journal.back()) << c.name << ": closed before the text is formed";
    }
}

TEST(ReadRegistryText, EveryFailureGivesTheEmptyText) {
    struct Case {
        const char* name;
        std::function<void(FakeRegistry&)> arrange;
    } cases[] = {
        {"no key", [](FakeRegistry& r) { r.keyExists = false; }},
        {"no value", [](FakeRegistry& r) { r.values.clear(); }},
        {"data read fails", [](FakeRegistry& r) { r.failDataRead = true; }},
        {"expansion fails",
         [](FakeRegistry& r) {
             r.values["InstallPath"] = {RegistryApi::kExpandString, std::string("%X%\0", 4)};
             r.failExpand = true;
         }},
    };
    for (const Case& c : cases) {
        Journal journal;
        FakeRegistry registry(journal);
        registry.values["InstallPath"] = {RegistryApi::kString, "D:\\Games"};
        c.arrange(registry);
        EXPECT_EQ("",
                  Bytes(ReadRegistryText(registry, registry.expectedRoot, T("Software\\Tencent\\LOL\\InstallPath"))))
            << c.name;
        EXPECT_EQ(0, registry.openCount) << c.name;
    }
}
