// Drives the real Vornask.exe as a user would: a fresh run directory, real input
// through SendInput, and the state read back from the windows and the files.
#pragma once
#include <windows.h>

#include <string>

#include "../common/files_win.h"
#include "app/layout.h"

// VORNASK_TIMEOUT_SCALE stretches every wait: an emulated 32-bit run is far slower.
double TimeoutScale();

// Waits until `condition` holds or `seconds` (scaled) pass; true if it held.
template <typename Condition>
bool WaitFor(Condition condition, double seconds = 20) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(seconds * TimeoutScale() * 1000)) return false;
        Sleep(20);
    }
    return true;
}

std::string WindowText(HWND window);
std::string ClassName(HWND window);

class Vornask {
public:
    // A copy of the exe in a new run directory; `configIni` is written there first unless null.
    explicit Vornask(const char* configIni = nullptr);
    ~Vornask();
    Vornask(const Vornask&) = delete;
    Vornask& operator=(const Vornask&) = delete;

    // Starts the program (again, once it has ended) and waits for its main window to be shown.
    bool Start();
    const std::string& RunDirectory() const { return runDirectory_; }
    std::string ConfigIni() const { return ReadWholeFile(runDirectory_ + "\\config.ini"); }

    HWND Window() const { return window_; }
    HWND Control(ControlId id) const { return GetDlgItem(window_, id); }
    std::string Text(ControlId id) const { return WindowText(Control(id)); }
    // As a paste would: the whole text at once (also for GBK text, which typed keys cannot give).
    void SetText(ControlId id, const std::string& text);
    HWND Focus() const;
    bool WaitForFocus(ControlId id);

    // Keystrokes through the system's input queue.
    void Press(WORD virtualKey, bool shift = false, bool ctrl = false, bool alt = false);
    void Type(const std::string& ascii);
    // A left click in the middle of the control.
    void Click(ControlId id);

    // A top-level window of the program other than the main window, such as a message box.
    HWND WaitForDialog(const char* className = "#32770");
    HWND FindDialog(const char* className = "#32770") const;
    std::string MessageBoxText(HWND box) const;
    void PressDialogButton(HWND dialog, int id) const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE when it did not.
    DWORD WaitForExit(double seconds = 20);
    bool Running() const;
    HANDLE Process() const { return process_.hProcess; }

private:
    std::string runDirectory_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};
