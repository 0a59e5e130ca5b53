// What each bound event of the main window runs. The window adapter delivers the
// events; everything here is plain logic over the ports.
#pragma once
#include "app/fields.h"
#include "app/layout.h"
#include "picker/picker.h"
#include "settings/settings.h"
#include "transfer/transfer.h"

struct AppPorts {
    Fields& fields;
    Settings& settings;
    RegistryApi& registry;
    RegistryApi::Key currentUser;
    FolderCopier& copier;
    PathResolver& paths;
    Desktop& desktop;
    FolderPicker& picker;
};

class Handlers {
public:
    explicit Handlers(const AppPorts& ports) : ports_(ports) {}
    // The created handling after the focus step, which is the window's own.
    void Created();
    void FieldChanged(Field field);
    void Clicked(ControlId button);

private:
    AppPorts ports_;
};
