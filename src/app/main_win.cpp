// Start-up and exit: OLE, the run directory, the window and its message loop.
#include <windows.h>

#include "app/handlers.h"
#include "app/main_window_win.h"
#include "app/process_win.h"
#include "app/run_directory.h"
#include "picker/picker_win.h"
#include "settings/settings_win.h"
#include "transfer/transfer_win.h"
#include "win/convert.h"
#include "win/unique.h"

namespace {

class EventsToHandlers : public WindowEvents {
public:
    explicit EventsToHandlers(Handlers& handlers) : handlers_(handlers) {}
    void Created() override { handlers_.Created(); }
    void FieldChanged(Field field) override { handlers_.FieldChanged(field); }
    void Clicked(ControlId button) override { handlers_.Clicked(button); }

private:
    Handlers& handlers_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OleScope ole;
    // The path is in the system's ANSI code page, whatever the language of our texts.
    Text runDirectory = RunDirectoryFromModulePath(ModuleFilePath(), IsAnsiLeadByte);
    // "C:" alone would name the drive's current directory, not its root.
    SetCurrentDirectoryA(runDirectory.size() == 2 ? (runDirectory + Text("\\")).c_str() : runDirectory.c_str());

    MainWindow window;
    ProfileFunctions profile;
    Settings settings(profile, runDirectory);
    RegistryFunctions registry;
    FileSystemObjectCopier copier;
    FullPathResolver paths;
    MessageBoxDesktop desktop;
    ShellFolderPicker picker;
    Handlers handlers(AppPorts{window, settings, registry, CurrentUserKey(), copier, paths, desktop, picker});
    EventsToHandlers events(handlers);

    if (window.Build(instance, events)) {
        window.DeliverCreated();
        window.Show();
        window.RunMessageLoop();
    }
    return 0;
}
