#ifndef KORRIN_WINE_SESSION_H
#define KORRIN_WINE_SESSION_H

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"

// The Wine prefix that every test of the run shares: created before the
// first test, removed after the last. The Korrin.exe under test, named by the
// environment variable KORRIN_WINDOWS_EXECUTABLE, is copied to 'C:\Korrin.exe',
// a name that command lines hold without quotes; KORRIN_WINE names the Wine
// loader that runs it.
namespace wine_session {

// The prefix's drive C.
std::filesystem::path driveC();

// Makes a drive letter ('d') name folder, replacing any earlier mapping.
void mapDrive(char letter, const std::filesystem::path& folder);

// How Windows programs under Wine name a Linux path: on drive Z.
std::string onDriveZ(const std::filesystem::path& path);

// Runs 'C:\Korrin.exe' with the arguments in dir (on the drive that Wine
// maps dir to).
testing_support::ProgramRun runKorrinExe(const std::vector<std::string>& arguments,
                                         const std::filesystem::path& dir);

// Runs a command line of the Windows command interpreter in dir; its words
// are joined with spaces and must not hold any.
testing_support::ProgramRun runCommandLine(const std::vector<std::string>& words, const std::filesystem::path& dir);

}  // namespace wine_session

#endif
