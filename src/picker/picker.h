// The Browse buttons: the shell's folder browser, and the clean-up of what it gives.
#pragma once
#include <stddef.h>

#include "app/fields.h"
#include "text/text.h"

constexpr size_t kShellPathBufferSize = 261;  // 260 bytes and the terminating zero

// SHGetPathFromIDListA on the list the dialog returned.
class PathConversion {
public:
    virtual ~PathConversion() = default;
    // Fills `buffer` (kShellPathBufferSize bytes, prepared as 260 spaces and a zero).
    virtual bool Convert(char* buffer) = 0;
};

// What the dialog gave, turned into a folder path or the empty Text: the display
// name trimmed of blanks; a "?" in it means no usable path; a returned list is
// converted to its path (a drive root "C:\" gives "C:"); no list gives "\\" and the
// name (a network place), or nothing when the name is empty.
Text CleanPickedFolder(bool listReturned, const char* displayName, PathConversion& conversion);

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // Shows the folder browser modal to `owner` with `title` as its instruction line.
    virtual Text PickFolder(void* owner, const Text& title) = 0;
};

// The click handling of 按钮3 (field 编辑框2) and 按钮4 (field 编辑框3). A Cancel
// leaves the field, and so the remembered folder, as it was.
void BrowseForField(Fields& fields, FolderPicker& picker, Field field);
