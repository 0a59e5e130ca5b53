// The two path fields as the handlings see them, and the window that owns dialogs.
#pragma once
#include "text/text.h"

enum class Field { GameConfig /* 编辑框2 */, Backup /* 编辑框3 */ };

class Fields {
public:
    virtual ~Fields() = default;
    // The field's whole content, exactly as the control holds it.
    virtual Text Read(Field field) = 0;
    // Replaces the content, then runs the field's change handling exactly once,
    // before returning, whether or not the text differs from the old one.
    virtual void Write(Field field, const Text& text) = 0;
    // The main window, as the owner of modal dialogs (an HWND on Windows).
    virtual void* OwnerWindow() = 0;
};
