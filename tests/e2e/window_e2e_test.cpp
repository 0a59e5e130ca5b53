// The main window, started and driven like a user would.
#include <gtest/gtest.h>

#include "driver.h"
#include "text/texts.h"

TEST(MainWindowE2E, StartsCentredWithButton1FocusedAndEscClosesWithExitCode0) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(texts::kWindowTitle, WindowText(app.Window()));
    RECT outer;
    GetWindowRect(app.Window(), &outer);
    EXPECT_EQ(364, outer.right - outer.left);
    EXPECT_EQ(219, outer.bottom - outer.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 364) / 2, outer.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 219) / 2, outer.top);
    EXPECT_EQ(app.Control(kButton1), app.Focus());

    struct Expected {
        ControlId id;
        const char* className;
        const char* text;
        int left, top;
    } controls[] = {
        {kGroupBox1, "Button", texts::kGroupCaption, 8, 8},
        {kLabel3, "Static", texts::kGameConfigLabel, 24, 40},
        {kEditBox2, "Edit", nullptr, 88, 40},
        {kButton3, "Button", texts::kBrowseCaption, 280, 40},
        {kLabel4, "Static", texts::kBackupLabel, 24, 80},
        {kEditBox3, "Edit", "", 88, 80},
        {kButton4, "Button", texts::kBrowseCaption, 280, 80},
        {kButton1, "Button", texts::kBackupCaption, 80, 128},
        {kButton2, "Button", texts::kRestoreCaption, 176, 128},
    };
    for (const Expected& c : controls) {
        HWND control = app.Control(c.id);
        ASSERT_NE(nullptr, control) << c.id;
        EXPECT_STRCASEEQ(c.className, ClassName(control).c_str()) << c.id;
        if (c.text) {
            EXPECT_EQ(c.text, WindowText(control)) << c.id;
        }
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, app.Window(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(c.left, rect.left) << c.id;
        EXPECT_EQ(c.top, rect.top) << c.id;
        EXPECT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control)) << c.id;
    }

    app.Press(VK_ESCAPE);
    EXPECT_EQ(0u, app.WaitForExit());
}

namespace {

// Input is handled in order: once a later Tab has moved the focus, every key
// pressed before it has been handled too.
void ExpectTabMovesFocus(Vornask& app, ControlId to, bool shift = false) {
    app.Press(VK_TAB, shift);
    EXPECT_TRUE(app.WaitForFocus(to)) << "expected the focus on " << to;
}

}  // namespace

TEST(MainWindowE2E, KeyboardFollowsTheWindowsOwnRules) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    ASSERT_EQ(app.Control(kButton1), app.Focus());
    for (ControlId next : {kButton2, kButton3, kButton4, kEditBox2, kEditBox3, kButton1})
        ExpectTabMovesFocus(app, next);
    for (ControlId previous : {kEditBox3, kEditBox2, kButton4}) ExpectTabMovesFocus(app, previous, true);
    ExpectTabMovesFocus(app, kEditBox2);
    ExpectTabMovesFocus(app, kEditBox3);
    ExpectTabMovesFocus(app, kButton1);

    // Enter on 按钮1 presses nothing and moves nothing; F1 shows no help; Shift+Esc does not close.
    app.Press(VK_RETURN);
    app.Press(VK_F1);
    app.Press(VK_ESCAPE, true);
    ExpectTabMovesFocus(app, kButton2);
    EXPECT_EQ(nullptr, app.FindDialog(nullptr)) << "no message box, no help window";
    EXPECT_TRUE(app.Running());
    for (ControlId id : {kButton1, kButton2, kButton3, kButton4}) {
        EXPECT_FALSE(GetWindowLongA(app.Control(id), GWL_STYLE) & BS_DEFPUSHBUTTON) << id << " became a default button";
    }

    // Esc from inside a field closes without a question.
    ExpectTabMovesFocus(app, kButton1, true);
    ExpectTabMovesFocus(app, kEditBox3, true);
    app.Type("typed");
    app.Press(VK_ESCAPE);
    EXPECT_EQ(0u, app.WaitForExit());
}

TEST(MainWindowE2E, FixedFrameMinimisableNotResizableAndAltF4Closes) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    LONG style = GetWindowLongA(app.Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(app.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(nullptr, GetWindow(app.Window(), GW_OWNER));
    EXPECT_EQ(nullptr, GetMenu(app.Window()));
    app.Press(VK_F4, false, false, true);  // Alt+F4
    EXPECT_EQ(0u, app.WaitForExit());
}

TEST(MainWindowE2E, FocusComesBackAfterSwitchingToAnotherWindow) {
    Vornask app;
    ASSERT_TRUE(app.Start());
    ExpectTabMovesFocus(app, kEditBox3, true);

    HWND other = CreateWindowExA(0, "STATIC", "other application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        return GetForegroundWindow() == other;
    }));
    SetForegroundWindow(app.Window());
    EXPECT_TRUE(app.WaitForFocus(kEditBox3));
    DestroyWindow(other);
    app.Press(VK_ESCAPE);
    EXPECT_EQ(0u, app.WaitForExit());
}
