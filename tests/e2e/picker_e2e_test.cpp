// The Browse buttons with the real shell folder browser.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "driver.h"
#include "text/texts.h"

namespace {

struct TextSearch {
    std::string text;
    HWND found;
};

BOOL CALLBACK FindChildWithText(HWND child, LPARAM lParam) {
    auto* search = reinterpret_cast<TextSearch*>(lParam);
    if (ClassName(child) == "Static" && WindowText(child) == search->text) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

class PickerE2E : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }

    // Clicks the Browse button and checks the dialog that opens.
    HWND OpenBrowser(ControlId button, const std::string& instruction) {
        app.Click(button);
        HWND dialog = app.WaitForDialog();
        if (!dialog) return nullptr;
        EXPECT_EQ(app.Window(), GetWindow(dialog, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(app.Window())) << "the main window waits for the dialog";
        if (!instruction.empty()) {
            TextSearch search{instruction, nullptr};
            EnumChildWindows(dialog, FindChildWithText, reinterpret_cast<LPARAM>(&search));
            EXPECT_NE(nullptr, search.found) << "the field's text is the instruction line";
        }
        return dialog;
    }

    // Selects a folder in the dialog's tree (the path must live in the dialog's process).
    void Select(HWND dialog, const std::string& path) {
        void* remote = VirtualAllocEx(app.Process(), nullptr, path.size() + 1, MEM_COMMIT, PAGE_READWRITE);
        ASSERT_NE(nullptr, remote);
        WriteProcessMemory(app.Process(), remote, path.c_str(), path.size() + 1, nullptr);
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote));
        VirtualFreeEx(app.Process(), remote, 0, MEM_RELEASE);
    }

    void Close(HWND dialog, int button) {
        app.PressDialogButton(dialog, button);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog) && IsWindowEnabled(app.Window()); }));
    }

    Vornask app;
};

}  // namespace

TEST_F(PickerE2E, ChoosingAFolderWritesItIntoTheFieldAndConfigIni) {
    std::string folder = app.RunDirectory() + "\\saves";
    CreateDirectoryA(folder.c_str(), nullptr);
    HWND dialog = OpenBrowser(kButton4, "");
    ASSERT_NE(nullptr, dialog);
    Select(dialog, folder);
    Close(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return app.Text(kEditBox3) == folder; })) << app.Text(kEditBox3);
    EXPECT_NE(std::string::npos, app.ConfigIni().find(std::string(texts::kBackupKey) + "=" + folder + "\r\n"));
}

TEST_F(PickerE2E, ADriveRootGivesTheDriveLetterAndColon) {
    HWND dialog = OpenBrowser(kButton3, "\\Game\\Config");
    ASSERT_NE(nullptr, dialog);
    Select(dialog, "C:\\");
    Close(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return app.Text(kEditBox2) == "C:"; })) << app.Text(kEditBox2);
    EXPECT_NE(std::string::npos, app.ConfigIni().find(std::string(texts::kGameConfigKey) + "=C:\r\n"));
}

TEST_F(PickerE2E, CancelLeavesFieldAndFileAsTheyWere) {
    app.SetText(kEditBox2, "D:\\Games\\\xD3\xCE\xCF\xB7");
    ASSERT_TRUE(WaitFor([&] { return app.ConfigIni().find("D:\\Games\\\xD3\xCE\xCF\xB7") != std::string::npos; }));
    std::string stored = app.ConfigIni();
    HWND dialog = OpenBrowser(kButton3, "D:\\Games\\\xD3\xCE\xCF\xB7");
    ASSERT_NE(nullptr, dialog);
    Select(dialog, app.RunDirectory());
    Close(dialog, IDCANCEL);
    // The keyboard is back in the main window, and nothing changed.
    EXPECT_TRUE(app.WaitForFocus(kButton3));
    EXPECT_EQ("D:\\Games\\\xD3\xCE\xCF\xB7", app.Text(kEditBox2));
    EXPECT_EQ(stored, app.ConfigIni());
}
