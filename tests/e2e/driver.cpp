#include "driver.h"

#include <stdlib.h>

#include <vector>

double TimeoutScale() {
    const char* scale = getenv("VORNASK_TIMEOUT_SCALE");
    double value = scale ? atof(scale) : 1;
    return value > 0 ? value : 1;
}

std::string WindowText(HWND window) {
    char buffer[16384];
    int length = static_cast<int>(SendMessageA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)));
    return std::string(buffer, length > 0 ? length : 0);
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

namespace {

// The exe under test: VORNASK_EXE, a Unix path as CMake gives it, seen through Wine's Z: drive.
std::string ExePath() {
    const char* path = getenv("VORNASK_EXE");
    std::string exe = path ? path : "Vornask.exe";
    if (!exe.empty() && exe[0] == '/') {
        exe = "Z:" + exe;
        for (char& c : exe)
            if (c == '/') c = '\\';
    }
    return exe;
}

struct Search {
    DWORD processId;
    HWND exclude;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || window == search->exclude || !IsWindowVisible(window)) return TRUE;
    if (search->className && ClassName(window) != search->className) return TRUE;
    search->found = window;
    return FALSE;
}

void SendKey(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

Vornask::Vornask(const char* configIni) : runDirectory_(FreshFolder("run")) {
    CopyFileA(ExePath().c_str(), (runDirectory_ + "\\Vornask.exe").c_str(), FALSE);
    if (configIni) WriteWholeFile(runDirectory_ + "\\config.ini", configIni);
}

Vornask::~Vornask() {
    if (process_.hProcess) {
        if (Running()) TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

bool Vornask::Start() {
    if (process_.hProcess) {
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
        process_ = {};
        window_ = nullptr;
    }
    std::string exe = runDirectory_ + "\\Vornask.exe";
    std::vector<char> commandLine(exe.begin(), exe.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    // Started from another folder: the program must make its own folder current.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &startup,
                        &process_)) {
        return false;
    }
    WaitFor([&] {
        Search search{process_.dwProcessId, nullptr, "VornaskMainWindow", nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        window_ = search.found;
        return window_ != nullptr || !Running();
    });
    return window_ != nullptr && WaitFor([&] { return GetForegroundWindow() == window_; }, 10);
}

void Vornask::SetText(ControlId id, const std::string& text) {
    SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND Vornask::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

bool Vornask::WaitForFocus(ControlId id) {
    return WaitFor([&] { return Focus() == Control(id); }, 10);
}

void Vornask::Press(WORD virtualKey, bool shift, bool ctrl, bool alt) {
    if (shift) SendKey(VK_SHIFT, false);
    if (ctrl) SendKey(VK_CONTROL, false);
    if (alt) SendKey(VK_MENU, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    if (alt) SendKey(VK_MENU, true);
    if (ctrl) SendKey(VK_CONTROL, true);
    if (shift) SendKey(VK_SHIFT, true);
}

void Vornask::Type(const std::string& ascii) {
    for (char c : ascii) {
        SHORT key = VkKeyScanA(c);
        Press(LOBYTE(key), (HIBYTE(key) & 1) != 0);
    }
}

void Vornask::Click(ControlId id) {
    RECT rect;
    GetWindowRect(Control(id), &rect);
    int x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
        input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Press and release carry the position too, so they happen on the button
    // whatever Wine still believes about the pointer.
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    // The pointer must really stand on the button before it is pressed: Wine moves
    // the X pointer behind the scenes, and a press sent at once may land where it was.
    SendInput(1, &inputs[0], sizeof(INPUT));
    WaitFor(
        [&] {
            POINT at;
            GetCursorPos(&at);
            return at.x == x && at.y == y;
        },
        5);
    SendInput(2, &inputs[1], sizeof(INPUT));
}

HWND Vornask::FindDialog(const char* className) const {
    Search search{process_.dwProcessId, window_, className, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Vornask::WaitForDialog(const char* className) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(className)) != nullptr; });
    return dialog;
}

std::string Vornask::MessageBoxText(HWND box) const { return WindowText(GetDlgItem(box, 0xFFFF)); }

void Vornask::PressDialogButton(HWND dialog, int id) const {
    // A posted BM_CLICK does not reach a message box's button under Wine; the command does.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DWORD Vornask::WaitForExit(double seconds) {
    DWORD milliseconds = static_cast<DWORD>(seconds * TimeoutScale() * 1000);
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool Vornask::Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
