#include <gtest/gtest.h>

#include <set>

#include "app/keyboard.h"
#include "app/layout.h"

namespace {
const ControlLayout& LayoutOf(ControlId id) {
    for (const ControlLayout& layout : kControls) {
        if (layout.id == id) return layout;
    }
    ADD_FAILURE() << "no control " << id;
    return kControls[0];
}
}  // namespace

TEST(Layout, CentresWithIntegerDivision) {
    EXPECT_EQ(328, CentredWindowOrigin(1020, 657).x);  // (1020-364)/2
    EXPECT_EQ(219, CentredWindowOrigin(1020, 657).y);  // (657-219)/2
    EXPECT_EQ(330, CentredWindowOrigin(1025, 660).x);  // 330.5 drops the fraction
    EXPECT_EQ(220, CentredWindowOrigin(1025, 660).y);  // 220.5 drops the fraction
}

TEST(Layout, InnerControlsStandAtTheGroupBoxOffset) {
    struct Case {
        ControlId id;
        int left, top, width, height;
    } cases[] = {
        {kGroupBox1, 8, 8, 344, 176}, {kLabel3, 24, 40, 56, 24},   {kEditBox2, 88, 40, 184, 24},
        {kButton3, 280, 40, 56, 24},  {kLabel4, 24, 80, 56, 24},   {kEditBox3, 88, 80, 184, 24},
        {kButton4, 280, 80, 56, 24},  {kButton1, 80, 128, 56, 24}, {kButton2, 176, 128, 56, 24},
    };
    std::set<int> seen;
    for (const Case& c : cases) {
        const ControlLayout& layout = LayoutOf(c.id);
        EXPECT_EQ(c.left, layout.left) << c.id;
        EXPECT_EQ(c.top, layout.top) << c.id;
        EXPECT_EQ(c.width, layout.width) << c.id;
        EXPECT_EQ(c.height, layout.height) << c.id;
        seen.insert(c.id);
    }
    EXPECT_EQ(9u, seen.size());
}

TEST(Keyboard, ClassifiesTheWindowsOwnKeys) {
    constexpr unsigned kTab = 0x09, kEnter = 0x0D, kEsc = 0x1B, kF1 = 0x70, kA = 'A';
    struct Case {
        KeyPress key;
        KeyAction action;
    } cases[] = {
        {{kTab, false, false, false}, KeyAction::FocusNext}, {{kTab, true, false, false}, KeyAction::FocusPrevious},
        {{kTab, false, true, false}, KeyAction::PassOn},     {{kTab, false, false, true}, KeyAction::PassOn},
        {{kEnter, false, false, false}, KeyAction::PassOn},  {{kEsc, false, false, false}, KeyAction::Close},
        {{kEsc, true, false, false}, KeyAction::PassOn},     {{kEsc, false, true, false}, KeyAction::PassOn},
        {{kEsc, false, false, true}, KeyAction::PassOn},     {{kF1, false, false, false}, KeyAction::Swallow},
        {{kA, false, false, false}, KeyAction::PassOn},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.action, ClassifyKey(c.key))
            << c.key.virtualKey << " shift " << c.key.shift << " ctrl " << c.key.ctrl << " alt " << c.key.alt;
    }
}

TEST(Keyboard, TabCyclesOverTheTabOrderSkippingWhatCannotTakeFocus) {
    auto all = [](ControlId) { return true; };
    EXPECT_EQ(kEditBox3, NextTabStop(kEditBox2, false, all));
    EXPECT_EQ(kButton3, NextTabStop(kButton2, false, all));
    EXPECT_EQ(kEditBox2, NextTabStop(kButton4, false, all));
    EXPECT_EQ(kButton4, NextTabStop(kEditBox2, true, all));
    EXPECT_EQ(kButton1, NextTabStop(kButton2, true, all));
    // From something outside the order (the window itself, a label): the first, or backwards the last.
    EXPECT_EQ(kEditBox2, NextTabStop(kLabel3, false, all));
    EXPECT_EQ(kButton4, NextTabStop(kGroupBox1, true, all));

    auto notButton1 = [](ControlId id) { return id != kButton1; };
    EXPECT_EQ(kButton2, NextTabStop(kEditBox3, false, notButton1));
    EXPECT_EQ(kEditBox3, NextTabStop(kButton2, true, notButton1));
    auto none = [](ControlId) { return false; };
    EXPECT_EQ(kButton1, NextTabStop(kButton1, false, none));
}
