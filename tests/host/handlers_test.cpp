#include <gtest/gtest.h>

#include "app/handlers.h"
#include "fakes.h"
#include "text/texts.h"

// The event wiring: each bound event runs its handling and nothing else.
TEST(Handlers, WireEachEventToItsHandling) {
    Journal journal;
    FakeFields fields(journal);
    FakeProfile profile(journal);
    Settings settings(profile, T("C:\\run"));
    FakeRegistry registry(journal);
    FakeCopier copier(journal);
    FakePaths paths;
    FakeDesktop desktop(journal);
    FakePicker picker(journal);
    Handlers handlers(AppPorts{fields, settings, registry, registry.expectedRoot, copier, paths, desktop, picker});
    fields.onChange = [&](Field field) { handlers.FieldChanged(field); };
    registry.values["InstallPath"] = {RegistryApi::kString, "D:\\G"};

    handlers.Created();
    EXPECT_EQ("D:\\G\\Game\\Config", fields.Text2());
    EXPECT_EQ("D:\\G\\Game\\Config",
              profile.files["C:\\run\\config.ini"][std::string("config/") + texts::kGameConfigKey]);

    fields.Text3() = "E:\\Saves";
    struct Case {
        ControlId button;
        std::string first;
    } cases[] = {
        {kButton1, "copy [D:\\G\\Game\\Config] -> [E:\\Saves]"},
        {kButton2, "copy [E:\\Saves] -> [D:\\G\\Game\\Config]"},
        {kButton3, "pick title=D:\\G\\Game\\Config"},
        {kButton4, "pick title=E:\\Saves"},
    };
    for (const Case& c : cases) {
        journal.clear();
        handlers.Clicked(c.button);
        ASSERT_FALSE(journal.empty());
        EXPECT_EQ(c.first, journal.front()) << c.button;
    }
    journal.clear();
    picker.result = "F:\\New";
    handlers.Clicked(kButton4);
    EXPECT_EQ(
        (Journal{"pick title=E:\\Saves", "field 3=F:\\New", std::string("store ") + texts::kBackupKey + "=F:\\New"}),
        journal);
    journal.clear();
    handlers.Clicked(kGroupBox1);
    EXPECT_TRUE(journal.empty());
}
