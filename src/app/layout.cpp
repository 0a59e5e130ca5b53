#include "app/layout.h"

#include "text/texts.h"

namespace {
// The eight inner controls are placed by their offset inside the group box.
constexpr int kInnerX = 8, kInnerY = 8;
}  // namespace

const ControlLayout kControls[9] = {
    {kGroupBox1, ControlKind::GroupBox, 8, 8, 344, 176, texts::kGroupCaption},
    {kLabel3, ControlKind::Label, kInnerX + 16, kInnerY + 32, 56, 24, texts::kGameConfigLabel},
    {kEditBox2, ControlKind::EditBox, kInnerX + 80, kInnerY + 32, 184, 24, ""},
    {kButton3, ControlKind::Button, kInnerX + 272, kInnerY + 32, 56, 24, texts::kBrowseCaption},
    {kLabel4, ControlKind::Label, kInnerX + 16, kInnerY + 72, 56, 24, texts::kBackupLabel},
    {kEditBox3, ControlKind::EditBox, kInnerX + 80, kInnerY + 72, 184, 24, ""},
    {kButton4, ControlKind::Button, kInnerX + 272, kInnerY + 72, 56, 24, texts::kBrowseCaption},
    {kButton1, ControlKind::Button, kInnerX + 72, kInnerY + 120, 56, 24, texts::kBackupCaption},
    {kButton2, ControlKind::Button, kInnerX + 168, kInnerY + 120, 56, 24, texts::kRestoreCaption},
};

const ControlId kTabOrder[6] = {kEditBox2, kEditBox3, kButton1, kButton2, kButton3, kButton4};

Point CentredWindowOrigin(int screenWidth, int screenHeight) {
    return Point{(screenWidth - kWindowWidth) / 2, (screenHeight - kWindowHeight) / 2};
}
