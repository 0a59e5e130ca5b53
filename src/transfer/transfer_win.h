#pragma once
#include "transfer/transfer.h"

// Scripting.FileSystemObject's CopyFolder, reached late-bound through IDispatch.
class FileSystemObjectCopier : public FolderCopier {
public:
    CopyOutcome CopyFolderTree(const Text& source, const Text& destination) override;
};

// GetFullPathNameA against the current directory.
class FullPathResolver : public PathResolver {
public:
    Text FullPath(const Text& path) override;
    LeadByteTest LeadBytes() override;
};

// MessageBoxA: no owner, title "提示", OK only, no icon, task-modal.
class MessageBoxDesktop : public Desktop {
public:
    void ShowMessage(const Text& text) override;
};
