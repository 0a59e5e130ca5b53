#include "app/handlers.h"

void Handlers::Created() {
    SettingsPorts settings{ports_.fields, ports_.settings, ports_.registry, ports_.currentUser};
    LoadSettings(settings);
}

void Handlers::FieldChanged(Field field) {
    switch (field) {
    case Field::GameConfig:
        StoreGameConfigFolder(ports_.fields, ports_.settings);
        break;
    case Field::Backup:
        StoreBackupFolder(ports_.fields, ports_.settings);
        break;
    }
}

void Handlers::Clicked(ControlId button) {
    TransferPorts transfer{ports_.fields, ports_.copier, ports_.paths, ports_.desktop};
    switch (button) {
    case kButton1:
        Backup(transfer);
        break;
    case kButton2:
        Restore(transfer);
        break;
    case kButton3:
        BrowseForField(ports_.fields, ports_.picker, Field::GameConfig);
        break;
    case kButton4:
        BrowseForField(ports_.fields, ports_.picker, Field::Backup);
        break;
    default:
        break;
    }
}
