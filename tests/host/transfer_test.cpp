#include <gtest/gtest.h>

#include "fakes.h"
#include "text/texts.h"

namespace {

class TransferTest : public ::testing::Test {
protected:
    Journal journal;
    FakeFields fields{journal};
    FakeCopier copier{journal};
    FakePaths paths;
    FakeDesktop desktop{journal};
    TransferPorts ports{fields, copier, paths, desktop};

    std::string Failed(const char* failedText, const char* reason) {
        return std::string("message ") + failedText + "\n" + reason;
    }
};

}  // namespace

TEST_F(TransferTest, BackupCopiesGameConfigOntoBackupAndRestoreTheOtherWay) {
    fields.Text2() = "D:\\Game\\Config";
    fields.Text3() = "E:\\Saves";
    Backup(ports);
    Restore(ports);
    EXPECT_EQ((Journal{"copy [D:\\Game\\Config] -> [E:\\Saves]", std::string("message ") + texts::kBackupSucceeded,
                       "copy [E:\\Saves] -> [D:\\Game\\Config]", std::string("message ") + texts::kRestoreSucceeded}),
              journal);
    // Neither field is written by a command.
    EXPECT_EQ("D:\\Game\\Config", fields.Text2());
    EXPECT_EQ("E:\\Saves", fields.Text3());
}

TEST_F(TransferTest, TextsReachTheCopyExactlyAsTyped) {
    fields.Text2() = "  D:\\Game\\Config\\ ";
    fields.Text3() = "saves\\";
    Backup(ports);
    EXPECT_EQ("copy [  D:\\Game\\Config\\ ] -> [saves\\]", journal.at(0));
}

TEST_F(TransferTest, AFailedCopyIsReportedInTheUsersWords) {
    fields.Text2() = "D:\\missing";
    fields.Text3() = "E:\\Saves";
    struct Case {
        CopyOutcome::Kind kind;
        uint32_t code;
        std::string description, reason;
    } cases[] = {
        {CopyOutcome::Failed, 0x800A004C, "the component's words", "the component's words"},
        {CopyOutcome::Failed, 0x800A004C, "", texts::kReasonPathNotFound},
        {CopyOutcome::Failed, 0x800A0046, "", texts::kReasonPermissionDenied},
        {CopyOutcome::Failed, 0x80004005, "", std::string(texts::kReasonErrorCode) + "0x80004005"},
        {CopyOutcome::ComponentMissing, 0x800401F3, "", texts::kReasonNoComponent},
        {CopyOutcome::ComponentMissing, 0x800401F3, "Invalid class string",
         std::string(texts::kReasonNoComponent) + "\nInvalid class string"},
    };
    for (const Case& c : cases) {
        journal.clear();
        copier.outcome.kind = c.kind;
        copier.outcome.code = c.code;
        copier.outcome.description = T(c.description);
        Restore(ports);
        ASSERT_EQ(2u, journal.size());
        EXPECT_EQ(Failed(texts::kRestoreFailed, c.reason.c_str()), journal[1]);
    }
}

TEST_F(TransferTest, RefusesWhatCannotBeCopiedWithoutTryingAndLosesNothing) {
    struct Case {
        std::string gameConfig, backup;
        const char* reason;
    } cases[] = {
        {"", "E:\\Saves", texts::kReasonEmptyPath},
        {"D:\\Game", "", texts::kReasonEmptyPath},
        {"", "", texts::kReasonEmptyPath},
        {"D:\\Game", "d:\\game\\", texts::kReasonSameFolder},
        {"D:\\Game", "D:\\Game\\Backup", texts::kReasonDestinationInside},
        {"D:\\Game\\", "d:/game/x/y", texts::kReasonDestinationInside},
        {"Game", "C:\\run\\Game\\Saves", texts::kReasonDestinationInside},
        {"D:\\", "D:\\Saves", texts::kReasonDestinationInside},
    };
    for (const Case& c : cases) {
        journal.clear();
        fields.Text2() = c.gameConfig;
        fields.Text3() = c.backup;
        Backup(ports);
        EXPECT_EQ(Journal{Failed(texts::kBackupFailed, c.reason)}, journal) << c.gameConfig << " -> " << c.backup;
        EXPECT_EQ(c.gameConfig, fields.Text2());
        EXPECT_EQ(c.backup, fields.Text3());
    }
}

TEST(RelatePaths, ComparesWholeComponentsIgnoringAsciiCase) {
    const std::string trail5C = "\x81\x5C";  // a GBK character whose second byte is '\'
    struct Case {
        std::string source, destination;
        PathRelation relation;
    } cases[] = {
        {"D:\\Game", "D:\\Game", PathRelation::Same},
        {"D:\\Game\\", "D:\\GAME", PathRelation::Same},
        {"D:\\Game", "D:\\Game\\Sub", PathRelation::DestinationInside},
        {"D:\\Game", "D:\\GameSaves", PathRelation::Apart},
        {"D:\\Game\\Sub", "D:\\Game", PathRelation::Apart},
        {"D:\\Game", "E:\\Game", PathRelation::Apart},
        {"\\\\srv\\share", "\\\\SRV\\share\\x", PathRelation::DestinationInside},
        // 乗 ends in 5C: "D:\乗" is not "D:\" followed by a separator.
        {"D:\\" + trail5C, "D:\\" + trail5C + "\\x", PathRelation::DestinationInside},
        {"D:\\\x81", "D:\\" + trail5C, PathRelation::Apart},
        // Lower-casing must not touch trail bytes: 81 41 and 81 61 are different characters.
        {"D:\\\x81\x41", "D:\\\x81\x61", PathRelation::Apart},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.relation, RelatePaths(T(c.source), T(c.destination))) << c.source << " | " << c.destination;
    }
    // The code page of the paths decides what a separator is: é (E9) then a backslash.
    auto singleByte = [](char) { return false; };
    EXPECT_EQ(PathRelation::DestinationInside, RelatePaths(T("C:\\caf\xE9"), T("C:\\caf\xE9\\x"), singleByte));
    EXPECT_EQ(PathRelation::Same, RelatePaths(T("C:\\caf\xE9\\"), T("C:\\CAF\xE9"), singleByte));
}
