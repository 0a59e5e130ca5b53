// Backup and Restore, clicked like a user would, on real folders.
#include <gtest/gtest.h>

#include "driver.h"
#include "text/texts.h"

namespace {

const std::string kOk = texts::kBackupSucceeded;

class TransferE2E : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }
    std::string Folder(const std::string& name) { return app.RunDirectory() + "\\" + name; }
    void MakeGameConfig(const std::string& folder) {
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\keys").c_str(), nullptr);
        WriteWholeFile(folder + "\\game.cfg", "volume=3");
        WriteWholeFile(folder + "\\keys\\\xBC\xFC\xCE\xBB.ini", "jump=space");  // 键位.ini
    }
    // Clicks the button, reads the message box that comes, presses its OK.
    std::string ClickAndReadMessage(ControlId button) {
        app.Click(button);
        HWND box = app.WaitForDialog();
        if (!box) return "<no message box>";
        EXPECT_EQ(texts::kMessageTitle, WindowText(box));
        EXPECT_FALSE(IsWindowEnabled(app.Window())) << "the main window takes no input meanwhile";
        EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
        EXPECT_EQ(nullptr, GetDlgItem(box, IDCANCEL)) << "one OK button only";
        for (int iconId : {0x14, 0x440}) {  // the icon's place in Windows' and in Wine's message box
            HWND icon = GetDlgItem(box, iconId);
            EXPECT_TRUE(!icon || !IsWindowVisible(icon) || !SendMessageA(icon, STM_GETICON, 0, 0)) << "no icon";
        }
        std::string text = app.MessageBoxText(box);
        app.PressDialogButton(box, IDOK);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(app.Window()); }));
        return text;
    }

    Vornask app;
};

}  // namespace

TEST_F(TransferE2E, BackupThenRestoreCopyTheFoldersBothWaysAndChangeNoField) {
    std::string config = Folder("\xD3\xCE\xCF\xB7 Config");  // 游戏 Config
    std::string backup = Folder("backup");
    MakeGameConfig(config);
    app.SetText(kEditBox2, config);
    app.SetText(kEditBox3, backup);
    std::string stored = app.ConfigIni();

    EXPECT_EQ(texts::kBackupSucceeded, ClickAndReadMessage(kButton1));
    EXPECT_EQ("volume=3", ReadWholeFile(backup + "\\game.cfg"));
    EXPECT_EQ("jump=space", ReadWholeFile(backup + "\\keys\\\xBC\xFC\xCE\xBB.ini"));

    WriteWholeFile(backup + "\\game.cfg", "volume=7");
    // Onto a folder that still has the subfolder, Wine's CopyFolder stops with "file exists"
    // where Windows merges: restore into a game folder that lost everything instead.
    DeleteFileA((config + "\\keys\\\xBC\xFC\xCE\xBB.ini").c_str());
    RemoveDirectoryA((config + "\\keys").c_str());
    DeleteFileA((config + "\\game.cfg").c_str());
    EXPECT_EQ(texts::kRestoreSucceeded, ClickAndReadMessage(kButton2));
    EXPECT_EQ("volume=7", ReadWholeFile(config + "\\game.cfg"));
    EXPECT_EQ("jump=space", ReadWholeFile(config + "\\keys\\\xBC\xFC\xCE\xBB.ini"));

    EXPECT_EQ(config, app.Text(kEditBox2));
    EXPECT_EQ(backup, app.Text(kEditBox3));
    EXPECT_EQ(stored, app.ConfigIni());
}

TEST_F(TransferE2E, PathsWithAGbkTrailBackslashAndRelativePathsWork) {
    // 乗 is 81 5C: a path cut at that byte would name another folder.
    MakeGameConfig(Folder("\x81\x5C"));
    app.SetText(kEditBox2, Folder("\x81\x5C"));
    app.SetText(kEditBox3, "relative backup");  // against the run directory, whatever folder started the program
    EXPECT_EQ(texts::kBackupSucceeded, ClickAndReadMessage(kButton1));
    EXPECT_EQ("volume=3", ReadWholeFile(Folder("relative backup\\game.cfg")));
}

TEST_F(TransferE2E, BadInputGetsAClearMessageAndChangesNothing) {
    std::string config = Folder("config");
    MakeGameConfig(config);
    struct Case {
        std::string gameConfig, backup;
        const char* failed;
        const char* reason;  // null: whatever the copy reports, after the line break
    } cases[] = {
        {"", "", texts::kBackupFailed, texts::kReasonEmptyPath},
        {config, "", texts::kBackupFailed, texts::kReasonEmptyPath},
        {config, config + "\\", texts::kBackupFailed, texts::kReasonSameFolder},
        {config, Folder("CONFIG\\inner"), texts::kBackupFailed, texts::kReasonDestinationInside},
        {Folder("missing"), Folder("backup"), texts::kBackupFailed, texts::kReasonPathNotFound},
    };
    for (const Case& c : cases) {
        app.SetText(kEditBox2, c.gameConfig);
        app.SetText(kEditBox3, c.backup);
        EXPECT_EQ(std::string(c.failed) + "\n" + c.reason, ClickAndReadMessage(kButton1))
            << c.gameConfig << " -> " << c.backup;
        EXPECT_EQ(c.gameConfig, app.Text(kEditBox2));
        EXPECT_EQ(c.backup, app.Text(kEditBox3));
    }
    EXPECT_EQ("<missing>", ReadWholeFile(Folder("CONFIG\\inner\\game.cfg")));
    EXPECT_EQ("<missing>", ReadWholeFile(Folder("backup\\game.cfg")));

    // Restore of a missing backup folder names its own command.
    app.SetText(kEditBox2, config);
    app.SetText(kEditBox3, Folder("nothing here"));
    std::string message = ClickAndReadMessage(kButton2);
    EXPECT_EQ(std::string(texts::kRestoreFailed) + "\n",
              message.substr(0, std::string(texts::kRestoreFailed).size() + 1));
    EXPECT_EQ("volume=3", ReadWholeFile(config + "\\game.cfg"));
}

TEST(SmokeE2E, StartsBacksUpAndClosesWithEsc) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(texts::kWindowTitle, WindowText(app.Window()));
    EXPECT_EQ("\\Game\\Config", app.Text(kEditBox2));
    std::string config = app.RunDirectory() + "\\config";
    CreateDirectoryA(config.c_str(), nullptr);
    WriteWholeFile(config + "\\game.cfg", "volume=3");
    app.SetText(kEditBox2, config);
    app.SetText(kEditBox3, app.RunDirectory() + "\\backup");
    app.Click(kButton1);
    HWND box = app.WaitForDialog();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(texts::kBackupSucceeded, app.MessageBoxText(box));
    app.PressDialogButton(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    // The keyboard is back in the window, on the button that was clicked.
    EXPECT_TRUE(app.WaitForFocus(kButton1));
    EXPECT_EQ("volume=3", ReadWholeFile(app.RunDirectory() + "\\backup\\game.cfg"));
    app.Press(VK_ESCAPE);
    EXPECT_EQ(0u, app.WaitForExit());
}
