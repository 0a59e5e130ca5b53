#include "transfer/transfer_win.h"

#include <stdlib.h>
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include "text/texts.h"
#include "win/convert.h"
#include "win/unique.h"

namespace {

CopyOutcome Failure(CopyOutcome::Kind kind, HRESULT code, const Text& description = Text()) {
    CopyOutcome outcome;
    outcome.kind = kind;
    outcome.code = static_cast<uint32_t>(code);
    outcome.description = description.empty() ? SystemMessage(static_cast<DWORD>(code)) : description;
    return outcome;
}

// The component as its ProgID names it; E_INVALIDARG from the first try gets one
// more with the classic server contexts, and OleRun puts it in its running state.
HRESULT CreateFileSystemObject(UniqueCom<IDispatch>& dispatch) {
    wchar_t progId[] = L"scripting.FileSystemObject";
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr)) return hr;
    UniqueCom<IUnknown> instance;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(instance.put()));
    if (hr == E_INVALIDARG) {
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                              IID_IUnknown, reinterpret_cast<void**>(instance.put()));
    }
    if (FAILED(hr)) return hr;
    hr = OleRun(instance.get());
    if (FAILED(hr)) return hr;
    return instance->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put()));
}

}  // namespace

CopyOutcome FileSystemObjectCopier::CopyFolderTree(const Text& source, const Text& destination) {
    UniqueCom<IDispatch> fso;
    HRESULT hr = CreateFileSystemObject(fso);
    if (FAILED(hr) || !fso) return Failure(CopyOutcome::ComponentMissing, hr);

    wchar_t methodName[] = L"CopyFolder";
    LPOLESTR names[] = {methodName};
    DISPID copyFolder = 0;
    hr = fso->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &copyFolder);
    if (FAILED(hr)) return Failure(CopyOutcome::Failed, hr);

    // Exactly two arguments, so the component's own default applies to the third
    // (overwrite existing files). IDispatch takes them last first.
    UniqueBstr sourceBstr = ToBstr(source);
    UniqueBstr destinationBstr = ToBstr(destination);
    VARIANTARG arguments[2];
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = destinationBstr.get();
    arguments[1].vt = VT_BSTR;
    arguments[1].bstrVal = sourceBstr.get();
    DISPPARAMS parameters = {arguments, nullptr, 2, 0};
    EXCEPINFO exception = {};
    hr = fso->Invoke(copyFolder, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, &exception,
                     nullptr);
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    UniqueBstr description(exception.bstrDescription);
    UniqueBstr sourceName(exception.bstrSource);
    UniqueBstr helpFile(exception.bstrHelpFile);
    if (SUCCEEDED(hr)) return CopyOutcome();
    if (hr == DISP_E_EXCEPTION) {
        HRESULT reported =
            exception.scode ? exception.scode : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, exception.wCode);
        if (reported) hr = reported;
    }
    return Failure(CopyOutcome::Failed, hr, FromWide(description.get()));
}

Text FullPathResolver::FullPath(const Text& path) {
    DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return Text();
    char* buffer = static_cast<char*>(malloc(size));
    if (!buffer) return Text();
    DWORD length = GetFullPathNameA(path.c_str(), size, buffer, nullptr);
    Text full = length > 0 && length < size ? Text(buffer, length) : Text();
    free(buffer);
    return full;
}

LeadByteTest FullPathResolver::LeadBytes() { return IsAnsiLeadByte; }

void MessageBoxDesktop::ShowMessage(const Text& text) {
    // A task-modal box without owner leaves no window of ours active when it closes
    // (our windows are still disabled at that moment), so the keyboard would go
    // nowhere: give the activation back to the window the user clicked in.
    HWND active = GetActiveWindow();
    MessageBoxA(nullptr, text.c_str(), texts::kMessageTitle, MB_OK | MB_TASKMODAL);
    if (active && IsWindow(active)) SetForegroundWindow(active);
}
