#pragma once
#include "picker/picker.h"

// The shell's folder browser (SHBrowseForFolderA), rooted at the desktop.
class ShellFolderPicker : public FolderPicker {
public:
    Text PickFolder(void* owner, const Text& title) override;
};
