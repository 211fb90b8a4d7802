#include "ConversionChecks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "PrjFileShape.h"

namespace {

const char* const failurePrefixes[] = {
    "Could not open file: ",
    "Not a Code Composer Studio project: ",
    "Malformed project file: ",
    "Could not create directory: ",
    "Could not write file: ",
    "Refusing to write outside the destination folder: ",
};

const char* const usageText =
    "Usage: Korrin <source_proj> <dest_folder> [-rp] [-pn dest_proj_name]\n"
    "[-mp message_personality] [-ap analyser_personality] [-cp compiler_personality] [-ext file_extension] "
    "[-var NAME=VALUE] [-cdb]\n";

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "Conversion check failed: %s\n", what.c_str());
    std::abort();
}

bool isFailureLine(const std::string& line) {
    return std::any_of(std::begin(failurePrefixes), std::end(failurePrefixes),
                       [&](const char* prefix) { return line.rfind(prefix, 0) == 0; });
}

std::vector<std::string> consoleLines(const std::string& output) {
    if (!output.empty() && output.back() != '\n')
        fail("the console output does not end with a line end: " + output);
    std::vector<std::string> lines;
    for (std::string::size_type start = 0, end; start < output.size(); start = end + 1) {
        end = output.find('\n', start);
        lines.push_back(output.substr(start, end - start));
    }
    return lines;
}

}  // namespace

void checkConsole(int status, const std::string& output, bool missingValue) {
    if (missingValue) {
        if (status != 1 || output != usageText)
            fail("an option without its value did not give the usage text and status 1:\n" + output);
        return;
    }
    std::vector<std::string> lines = consoleLines(output);
    long failures = std::count_if(lines.begin(), lines.end(), isFailureLine);
    if (status == 0) {
        if (lines.empty() || lines.back() != "Corvel/Corvel++ Project Completed!" || failures != 0)
            fail("status 0 without a clean completion:\n" + output);
    } else if (status == 1) {
        if (lines.empty() || !isFailureLine(lines.back()) || failures != 1)
            fail("status 1 without exactly one failure line at the end:\n" + output);
    } else {
        fail("status " + std::to_string(status) + ":\n" + output);
    }
}

void checkPrjFile(const std::string& bytes, bool complete) {
    for (std::string::size_type lf = bytes.find('\n'); lf != std::string::npos; lf = bytes.find('\n', lf + 1))
        if (lf == 0 || bytes[lf - 1] != '\r')
            fail("a line of the project file ends without CR LF");
    if (!bytes.empty() && bytes.back() != '\n')
        fail("the project file ends inside a line");
    if (!complete)
        return;
    try {
        testing_support::readPrjFile(bytes, testing_support::StrayCarriageReturns::Accepted);
    } catch (const std::runtime_error& error) {
        fail(std::string("malformed project file: ") + error.what());
    }
}

void checkEntries(const std::string& where, const std::vector<std::string>& found,
                  const std::vector<std::string>& expected) {
    if (found == expected)
        return;
    std::string names;
    for (const std::string& name : found)
        names += " '" + name + "'";
    fail("unexpected entries in " + where + ":" + names);
}
