#include <gtest/gtest.h>

#include <string>

#include "app/run_directory.h"
#include "text/gbk.h"
#include "text/texts.h"

namespace {
std::string Bytes(const Text& text) { return std::string(text.c_str(), text.size()); }
Text T(const std::string& bytes) { return Text(bytes.data(), bytes.size()); }
// 乗 is 81 5C in GBK: its second byte looks like a backslash.
const std::string kTrailBackslash = "\x81\x5C";
// A lead byte followed by 3F: the scans take the pair as one character, never as a "?".
const std::string kTrailQuestion = "\x81\x3F";
}  // namespace

TEST(Text, KeepsEveryByteIncludingZeroesAndEmptyIsNeverNull) {
    Text empty;
    EXPECT_STREQ("", empty.c_str());
    EXPECT_TRUE(Text(nullptr).empty());
    Text withZero("a\0b", 3);
    EXPECT_EQ(3u, withZero.size());
    EXPECT_EQ(std::string("a\0b", 3), Bytes(withZero));
    Text moved(static_cast<Text&&>(withZero));
    EXPECT_EQ(3u, moved.size());
    EXPECT_EQ(Text("ab") + Text("cd"), Text("abcd"));
    EXPECT_EQ(Text("abc").Left(2), Text("ab"));
    EXPECT_EQ(Text("abc").Left(9), Text("abc"));
    Text grown;
    for (int i = 0; i < 1000; ++i) grown.Append("xy");
    EXPECT_EQ(2000u, grown.size());
}

TEST(ProgramTexts, AreGbkBytes) {
    struct Case {
        const char* text;
        std::string gbk;
    } cases[] = {
        {texts::kGameConfigKey, "\xD3\xCE\xCF\xB7\xC5\xE4\xD6\xC3"},
        {texts::kBackupKey, "\xB1\xA3\xB4\xE6\xC2\xB7\xBE\xB6"},
        {texts::kMessageTitle, "\xCC\xE1\xCA\xBE"},
        {texts::kBackupSucceeded, "\xB1\xB8\xB7\xDD\xB3\xC9\xB9\xA6"},
        {texts::kRestoreSucceeded, "\xBB\xD6\xB8\xB4\xB3\xC9\xB9\xA6"},
        {texts::kBackupCaption, "\xB1\xB8\xB7\xDD"},
        {texts::kRestoreCaption, "\xBB\xD6\xB8\xB4"},
        {texts::kBrowseCaption, "\xE4\xAF\xC0\xC0"},
        {texts::kGroupCaption, "\xC5\xE4\xD6\xC3"},
        {texts::kGameConfigLabel, "\xD3\xCE\xCF\xB7\xC5\xE4\xD6\xC3:"},
        {texts::kBackupLabel, "\xB1\xA3\xB4\xE6\xC2\xB7\xBE\xB6:"},
        {texts::kBackupFailed, "\xB1\xB8\xB7\xDD\xCA\xA7\xB0\xDC"},
        {texts::kRestoreFailed, "\xBB\xD6\xB8\xB4\xCA\xA7\xB0\xDC"},
        {texts::kGameConfigSuffix, "\\Game\\Config"},
        {texts::kInstallPathRegistryPath, "Software\\Tencent\\LOL\\InstallPath"},
        {texts::kSettingsFileName, "\\config.ini"},
        {texts::kSettingsSection, "config"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.gbk, std::string(c.text)) << c.gbk;
}

TEST(GbkScan, FindsOnlyCharactersOfTheirOwn) {
    EXPECT_EQ(kNotFound, FindLastChar(T("abc"), '\\'));
    EXPECT_EQ(3u, FindLastChar(T("a\\b\\c"), '\\'));
    // The trail byte 5C of the last character is not a backslash.
    EXPECT_EQ(2u, FindLastChar(T("C:\\" + kTrailBackslash), '\\'));
    EXPECT_FALSE(ContainsChar(T("x" + kTrailQuestion + "y"), '?'));
    EXPECT_TRUE(ContainsChar(T("x" + kTrailQuestion + "?"), '?'));
    // A lead byte at the very end stands alone.
    EXPECT_EQ(1u, FindLastChar(T("a\\\x81"), '\\'));
}

TEST(GbkScan, TrimsSpacesAndFullWidthSpacesAtBothEndsOnly) {
    const std::string wide = "\xA1\xA1";
    struct Case {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"  a b  ", "a b"},
        {wide + " a" + wide + "b " + wide, "a" + wide + "b"},
        {wide + wide + "  ", ""},
        {"\ta\t", "\ta\t"},
        // A1 as the trail byte of another character is not half a blank.
        {"\xB0\xA1\xA1\xA1", "\xB0\xA1"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.out, Bytes(TrimBlanks(T(c.in)))) << c.in;
}

TEST(GbkScan, FoldsAsciiLettersButNotTrailBytes) {
    // 81 41 is one character whose trail byte happens to be 'A'.
    EXPECT_EQ(
        "c:\\games\x81\x41"
        "b",
        Bytes(FoldAsciiCase(T("C:\\Games\x81\x41"
                              "B"))));
}

TEST(RunDirectory, IsTheExecutablesFolderWithoutTrailingBackslash) {
    struct Case {
        std::string modulePath, runDirectory;
    } cases[] = {
        {"C:\\Tools\\Vornask.exe", "C:\\Tools"},
        {"C:\\Vornask.exe", "C:"},
        {"\\\\server\\share\\Vornask.exe", "\\\\server\\share"},
        {"D:\\" + kTrailBackslash + "\\Vornask.exe", "D:\\" + kTrailBackslash},
        {"D:\\dir\\" + kTrailBackslash + "x.exe", "D:\\dir"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.runDirectory, Bytes(RunDirectoryFromModulePath(T(c.modulePath)))) << c.modulePath;
    // On a system with a single-byte code page, E9 is the letter é and the 5C after it a backslash.
    auto singleByte = [](char) { return false; };
    EXPECT_EQ("C:\\caf\xE9", Bytes(RunDirectoryFromModulePath(T("C:\\caf\xE9\\Vornask.exe"), singleByte)));
}
