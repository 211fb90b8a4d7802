#ifndef KORRIN_COMPILER_COMMAND_LINE_H
#define KORRIN_COMPILER_COMMAND_LINE_H

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What command lines of TI's compilers give: include folders and
// definitions as written, the other options in their long form.
struct CompilerCommandLine {
    std::vector<std::string> includePaths;  // of "-I", "--include_path="
    std::vector<std::string> defines;       // of "-D", "--define="
    std::vector<std::string> preincludes;   // of "--preinclude=", as written
    std::vector<std::string> options;
};

// How a file that a command line names is found: the path of what is written.
using Locate = std::function<std::string(const std::string&)>;

// The words of a command line: split at blanks, except where double quotes
// hold them together, and at every line end; the quotes stay.
std::vector<std::string> commandWords(std::string_view text);

// Adds what the command line text gives to line. An option file
// ("--cmd_file=F", "-@F", "@F"), found at the path that locate gives for
// what is written, is read in its place when it exists and was not read
// before (read lists those read).
void addCommandLine(std::string_view text, const Locate& locate, CompilerCommandLine& line,
                    std::set<std::string>& read);

// Adds what the option file written so gives, as addCommandLine does.
void addOptionFile(const std::string& written, const Locate& locate, CompilerCommandLine& line,
                   std::set<std::string>& read);

#endif
