// CopyFolderTree over the real Scripting.FileSystemObject.
#include <gtest/gtest.h>

#include "transfer/transfer_win.h"
#include "win/unique.h"
#include "win_test_util.h"

namespace {

class CopyTest : public ::testing::Test {
protected:
    OleScope ole;
    FileSystemObjectCopier copier;
    std::string root = FreshFolder("copy");
};

}  // namespace

TEST_F(CopyTest, CopiesFilesAndSubfoldersWithGbkNames) {
    std::string source = root + "\\\xD3\xCE\xCF\xB7\x81\x5C";  // a name whose last byte is 5C
    std::string destination = root + "\\backup";
    CreateDirectoryA(source.c_str(), nullptr);
    CreateDirectoryA((source + "\\sub").c_str(), nullptr);
    WriteWholeFile(source + "\\game.cfg", "volume=3");
    WriteWholeFile(source + "\\sub\\\xC5\xE4\xD6\xC3.ini", "k=v");

    CopyOutcome outcome = copier.CopyFolderTree(T(source), T(destination));
    EXPECT_EQ(CopyOutcome::Copied, outcome.kind) << std::hex << outcome.code << " " << Bytes(outcome.description);
    EXPECT_EQ("volume=3", ReadWholeFile(destination + "\\game.cfg"));
    EXPECT_EQ("k=v", ReadWholeFile(destination + "\\sub\\\xC5\xE4\xD6\xC3.ini"));

    // Once more onto the same folder: files are overwritten.
    WriteWholeFile(source + "\\game.cfg", "volume=9");
    DeleteFileA((destination + "\\sub\\\xC5\xE4\xD6\xC3.ini").c_str());
    RemoveDirectoryA((destination + "\\sub").c_str());
    outcome = copier.CopyFolderTree(T(source), T(destination));
    EXPECT_EQ(CopyOutcome::Copied, outcome.kind) << std::hex << outcome.code;
    EXPECT_EQ("volume=9", ReadWholeFile(destination + "\\game.cfg"));
}

TEST_F(CopyTest, AMissingSourceIsAFailureWithAReason) {
    CopyOutcome outcome = copier.CopyFolderTree(T(root + "\\missing"), T(root + "\\backup"));
    EXPECT_EQ(CopyOutcome::Failed, outcome.kind);
    EXPECT_EQ(0x800A004Cu, outcome.code);
    EXPECT_FALSE(Bytes(DescribeCopyFailure(outcome)).empty());
    EXPECT_EQ("<missing>", ReadWholeFile(root + "\\backup"));
}

TEST(FullPathResolver, ResolvesAgainstTheCurrentDirectory) {
    std::string folder = FreshFolder("cwd");
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    FullPathResolver paths;
    EXPECT_EQ(folder + "\\saves", Bytes(paths.FullPath(T("saves"))));
    EXPECT_EQ("C:\\x\\y", Bytes(paths.FullPath(T("C:\\x\\.\\y"))));
}
