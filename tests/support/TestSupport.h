#ifndef KORRIN_TEST_SUPPORT_H
#define KORRIN_TEST_SUPPORT_H

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder below parent, removed with everything in it when the
// object goes (at the end of a test).
class TempDir {
public:
    explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return root; }
    std::filesystem::path operator/(const std::string& relative) const { return root / relative; }

private:
    std::filesystem::path root;
};

// Makes dir the working directory for the lifetime of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& dir);
    ~WorkingDirectory();

private:
    std::filesystem::path previous;
};

// Collects what is printed on std::cout for the lifetime of the object.
class CapturedConsole {
public:
    CapturedConsole();
    ~CapturedConsole();
    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf* previous;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// Lines joined with CR LF, each one ended by it.
std::string crlfLines(const std::vector<std::string>& lines);
// Lines joined with LF, each one ended by it.
std::string lfLines(const std::vector<std::string>& lines);

// Every file and folder below root, relative, sorted; folders end with "/".
std::vector<std::string> listTree(const std::filesystem::path& root);

struct ProgramRun {
    int status;
    std::string output;
};
struct RunOptions {
    // Bytes a file the program writes may grow to; negative for no limit.
    // SIGXFSZ is ignored then, so a write past the limit fails instead of
    // killing the program.
    long long fileSizeLimit = -1;
    // Bytes of address space the program may take; negative for no limit.
    long long memoryLimit = -1;
    // The program's HOME, where it looks for a user's TI folder; as the
    // tests' own when empty.
    std::string home;
};
// Runs program with the arguments in dir and collects its standard output.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& dir, const RunOptions& options = {});

// Runs program as runProgram does, its standard error joined to its standard output.
ProgramRun runWithErrors(const std::string& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& dir);

// A path in Korrin's own notation, as Korrin on Windows writes it: every
// "/" becomes "\".
std::string korrinPath(const std::filesystem::path& path);

// Korrin's text of Windows, whose every "\" separates the folders of a
// path, as Korrin on this host writes it: with "/" but on Windows.
std::string hostText(std::string text);

// The source folder of the folder group of a chain of folders ('C:\ti',
// without a "\" at either end) in Korrin's notation: the chain and two "\"
// on Windows; elsewhere, where a chain is mirrored from the one root, "\",
// the chain and one "\".
std::string folderGroupSource(const std::string& folder);

// How Korrin on this host prints and writes a path: with "\" on Windows,
// with "/" elsewhere, whichever separator the path was given with.
std::string shownPath(const std::filesystem::path& path);

}  // namespace testing_support

#endif
