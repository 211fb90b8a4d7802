#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

TEST(WorkingDirectory, LongerThanAnyFixedBuffer) {
    TempDir dir;
    fs::path deep = dir.path();
    for (int level = 0; level < 12; ++level)
        deep /= std::string(40, 'a' + level);
    fs::create_directories(deep / "out");
    writeFile(deep / "app.pjt", "Source=\"a.c\"\n");
    ProgramRun result = runProgram(KORRIN_EXECUTABLE, {"app.pjt", "out"}, deep);
    EXPECT_EQ(result.status, 0);
    std::string expected = korrinPath(deep);
    ASSERT_GT(expected.size(), 500u);
    EXPECT_NE(readFile(deep / "out/app.prj").find("\r\n" + expected + "\\a.c\r\n"), std::string::npos);
}

TEST(WorkingDirectory, RemovedUnderneathIsReported) {
    TempDir dir;
    const std::string script = "mkdir gone && cd gone && rmdir ../gone && exec \"$0\" a.pjt out";
    ProgramRun result = runProgram("/bin/sh", {"-c", script, KORRIN_EXECUTABLE}, dir.path());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "Could not read the working directory\n");
}

}  // namespace
