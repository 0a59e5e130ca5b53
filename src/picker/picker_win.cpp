#include "picker/picker_win.h"

#include <string.h>
#include <windows.h>
#include <shlobj.h>

#include "win/unique.h"

namespace {

using SHGetFolderLocationFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPITEMIDLIST*);
using SHBrowseForFolderAFn = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA);
using SHGetPathFromIDListAFn = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
using CoTaskMemFreeFn = void(WINAPI*)(LPVOID);

// Looked up by name on first use and kept for the run. The DLLs come from the
// system directory by full path, so one planted beside the executable is never loaded.
struct ShellFunctions {
    SHGetFolderLocationFn getFolderLocation = nullptr;
    SHBrowseForFolderAFn browseForFolder = nullptr;
    SHGetPathFromIDListAFn getPathFromIdList = nullptr;
    CoTaskMemFreeFn coTaskMemFree = nullptr;
};

HMODULE LoadSystemLibrary(const char* fileName) {
    char path[MAX_PATH + 32];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    path[length] = '\\';
    strcpy(path + length + 1, fileName);
    return LoadLibraryA(path);
}

template <typename Fn>
void Lookup(HMODULE module, const char* name, Fn& function) {
    if (module) function = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const ShellFunctions& ShellApi() {
    static ShellFunctions functions;
    static bool looked = false;
    if (!looked) {
        looked = true;
        HMODULE shell32 = LoadSystemLibrary("shell32.dll");
        HMODULE ole32 = LoadSystemLibrary("ole32.dll");
        Lookup(shell32, "SHGetFolderLocation", functions.getFolderLocation);
        Lookup(shell32, "SHBrowseForFolderA", functions.browseForFolder);
        Lookup(shell32, "SHGetPathFromIDListA", functions.getPathFromIdList);
        Lookup(ole32, "CoTaskMemFree", functions.coTaskMemFree);
    }
    return functions;
}

struct FreeItemList {
    void operator()(LPITEMIDLIST list) const {
        if (ShellApi().coTaskMemFree) ShellApi().coTaskMemFree(list);
    }
};
using UniqueItemList = UniqueAny<LPITEMIDLIST, FreeItemList>;

class ShellPathConversion : public PathConversion {
public:
    explicit ShellPathConversion(LPCITEMIDLIST list) : list_(list) {}
    bool Convert(char* buffer) override {
        return ShellApi().getPathFromIdList && ShellApi().getPathFromIdList(list_, buffer) != FALSE;
    }

private:
    LPCITEMIDLIST list_;
};

constexpr UINT kBrowseFlags =
    BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
static_assert(kBrowseFlags == 0x77, "the folder browser's flags");

}  // namespace

Text PickFolder(HWND owner, const Text& title) {
    const ShellFunctions& shell = ShellApi();
    if (!shell.browseForFolder) return Text();

    UniqueItemList root;
    if (shell.getFolderLocation) shell.getFolderLocation(owner, CSIDL_DESKTOP, nullptr, 0, root.put());

    char displayName[kShellPathBufferSize];
    memset(displayName, ' ', kShellPathBufferSize - 1);
    displayName[kShellPathBufferSize - 1] = '\0';

    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = kBrowseFlags;
    info.lpfn = nullptr;
    info.lParam = 0;
    UniqueItemList chosen(shell.browseForFolder(&info));

    ShellPathConversion conversion(chosen.get());
    return CleanPickedFolder(static_cast<bool>(chosen), displayName, conversion);
}

Text ShellFolderPicker::PickFolder(void* owner, const Text& title) {
    return ::PickFolder(static_cast<HWND>(owner), title);
}
