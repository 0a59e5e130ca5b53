// The main window: builds the layout, turns control notifications into the
// program's events and applies the keyboard rules in the message loop.
#pragma once
#include <windows.h>

#include "app/fields.h"
#include "app/layout.h"

// The bound events, as the window delivers them.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void Created() = 0;
    virtual void FieldChanged(Field field) = 0;
    virtual void Clicked(ControlId button) = 0;
};

class MainWindow : public Fields {
public:
    // Builds the window hidden with its controls visible in it; no event is
    // delivered while it is built. False when Windows refused to create it.
    bool Build(HINSTANCE instance, WindowEvents& events);
    // Focus to 按钮1, then the created event; the window is still hidden.
    void DeliverCreated();
    // Shows the window activated, keeping the focus where the created handling left it.
    void Show();
    // Until the window is destroyed.
    void RunMessageLoop();

    Text Read(Field field) override;
    void Write(Field field, const Text& text) override;
    void* OwnerWindow() override { return window_; }

    HWND Handle() const { return window_; }
    HWND Control(ControlId id) const { return GetDlgItem(window_, id); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnActivate(bool active, bool minimised);
    bool HandleWindowKey(const MSG& message);
    void MoveFocus(bool backwards);
    void RestoreFocus();

    HWND window_ = nullptr;
    WindowEvents* events_ = nullptr;
    bool eventsOn_ = false;
    // While field write sets an edit's text, the edit's own notification is not a
    // second event: field write delivers the one event itself.
    bool writing_[2] = {false, false};
    HWND rememberedFocus_ = nullptr;
};
