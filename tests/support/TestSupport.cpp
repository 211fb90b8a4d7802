#include "TestSupport.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testing_support {

TempDir::TempDir(const fs::path& parent) {
    std::string pattern = (parent / "korrin-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder in " + parent.string());
    root = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
}

WorkingDirectory::WorkingDirectory(const fs::path& dir) : previous(fs::current_path()) { fs::current_path(dir); }

WorkingDirectory::~WorkingDirectory() { fs::current_path(previous); }

CapturedConsole::CapturedConsole() : previous(std::cout.rdbuf(captured.rdbuf())) {}

CapturedConsole::~CapturedConsole() { std::cout.rdbuf(previous); }

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string lfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::vector<std::string> listTree(const fs::path& root) {
    std::vector<std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        std::string relative = fs::relative(entry.path(), root).string();
        entries.push_back(entry.is_directory() ? relative + "/" : relative);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

namespace {

void limitFileSize(long long bytes) {
    if (bytes < 0)
        return;
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        _exit(126);
}

void limitMemory(long long bytes) {
    struct rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    if (bytes >= 0 && setrlimit(RLIMIT_AS, &limit) != 0)
        _exit(126);
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments, const fs::path& dir,
                      const RunOptions& options) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        if (chdir(dir.c_str()) != 0)
            _exit(127);
        limitFileSize(options.fileSizeLimit);
        limitMemory(options.memoryLimit);
        if (!options.home.empty() && setenv("HOME", options.home.c_str(), 1) != 0)
            _exit(126);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

ProgramRun runWithErrors(const std::string& program, const std::vector<std::string>& arguments, const fs::path& dir) {
    std::vector<std::string> shell{"-c", "exec \"$0\" \"$@\" 2>&1", program};
    shell.insert(shell.end(), arguments.begin(), arguments.end());
    return runProgram("/bin/sh", shell, dir);
}

std::string korrinPath(const fs::path& path) {
    std::string text = path.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::string hostText(std::string text) {
#ifndef _WIN32
    std::replace(text.begin(), text.end(), '\\', '/');
#endif
    return text;
}

std::string folderGroupSource(const std::string& folder) {
#ifdef _WIN32
    return folder + "\\\\";
#else
    return "\\" + folder + "\\";
#endif
}

std::string shownPath(const fs::path& path) {
#ifdef _WIN32
    return korrinPath(path);
#else
    std::string text = path.string();
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
#endif
}

}  // namespace testing_support
