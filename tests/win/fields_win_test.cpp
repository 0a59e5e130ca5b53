// The real main window with real edit controls: events counted as the program gets them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_win.h"

namespace {

class RecordingEvents : public WindowEvents {
public:
    explicit RecordingEvents(MainWindow& window) : window_(window) {}
    void Created() override { log.push_back("created"); }
    void FieldChanged(Field field) override {
        Text text = window_.Read(field);
        log.push_back(std::string(field == Field::GameConfig ? "2=" : "3=") + std::string(text.c_str(), text.size()));
    }
    void Clicked(ControlId button) override { log.push_back("clicked " + std::to_string(button)); }
    std::vector<std::string> log;

private:
    MainWindow& window_;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Build(GetModuleHandleA(nullptr), events));
        window.DeliverCreated();
        events.log.clear();
    }
    void TearDown() override { DestroyWindow(window.Handle()); }
    void Type(HWND edit, const char* keys) {
        for (const char* key = keys; *key; ++key) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*key), 1);
    }

    MainWindow window;
    RecordingEvents events{window};
};

}  // namespace

TEST(MainWindowBuild, DeliversNoEventWhileBuiltThenTheCreatedEventWithButton1Focused) {
    MainWindow window;
    RecordingEvents events(window);
    ASSERT_TRUE(window.Build(GetModuleHandleA(nullptr), events));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    for (ControlId id : {kEditBox2, kEditBox3, kButton1, kButton2, kButton3, kButton4, kLabel3, kLabel4, kGroupBox1}) {
        EXPECT_TRUE(IsWindowVisible(window.Control(id)) || GetWindowLongA(window.Control(id), GWL_STYLE) & WS_VISIBLE)
            << id;
    }
    // Setting the fields before the created event reaches nobody.
    window.Write(Field::GameConfig, Text("early"));
    SendMessageA(window.Control(kEditBox3), WM_CHAR, 'x', 1);
    EXPECT_TRUE(events.log.empty());
    window.DeliverCreated();
    EXPECT_EQ(std::vector<std::string>{"created"}, events.log);
    EXPECT_EQ(window.Control(kButton1), GetFocus());
    DestroyWindow(window.Handle());
}

TEST_F(MainWindowTest, FieldWriteDeliversExactlyOneEventAfterTheTextIsInPlace) {
    window.Write(Field::GameConfig, Text("D:\\Game"));
    window.Write(Field::GameConfig, Text("D:\\Game"));  // unchanged
    window.Write(Field::Backup, Text(""));              // empty into empty
    window.Write(Field::Backup, Text("\xD3\xCE\xCF\xB7 x"));
    EXPECT_EQ((std::vector<std::string>{"2=D:\\Game", "2=D:\\Game", "3=", "3=\xD3\xCE\xCF\xB7 x"}), events.log);
    EXPECT_EQ(Text("\xD3\xCE\xCF\xB7 x"), window.Read(Field::Backup));
}

TEST_F(MainWindowTest, EachUserEditIsOneEventAndCaretMovesAreNone) {
    HWND edit = window.Control(kEditBox3);
    Type(edit, "abc");
    SendMessageA(edit, EM_SETSEL, 0, 2);
    SendMessageA(edit, EM_SETSEL, 1, 1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ((std::vector<std::string>{"3=a", "3=ab", "3=abc", "3=bc"}), events.log);

    // A paste of a long text is one event, and the field reads back all of it.
    std::string longText(3000, 'p');
    ASSERT_TRUE(OpenClipboard(window.Handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, longText.size() + 1);
    memcpy(GlobalLock(memory), longText.c_str(), longText.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    events.log.clear();
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_PASTE, 0, 0);
    ASSERT_EQ(1u, events.log.size());
    EXPECT_EQ(longText.size(), window.Read(Field::Backup).size());
}

TEST_F(MainWindowTest, ButtonClicksReachTheirHandlingOnce) {
    for (ControlId id : {kButton1, kButton2, kButton3, kButton4}) SendMessageA(window.Control(id), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"clicked 301", "clicked 302", "clicked 303", "clicked 304"}), events.log);
}

TEST_F(MainWindowTest, StandsWhereTheLayoutPutsIt) {
    RECT outer;
    GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(kWindowWidth, outer.right - outer.left);
    EXPECT_EQ(kWindowHeight, outer.bottom - outer.top);
    Point origin = CentredWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(origin.x, outer.left);
    EXPECT_EQ(origin.y, outer.top);
    // The program's icon (linked into this test too), large and small.
    EXPECT_NE(0, SendMessageA(window.Handle(), WM_GETICON, ICON_BIG, 0));
    EXPECT_NE(0, SendMessageA(window.Handle(), WM_GETICON, ICON_SMALL, 0));
    LONG style = GetWindowLongA(window.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    for (const ControlLayout& layout : kControls) {
        RECT rect;
        GetWindowRect(window.Control(layout.id), &rect);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(layout.left, rect.left) << layout.id;
        EXPECT_EQ(layout.top, rect.top) << layout.id;
        EXPECT_EQ(layout.width, rect.right - rect.left) << layout.id;
        EXPECT_EQ(layout.height, rect.bottom - rect.top) << layout.id;
        char text[64] = "";
        GetWindowTextA(window.Control(layout.id), text, sizeof(text));
        EXPECT_STREQ(layout.text, text) << layout.id;
        EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT),
                  reinterpret_cast<HGDIOBJ>(SendMessageA(window.Control(layout.id), WM_GETFONT, 0, 0)))
            << layout.id;
        if (layout.kind == ControlKind::Button) {
            EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(window.Control(layout.id), GWL_STYLE) & 0x0F) << layout.id;
        }
    }
}
