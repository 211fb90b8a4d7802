#include "WineSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace fs = std::filesystem;
using testing_support::ProgramRun;
using testing_support::runProgram;
using testing_support::TempDir;

namespace wine_session {
namespace {

// What the test names in the environment: the Korrin.exe under test and the
// Wine loader for its bitness.
std::string fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Creating a prefix takes seconds, so the whole run shares one.
class Session : public ::testing::Environment {
public:
    void SetUp() override {
        wine = fromEnvironment("KORRIN_WINE");
        ASSERT_FALSE(wine.empty()) << "KORRIN_WINE names no Wine loader";
        folder = std::make_unique<TempDir>();
        setenv("WINEPREFIX", prefix().c_str(), 1);
        setenv("WINEDEBUG", "-all", 1);
        // No offers to install the .NET and HTML runtimes, no windows at all.
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        unsetenv("DISPLAY");
        ASSERT_EQ(runProgram(wine, {"wineboot", "-i"}, folder->path()).status, 0) << "wineboot failed";
        std::string executable = fromEnvironment("KORRIN_WINDOWS_EXECUTABLE");
        ASSERT_FALSE(executable.empty()) << "KORRIN_WINDOWS_EXECUTABLE names no Korrin.exe to test";
        fs::copy_file(executable, prefix() / "drive_c" / "Korrin.exe");
    }

    void TearDown() override {
        runProgram(WINESERVER_PROGRAM, {"-k"}, folder->path());
        folder.reset();
    }

    fs::path prefix() const { return folder->path() / "prefix"; }

    std::string wine;

private:
    std::unique_ptr<TempDir> folder;
};

Session* const session = static_cast<Session*>(::testing::AddGlobalTestEnvironment(new Session));

}  // namespace

fs::path driveC() { return session->prefix() / "drive_c"; }

void mapDrive(char letter, const fs::path& folder) {
    fs::path link = session->prefix() / "dosdevices" / (std::string(1, letter) + ":");
    fs::remove(link);
    fs::create_directory_symlink(folder, link);
}

std::string onDriveZ(const fs::path& path) {
    return "Z:" + testing_support::korrinPath(fs::canonical(path));
}

ProgramRun runKorrinExe(const std::vector<std::string>& arguments, const fs::path& dir) {
    std::vector<std::string> wineArguments{"C:\\Korrin.exe"};
    wineArguments.insert(wineArguments.end(), arguments.begin(), arguments.end());
    return runProgram(session->wine, wineArguments, dir);
}

ProgramRun runCommandLine(const std::vector<std::string>& words, const fs::path& dir) {
    std::vector<std::string> wineArguments{"cmd", "/c"};
    wineArguments.insert(wineArguments.end(), words.begin(), words.end());
    return runProgram(session->wine, wineArguments, dir);
}

}  // namespace wine_session
