#include "app/main_window_win.h"

#include <stdlib.h>

#include "app/keyboard.h"
#include "text/texts.h"

namespace {

constexpr char kWindowClass[] = "VornaskMainWindow";
constexpr int kIconId = 1;

ControlId EditOf(Field field) { return field == Field::GameConfig ? kEditBox2 : kEditBox3; }

HWND CreateControl(HWND parent, HINSTANCE instance, const ControlLayout& layout) {
    const char* className = "BUTTON";
    DWORD style = WS_CHILD;  // made visible once all are built
    DWORD exStyle = 0;
    switch (layout.kind) {
    case ControlKind::GroupBox:
        style |= BS_GROUPBOX;
        break;
    case ControlKind::Label:
        className = "STATIC";
        style |= SS_LEFT | SS_CENTERIMAGE;  // one line, vertically centred
        break;
    case ControlKind::EditBox:
        className = "EDIT";
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Button:
        style |= WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
        break;
    }
    return CreateWindowExA(exStyle, className, layout.text, style, layout.left, layout.top, layout.width, layout.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
}

bool KeyDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

bool MainWindow::Build(HINSTANCE instance, WindowEvents& events) {
    events_ = &events;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExA(&windowClass);

    Point origin = CentredWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    window_ = CreateWindowExA(0, kWindowClass, texts::kWindowTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, origin.x,
                              origin.y, kWindowWidth, kWindowHeight, nullptr, nullptr, instance, this);
    if (!window_) return false;

    // The class icons serve the title bar; set on the window they are what others ask for.
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));

    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const ControlLayout& layout : kControls) {
        HWND control = CreateControl(window_, instance, layout);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    for (const ControlLayout& layout : kControls) ShowWindow(Control(layout.id), SW_SHOWNA);
    return true;
}

void MainWindow::DeliverCreated() {
    SetFocus(Control(kButton1));
    eventsOn_ = true;
    events_->Created();
    HWND focus = GetFocus();
    rememberedFocus_ = focus && IsChild(window_, focus) ? focus : Control(kButton1);
}

void MainWindow::Show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    // Activation may move the focus while the window comes up: put it back.
    if (GetFocus() != rememberedFocus_) SetFocus(rememberedFocus_);
}

void MainWindow::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (HandleWindowKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

Text MainWindow::Read(Field field) {
    HWND edit = Control(EditOf(field));
    int length = GetWindowTextLengthA(edit);
    char* buffer = static_cast<char*>(malloc(static_cast<size_t>(length) + 1));
    if (!buffer) return Text();
    int copied = GetWindowTextA(edit, buffer, length + 1);
    Text text(buffer, static_cast<size_t>(copied > 0 ? copied : 0));
    free(buffer);
    return text;
}

void MainWindow::Write(Field field, const Text& text) {
    bool& writing = writing_[field == Field::GameConfig ? 0 : 1];
    writing = true;
    SetWindowTextA(Control(EditOf(field)), text.c_str());
    writing = false;
    if (eventsOn_) events_->FieldChanged(field);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_DESTROY:
        eventsOn_ = false;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id, int code) {
    if (!eventsOn_) return;
    switch (id) {
    case kEditBox2:
    case kEditBox3:
        if (code == EN_CHANGE) {
            Field field = id == kEditBox2 ? Field::GameConfig : Field::Backup;
            if (!writing_[field == Field::GameConfig ? 0 : 1]) events_->FieldChanged(field);
        }
        break;
    case kButton1:
    case kButton2:
    case kButton3:
    case kButton4:
        if (code == BN_CLICKED) events_->Clicked(static_cast<ControlId>(id));
        break;
    default:
        break;
    }
}

void MainWindow::OnActivate(bool active, bool minimised) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) rememberedFocus_ = focus;
    } else if (!minimised) {
        RestoreFocus();
    }
}

void MainWindow::RestoreFocus() {
    HWND target = rememberedFocus_ && IsWindow(rememberedFocus_) ? rememberedFocus_ : Control(kEditBox2);
    SetFocus(target);
}

bool MainWindow::HandleWindowKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    KeyPress key{static_cast<unsigned>(message.wParam), KeyDown(VK_SHIFT), KeyDown(VK_CONTROL),
                 message.message == WM_SYSKEYDOWN || KeyDown(VK_MENU)};
    switch (ClassifyKey(key)) {
    case KeyAction::FocusNext:
        MoveFocus(false);
        return true;
    case KeyAction::FocusPrevious:
        MoveFocus(true);
        return true;
    case KeyAction::Close:
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    case KeyAction::Swallow:
        return true;
    case KeyAction::PassOn:
        return false;
    }
    return false;
}

void MainWindow::MoveFocus(bool backwards) {
    HWND focus = GetFocus();
    ControlId current = static_cast<ControlId>(focus && IsChild(window_, focus) ? GetDlgCtrlID(focus) : 0);
    ControlId next = NextTabStop(current, backwards, [this](ControlId id) {
        HWND control = Control(id);
        return IsWindowVisible(control) && IsWindowEnabled(control);
    });
    HWND target = Control(next);
    SetFocus(target);
    // As in every dialog: a field reached with the keyboard has its text selected.
    if (next == kEditBox2 || next == kEditBox3) SendMessageA(target, EM_SETSEL, 0, -1);
}
