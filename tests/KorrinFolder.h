#ifndef KORRIN_KORRIN_FOLDER_H
#define KORRIN_KORRIN_FOLDER_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace testing_support {

// The first and the last line of a conversion that writes everything.
inline const std::string started = "Creating Corvel/Corvel++ Project ...";
inline const std::string completed = "Corvel/Corvel++ Project Completed!";

// Runs the built Korrin (KORRIN_EXECUTABLE) in a fresh folder, which starts
// with an empty 'out' and is Korrin's home folder, so that no TI folder of
// the user's is found.
class KorrinFolder : public ::testing::Test {
protected:
    KorrinFolder() { std::filesystem::create_directory(dir / "out"); }

    ProgramRun run(const std::vector<std::string>& arguments, RunOptions options = {}) const {
        if (options.home.empty())
            options.home = dir.path().string();
        return runProgram(KORRIN_EXECUTABLE, arguments, dir.path(), options);
    }

    // How Korrin writes a path below the folder, given with "\" or "/".
    std::string at(const std::string& relative) const { return shownPath(dir / relative); }

    // Korrin refuses the source with the line, status 1 and nothing written.
    void expectRefusal(const std::string& source, const std::string& line) const {
        ProgramRun result = run({source, "out"});
        EXPECT_EQ(result.status, 1) << source;
        EXPECT_EQ(result.output, line + "\n") << source;
        EXPECT_TRUE(listTree(dir / "out").empty()) << source;
    }

    TempDir dir;
};

}  // namespace testing_support

#endif
