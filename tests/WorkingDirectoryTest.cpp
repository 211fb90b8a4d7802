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
    std::string expected = shownPath(deep / "a.c");
    ASSERT_GT(expected.size(), 500u);
    EXPECT_NE(readFile(deep / "out/app.prj").find("\r\n" + expected + "\r\n"), std::string::npos);
}

TEST(WorkingDirectory, RemovedUnderneathMattersOnlyToRelativePaths) {
    TempDir dir;
    fs::create_directory(dir / "out");
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    const std::string project = (dir / "app.pjt").string();
    const std::string out = (dir / "out").string();
    // Run in a folder that is removed before Korrin starts.
    auto runInRemovedFolder = [&](const std::vector<std::string>& arguments) {
        std::vector<std::string> shell{"-c", "mkdir gone && cd gone && rmdir ../gone && exec \"$0\" \"$@\"",
                                       KORRIN_EXECUTABLE};
        shell.insert(shell.end(), arguments.begin(), arguments.end());
        return runProgram("/bin/sh", shell, dir.path());
    };
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"app.pjt", out},
                                                      {project, "out"}, {project, out, "-ap", "tpl.p_a"}}) {
        ProgramRun result = runInRemovedFolder(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0];
        EXPECT_EQ(result.output, "Could not read the working directory\n");
    }
    ProgramRun result = runInRemovedFolder({project, out, "-pn", "named"});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_TRUE(fs::is_regular_file(dir / "out/named.prj"));
}

}  // namespace
