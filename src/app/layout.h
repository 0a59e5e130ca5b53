// The main window's layout: one table that the window builds from and the tests read.
#pragma once

enum class ControlKind { GroupBox, Label, EditBox, Button };

enum ControlId {
    kGroupBox1 = 100,  // 分组框1
    kLabel3 = 103,     // 标签3
    kLabel4 = 104,     // 标签4
    kEditBox2 = 202,   // 编辑框2, game-configuration folder
    kEditBox3 = 203,   // 编辑框3, backup folder
    kButton1 = 301,    // 按钮1, Backup
    kButton2 = 302,    // 按钮2, Restore
    kButton3 = 303,    // 按钮3, Browse for 编辑框2
    kButton4 = 304,    // 按钮4, Browse for 编辑框3
};

struct ControlLayout {
    ControlId id;
    ControlKind kind;
    int left, top, width, height;  // in the main window's client area
    const char* text;
};

constexpr int kWindowWidth = 364;
constexpr int kWindowHeight = 219;

extern const ControlLayout kControls[9];

// The tab order; after the last comes the first again.
extern const ControlId kTabOrder[6];

struct Point {
    int x, y;
};
// Centred on the primary screen, the fraction dropped.
Point CentredWindowOrigin(int screenWidth, int screenHeight);
