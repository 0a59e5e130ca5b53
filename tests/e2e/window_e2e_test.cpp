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
        {kGroupBox1, "Button", texts::kGroupCaption, 8, 8},     {kLabel3, "Static", texts::kGameConfigLabel, 24, 40},
        {kEditBox2, "Edit", nullptr, 88, 40},                   {kButton3, "Button", texts::kBrowseCaption, 280, 40},
        {kLabel4, "Static", texts::kBackupLabel, 24, 80},       {kEditBox3, "Edit", "", 88, 80},
        {kButton4, "Button", texts::kBrowseCaption, 280, 80},   {kButton1, "Button", texts::kBackupCaption, 80, 128},
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
