// The settings over the real profile functions and the real registry of the prefix.
#include <gtest/gtest.h>

#include "settings/settings_win.h"
#include "text/texts.h"
#include "../common/registry_win.h"
#include "win_test_util.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    std::string folder = FreshFolder("profile");
    ProfileFunctions profile;
    Settings settings{profile, T(folder)};
};

}  // namespace

TEST_F(ProfileTest, WritesGbkKeysInTheirFirstOrderAndReadsValuesBack) {
    EXPECT_EQ(folder + "\\config.ini", Bytes(settings.SettingsFilePath()));
    EXPECT_EQ("", Bytes(settings.ReadSetting(texts::kGameConfigKey)));  // no file yet
    settings.WriteSetting(texts::kGameConfigKey, T("\\Game\\Config"));
    settings.WriteSetting(texts::kBackupKey, Text());
    std::string file = ReadWholeFile(folder + "\\config.ini");
    std::string expected =
        std::string("[config]\r\n") + texts::kGameConfigKey + "=\\Game\\Config\r\n" + texts::kBackupKey + "=\r\n";
    EXPECT_EQ(expected, file);  // GBK bytes, no byte-order mark, the empty value kept

    struct Case {
        std::string written, readBack;
    } cases[] = {
        {"D:\\\xD3\xCE\xCF\xB7\\\x81\x5C", "D:\\\xD3\xCE\xCF\xB7\\\x81\x5C"},
        {"a=b;c", "a=b;c"},
        {"", ""},
        // The profile functions drop blanks at the ends and enclosing quotes: allowed.
        {"  padded  ", "padded"},
    };
    for (const Case& c : cases) {
        settings.WriteSetting(texts::kBackupKey, T(c.written));
        EXPECT_EQ(c.readBack, Bytes(settings.ReadSetting(texts::kBackupKey))) << c.written;
    }
}

TEST_F(ProfileTest, AValueLoadsAsAtMost10239Bytes) {
    struct Case {
        size_t stored, loaded;
    } cases[] = {{10239, 10239}, {10240, 10239}, {20000, 10239}};
    for (const Case& c : cases) {
        WriteWholeFile(folder + "\\config.ini",
                       "[config]\r\n" + std::string(texts::kBackupKey) + "=" + std::string(c.stored, 'v') + "\r\n");
        EXPECT_EQ(std::string(c.loaded, 'v'), Bytes(settings.ReadSetting(texts::kBackupKey))) << c.stored;
    }
}

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteInstallPath(); }
    void TearDown() override { DeleteInstallPath(); }
    std::string Read() {
        RegistryFunctions registry;
        return Bytes(ReadRegistryText(registry, CurrentUserKey(), T(texts::kInstallPathRegistryPath)));
    }
};

}  // namespace

TEST_F(RegistryTest, GivesStringsAsStoredAndExpandsExpandableOnes) {
    EXPECT_EQ("", Read()) << "no key";
    SetEnvironmentVariableA("VORNASK_GAMES", "D:\\Games");
    DWORD dword = 7;
    struct Case {
        DWORD type;
        std::string data, text;
    } cases[] = {
        {REG_SZ, std::string("D:\\Games\\Game1\0", 15), "D:\\Games\\Game1"},
        {REG_SZ, std::string(" D:\\\xD3\xCE\xCF\xB7\\ \0", 11), " D:\\\xD3\xCE\xCF\xB7\\ "},
        {REG_SZ, std::string("\0", 1), ""},
        {REG_EXPAND_SZ, std::string("%VORNASK_GAMES%\\LoL\0", 20), "D:\\Games\\LoL"},
        {REG_DWORD, std::string(reinterpret_cast<const char*>(&dword), 4), ""},
        {REG_BINARY, "D:\\Games", ""},
        {REG_MULTI_SZ, std::string("D:\\A\0D:\\B\0\0", 11), ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(StoreInstallPath(c.type, c.data));
        EXPECT_EQ(c.text, Read()) << c.type << " " << c.data;
    }
}

// A config.ini that cannot be written (as root under Wine, read-only attributes do not
// hold, so another handle that denies writing stands in for a read-only folder).
TEST_F(ProfileTest, AFileThatCannotBeWrittenStillLoadsAndWritesFailQuietly) {
    std::string path = folder + "\\config.ini";
    std::string stored = "[config]\r\n" + std::string(texts::kBackupKey) + "=E:\\Saves\r\n";
    WriteWholeFile(path, stored);
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ("E:\\Saves", Bytes(settings.ReadSetting(texts::kBackupKey)));
    settings.WriteSetting(texts::kBackupKey, T("F:\\Other"));
    settings.WriteSetting(texts::kGameConfigKey, T("D:\\Game"));
    CloseHandle(lock);
    EXPECT_EQ(stored, ReadWholeFile(path));
}
