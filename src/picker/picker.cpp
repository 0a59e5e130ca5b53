#include "picker/picker.h"

#include <string.h>

#include "text/gbk.h"

Text CleanPickedFolder(bool listReturned, const char* displayName, PathConversion& conversion) {
    Text name = TrimBlanks(Text(displayName, BoundedLength(displayName, kShellPathBufferSize)));
    // The shell shows "?" for characters the ANSI code page cannot hold: such a name
    // can never be a usable path.
    if (ContainsChar(name, '?')) return Text();
    if (listReturned) {
        char path[kShellPathBufferSize];
        memset(path, ' ', kShellPathBufferSize - 1);
        path[kShellPathBufferSize - 1] = '\0';
        if (!conversion.Convert(path)) return Text();
        Text result(path, BoundedLength(path, kShellPathBufferSize));
        return result.size() == 3 ? result.Left(2) : result;
    }
    if (name.empty()) return Text();
    return Text("\\\\") + name;
}

void BrowseForField(Fields& fields, FolderPicker& picker, Field field) {
    void* owner = fields.OwnerWindow();
    Text title = fields.Read(field);
    Text picked = picker.PickFolder(owner, title);
    if (!picked.empty()) fields.Write(field, picked);
}
