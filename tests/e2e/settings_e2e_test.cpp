// The remembered folders: config.ini beside the exe, and the first-run default.
#include <gtest/gtest.h>

#include "../common/registry_win.h"
#include "driver.h"
#include "text/texts.h"

namespace {

const std::string kSection = "[config]\r\n";
const std::string kKey2 = std::string(texts::kGameConfigKey) + "=";
const std::string kKey3 = std::string(texts::kBackupKey) + "=";

class SettingsE2E : public ::testing::Test {
protected:
    void SetUp() override { DeleteInstallPath(); }
    void TearDown() override { DeleteInstallPath(); }
    // A string value as an installer writes it: with its terminating zero.
    static void SetInstallPath(DWORD type, const std::string& text) {
        ASSERT_TRUE(StoreInstallPath(type, text + '\0'));
    }
    static void CloseWithEsc(Vornask& app) {
        app.Press(VK_ESCAPE);
        EXPECT_EQ(0u, app.WaitForExit());
    }
};

}  // namespace

TEST_F(SettingsE2E, FirstStartInAnEmptyFolderStoresBothKeysAndTheNextStartLoadsThem) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ("\\Game\\Config", app.Text(kEditBox2));
    EXPECT_EQ("", app.Text(kEditBox3));
    EXPECT_EQ(kSection + kKey2 + "\\Game\\Config\r\n" + kKey3 + "\r\n", app.ConfigIni());

    const std::string gbkFolder = "D:\\\xD3\xCE\xCF\xB7\\\x81\x5C \xB1\xB8\xB7\xDD";  // D:\游戏\乗 备份
    app.SetText(kEditBox3, gbkFolder);
    EXPECT_TRUE(WaitFor(
        [&] { return app.ConfigIni() == kSection + kKey2 + "\\Game\\Config\r\n" + kKey3 + gbkFolder + "\r\n"; }));
    CloseWithEsc(app);

    SetInstallPath(REG_SZ, "X:\\Elsewhere");  // a stored value stops the registry from being read
    ASSERT_TRUE(app.Start());
    EXPECT_EQ("\\Game\\Config", app.Text(kEditBox2));
    EXPECT_EQ(gbkFolder, app.Text(kEditBox3));
    CloseWithEsc(app);
}

TEST_F(SettingsE2E, TypingStoresEveryChangeWhileTheProgramRuns) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    app.Press(VK_TAB, true);  // from 按钮1 back to 编辑框3
    ASSERT_TRUE(app.WaitForFocus(kEditBox3));
    for (const char* typed : {"e", "e:", "e:\\", "e:\\s"}) {
        app.Type(std::string(1, typed[strlen(typed) - 1]));
        EXPECT_TRUE(WaitFor([&] { return app.ConfigIni().find(kKey3 + typed + "\r\n") != std::string::npos; }))
            << typed;
    }
    app.Press(VK_BACK);
    EXPECT_TRUE(WaitFor([&] { return app.ConfigIni().find(kKey3 + "e:\\\r\n") != std::string::npos; }));
    EXPECT_EQ("e:\\", app.Text(kEditBox3));
    CloseWithEsc(app);
}

TEST_F(SettingsE2E, TheRegistryGivesTheDefaultOnlyWhileNoFolderIsStored) {
    struct Case {
        DWORD type;
        std::string installPath;
        const char* configIni;
        std::string shown;
    } cases[] = {
        {REG_SZ, "D:\\Games\\Game1\\", nullptr, "D:\\Games\\Game1\\\\Game\\Config"},
        {REG_EXPAND_SZ, "%SystemDrive%\\LOL", nullptr, "C:\\LOL\\Game\\Config"},
        {REG_SZ, "D:\\Games\\Game1", "[config]\r\n\xD3\xCE\xCF\xB7\xC5\xE4\xD6\xC3=\r\n",
         "D:\\Games\\Game1\\Game\\Config"},
        {REG_SZ, "D:\\Games\\Game1", "[config]\r\n\xD3\xCE\xCF\xB7\xC5\xE4\xD6\xC3= \r\n",
         "D:\\Games\\Game1\\Game\\Config"},
        {REG_SZ, "D:\\Games\\Game1", "[config]\r\n\xD3\xCE\xCF\xB7\xC5\xE4\xD6\xC3=E:\\Mine\r\n", "E:\\Mine"},
    };
    for (const Case& c : cases) {
        SetInstallPath(c.type, c.installPath);
        Vornask app(c.configIni);
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(c.shown, app.Text(kEditBox2)) << c.installPath;
        EXPECT_NE(std::string::npos, app.ConfigIni().find(kKey2 + c.shown + "\r\n")) << c.installPath;
        CloseWithEsc(app);
    }
}

TEST_F(SettingsE2E, AConfigIniThatCannotBeWrittenLoadsAndShowsNoMessage) {
    std::string stored = "[config]\r\n" + kKey2 + "D:\\Game\r\n" + kKey3 + "E:\\Saves\r\n";
    Vornask app(stored.c_str());
    // Another program holds the file and denies writing (a read-only folder does not
    // hold for root under Wine).
    std::string path = app.RunDirectory() + "\\config.ini";
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    ASSERT_TRUE(app.Start());
    EXPECT_EQ("D:\\Game", app.Text(kEditBox2));
    EXPECT_EQ("E:\\Saves", app.Text(kEditBox3));
    app.Press(VK_TAB, true);
    ASSERT_TRUE(app.WaitForFocus(kEditBox3));
    app.Type("x");
    EXPECT_TRUE(WaitFor([&] { return app.Text(kEditBox3) == "E:\\Savesx" || app.Text(kEditBox3) == "x"; }));
    EXPECT_EQ(nullptr, app.FindDialog(nullptr)) << "no message about the file";
    CloseHandle(lock);
    EXPECT_EQ(stored, app.ConfigIni());
    CloseWithEsc(app);
}

TEST_F(SettingsE2E, AValueTooLongForTheReadBufferLoadsCutAndIsStoredBackCut) {
    std::string stored = "[config]\r\n" + kKey2 + "D:\\Game\r\n" + kKey3 + std::string(10240, 'b') + "\r\n";
    Vornask app(stored.c_str());
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(std::string(10239, 'b'), app.Text(kEditBox3));
    EXPECT_EQ("[config]\r\n" + kKey2 + "D:\\Game\r\n" + kKey3 + std::string(10239, 'b') + "\r\n", app.ConfigIni());
    CloseWithEsc(app);
}
