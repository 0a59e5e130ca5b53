// The window's own keyboard rules. We do not use IsDialogMessage: it would make a
// focused push button the default button (so Enter presses it) and close on Shift+Esc.
#pragma once
#include "app/layout.h"

enum class KeyAction {
    PassOn,         // the focused control gets the key
    FocusNext,      // Tab
    FocusPrevious,  // Shift+Tab
    Close,          // Esc alone
    Swallow,        // F1: the window has no help
};

struct KeyPress {
    unsigned virtualKey;
    bool shift, ctrl, alt;
};

KeyAction ClassifyKey(const KeyPress& key);

// The next (or previous) control of the tab order after `current` that `canFocus`
// accepts, wrapping around; `current` itself when no other one qualifies. A control
// outside the tab order counts as standing before the first.
template <typename CanFocus>
ControlId NextTabStop(ControlId current, bool backwards, CanFocus canFocus) {
    constexpr int count = sizeof(kTabOrder) / sizeof(kTabOrder[0]);
    int at = backwards ? 0 : -1;
    for (int i = 0; i < count; ++i) {
        if (kTabOrder[i] == current) at = i;
    }
    for (int step = 1; step <= count; ++step) {
        int i = ((at + (backwards ? -step : step)) % count + count) % count;
        if (canFocus(kTabOrder[i])) return kTabOrder[i];
    }
    return current;
}
