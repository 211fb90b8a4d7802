#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "KorrinFolder.h"
#include "TestSupport.h"

// The open analysers, run on what "-cdb" writes. Each test is skipped when
// its tool was not found when the tests were configured.
namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

// Runs program with its standard error joined to its standard output.
ProgramRun runWithErrors(const std::string& program, const Lines& arguments, const fs::path& dir) {
    Lines shell{"-c", "exec \"$0\" \"$@\" 2>&1", program};
    shell.insert(shell.end(), arguments.begin(), arguments.end());
    return runProgram("/bin/sh", shell, dir);
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::string::size_type at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

class Analysers : public KorrinFolder {
protected:
    // Converts the bundled example with "-cdb" into 'out'.
    void convertExample() {
        fs::copy(KORRIN_EXAMPLES "/app", dir / "app", fs::copy_options::recursive);
        ASSERT_EQ(run({"app/app.pjt", "out", "-cdb"}).status, 0);
    }
};

TEST_F(Analysers, CppcheckFindsTheDefectOnlyWhereItsConfigurationBuildsIt) {
    if (std::string(CPPCHECK_PROGRAM).empty())
        GTEST_SKIP() << "no cppcheck";
    convertExample();
    const std::string defect = "trace.c:13:12: error: Array 'history[4]' accessed at index 4, which is out of bounds.";
    ProgramRun debug =
        runWithErrors(CPPCHECK_PROGRAM, {"--project=out/app/Debug/compile_commands.json", "-q"}, dir.path());
    EXPECT_EQ(debug.status, 0) << debug.output;
    EXPECT_NE(debug.output.find(defect), std::string::npos) << debug.output;
    ProgramRun release =
        runWithErrors(CPPCHECK_PROGRAM, {"--project=out/app/Release/compile_commands.json", "-q"}, dir.path());
    EXPECT_EQ(release.status, 0) << release.output;
    EXPECT_EQ(release.output, "");
}

TEST_F(Analysers, ClangTidyTakesEveryArgumentAndFindsTheProjectsHeaders) {
    if (std::string(CLANG_TIDY_PROGRAM).empty())
        GTEST_SKIP() << "no clang-tidy";
    convertExample();
    // trace.c includes "Board.h", which is board.h on disk.
    ProgramRun result = runWithErrors(CLANG_TIDY_PROGRAM,
                                      {"-p", "out/app/Debug", "--vfsoverlay=out/app/Debug/include-overlay.yaml",
                                       "app/src/trace.c"},
                                      dir.path());
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(count(result.output, "error:"), 0u) << result.output;
    EXPECT_EQ(count(result.output, "unknown argument"), 0u) << result.output;
    EXPECT_NE(result.output.find("array index 4 is past the end of the array"), std::string::npos) << result.output;
}

TEST_F(Analysers, ClangParsesEveryConfigurationOfARealTree) {
    const fs::path project = fs::path(KORRIN_CORPUS) / "trees/TI_F28xxx_SysSW/FlashingLeds/FlashingLeds.pjt";
    if (std::string(CLANG_PROGRAM).empty() || !fs::exists(project))
        GTEST_SKIP() << "no clang or no " << project;
    ASSERT_EQ(run({project.string(), "out", "-cdb"}).status, 0);
    std::size_t entries = 0;
    for (const fs::directory_entry& configuration : fs::directory_iterator(dir / "out/FlashingLeds")) {
        const fs::path database = configuration.path() / "compile_commands.json";
        if (!fs::exists(database))
            continue;
        for (const nlohmann::json& entry : nlohmann::json::parse(readFile(database))) {
            ++entries;
            // The driver named first is only a name: clang stands for it.
            Lines arguments{"-fsyntax-only"};
            for (std::size_t i = 1; i < entry["arguments"].size(); ++i)
                arguments.push_back(entry["arguments"][i]);
            ProgramRun result = runWithErrors(CLANG_PROGRAM, arguments, entry["directory"].get<std::string>());
            EXPECT_EQ(result.status, 0) << entry["file"] << "\n" << result.output;
            EXPECT_EQ(count(result.output, "error:"), 0u) << entry["file"] << "\n" << result.output;
        }
    }
    EXPECT_EQ(entries, 44u);
}

}  // namespace
