// Backup and Restore: copy one field's folder onto the other's and tell the user
// how it went.
#pragma once
#include <stdint.h>

#include "app/fields.h"
#include "text/gbk.h"
#include "text/text.h"

struct CopyOutcome {
    enum Kind { Copied, ComponentMissing, Failed } kind = Copied;
    uint32_t code = 0;  // HRESULT of the failed step
    Text description;   // the component's or the system's words for it, if any
};

// Copies the source folder onto the destination folder; on Windows the script
// run-time's Scripting.FileSystemObject does it.
class FolderCopier {
public:
    virtual ~FolderCopier() = default;
    virtual CopyOutcome CopyFolderTree(const Text& source, const Text& destination) = 0;
};

// Paths as the file system sees them.
class PathResolver {
public:
    virtual ~PathResolver() = default;
    // Made absolute against the current directory; empty when it cannot be.
    virtual Text FullPath(const Text& path) = 0;
    // The lead bytes of the code page that paths are written in.
    virtual LeadByteTest LeadBytes() { return IsGbkLeadByte; }
};

// The program's own message box: title "提示", one OK button, no icon, task-modal.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void ShowMessage(const Text& text) = 0;
};

struct TransferPorts {
    Fields& fields;
    FolderCopier& copier;
    PathResolver& paths;
    Desktop& desktop;
};

void Backup(TransferPorts& ports);   // 编辑框2 onto 编辑框3
void Restore(TransferPorts& ports);  // 编辑框3 onto 编辑框2

enum class PathRelation { Apart, Same, DestinationInside };
// Compares two absolute paths by whole components, ASCII case ignored, '/' taken
// as '\', trailing separators not counted.
PathRelation RelatePaths(const Text& sourceFull, const Text& destinationFull, LeadByteTest isLead = IsGbkLeadByte);

// The user's words for a failed copy.
Text DescribeCopyFailure(const CopyOutcome& outcome);
