#include "app/keyboard.h"

namespace {
// Virtual-key codes, as Windows numbers them.
constexpr unsigned kVkTab = 0x09, kVkEscape = 0x1B, kVkF1 = 0x70;
}  // namespace

KeyAction ClassifyKey(const KeyPress& key) {
    switch (key.virtualKey) {
    case kVkTab:
        if (key.ctrl || key.alt) return KeyAction::PassOn;
        return key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case kVkEscape:
        return key.shift || key.ctrl || key.alt ? KeyAction::PassOn : KeyAction::Close;
    case kVkF1:
        return key.shift || key.ctrl || key.alt ? KeyAction::PassOn : KeyAction::Swallow;
    default:
        return KeyAction::PassOn;
    }
}
