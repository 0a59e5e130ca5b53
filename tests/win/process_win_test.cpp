#include <gtest/gtest.h>

#include "app/process_win.h"
#include "app/run_directory.h"
#include "win_test_util.h"

TEST(ModuleFilePath, GrowsItsBufferUntilTheWholePathFits) {
    char reference[4096];
    DWORD length = GetModuleFileNameA(nullptr, reference, sizeof(reference));
    ASSERT_GT(length, 8u);
    EXPECT_EQ(std::string(reference, length), Bytes(ModuleFilePath()));
    EXPECT_EQ(std::string(reference, length), Bytes(ModuleFilePath(4)));  // starts far too small
    std::string directory = Bytes(RunDirectoryFromModulePath(ModuleFilePath()));
    EXPECT_EQ(std::string(reference, length).substr(0, directory.size() + 1), directory + "\\");
}

// Everything else here assumes what a Chinese Windows has: the ANSI code page 936.
TEST(Environment, AnsiCodePageIsGbk) { EXPECT_EQ(936u, GetACP()); }
