#include <gtest/gtest.h>

#include <cstring>

#include "fakes.h"

namespace {

class ScriptedConversion : public PathConversion {
public:
    ScriptedConversion(bool succeeds, std::string path) : succeeds_(succeeds), path_(std::move(path)) {}
    bool Convert(char* buffer) override {
        ++calls;
        // The buffer comes prepared: 260 spaces and a zero.
        EXPECT_EQ(std::string(260, ' '), std::string(buffer));
        if (succeeds_) std::memcpy(buffer, path_.c_str(), path_.size() + 1);
        return succeeds_;
    }
    int calls = 0;

private:
    bool succeeds_;
    std::string path_;
};

// The display-name buffer as the dialog leaves it: the name, a zero, then spaces.
std::string DisplayBuffer(const std::string& name) {
    std::string buffer(260, ' ');
    buffer.replace(0, name.size(), name);
    if (name.size() < 260) buffer[name.size()] = '\0';
    buffer.push_back('\0');
    return buffer;
}

}  // namespace

TEST(CleanPickedFolder, TurnsWhatTheDialogGaveIntoAFolderPath) {
    const std::string wide = "\xA1\xA1";  // full-width space
    const std::string untouched(260, ' ');
    struct Case {
        const char* name;
        bool listReturned;
        std::string displayName;  // as written into the buffer; "untouched" means not written
        bool converts;
        std::string converted;
        std::string result;
        int conversions;
    } cases[] = {
        {"ordinary folder", true, "Config", true, "D:\\Game\\Config", "D:\\Game\\Config", 1},
        {"drive root", true, "Local Disk (D:)", true, "D:\\", "D:", 1},
        {"conversion fails", true, "Control Panel", false, "", "", 1},
        {"? inside the name", true, "a?b", true, "D:\\a?b", "", 0},
        {"? as trail byte is no ?", true, "\x81?x", true, "D:\\\x81?x", "D:\\\x81?x", 1},
        {"cancel", false, "untouched", false, "", "", 0},
        {"no list: network place", false, "  " + wide + "Server" + wide + " ", false, "", "\\\\Server", 0},
        {"no list: blanks only", false, " " + wide + "  " + wide, false, "", "", 0},
        {"no list: leading tab kept", false, "\tShare", false, "", "\\\\\tShare", 0},
        {"no list: ? in name", false, "Who?", false, "", "", 0},
    };
    for (const Case& c : cases) {
        std::string buffer = c.displayName == "untouched" ? untouched + '\0' : DisplayBuffer(c.displayName);
        ScriptedConversion conversion(c.converts, c.converted);
        Text result = CleanPickedFolder(c.listReturned, buffer.data(), conversion);
        EXPECT_EQ(c.result, Bytes(result)) << c.name;
        EXPECT_EQ(c.conversions, conversion.calls) << c.name;
    }
}

TEST(BrowseForField, WritesAChosenFolderAndLeavesTheFieldOnCancel) {
    Journal journal;
    FakeFields fields(journal);
    FakePicker picker(journal);
    fields.Text2() = "D:\\Old";
    fields.Text3() = "E:\\Saves";

    picker.result = "D:\\Old";  // equal to the field: still written, so still stored
    BrowseForField(fields, picker, Field::GameConfig);
    picker.result = "";  // Cancel
    BrowseForField(fields, picker, Field::Backup);

    EXPECT_EQ((Journal{"pick title=D:\\Old", "field 2=D:\\Old", "pick title=E:\\Saves"}), journal);
    EXPECT_EQ(&fields, picker.lastOwner);
    EXPECT_EQ("E:\\Saves", fields.Text3());
}
