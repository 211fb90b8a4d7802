#include "driver/CommandLine.h"

#include <algorithm>
#include <exception>
#include <new>

#include "base/Console.h"
#include "driver/ConversionRequest.h"
#include "driver/ProjectConverter.h"
#include "host/Host.h"

namespace {

const char* const workingDirectoryFailure = "Could not read the working directory";

// An option that takes no value: the field of the request it sets.
struct Flag {
    const char* name;
    bool ConversionRequest::*field;
    const char* meaning;
};
const Flag flags[] = {
    {"-rp", &ConversionRequest::replicateSourceTree,
     "replicate the source tree: each file in a chain of groups that mirrors its folders"},
    {"-cdb", &ConversionRequest::writeCompilationDatabases,
     "also write a compilation database per configuration for cppcheck, clang-tidy and clangd"},
    {"-all", &ConversionRequest::convertAll,
     "a project's folder converts as a folder of many projects: itself and every project below it"},
    {"-projects", &ConversionRequest::listProjects, "write nothing: print each project the source names, one a line"},
    {"-macros", &ConversionRequest::listBuildMacros,
     "write nothing: print the macros and variables that -var may give a value to"},
    {"-name", &ConversionRequest::printProjectName,
     "write nothing: print the name of the Corvel project that would be written"},
};

// An option that takes the next argument as its value, made absolute when
// it is a path.
struct ValueOption {
    const char* name;
    const char* value;
    void (*apply)(ConversionRequest& request, const std::string& value);
    bool isPath;
    const char* meaning;
};
const ValueOption valueOptions[] = {
    {"-pn", "NAME", [](ConversionRequest& request, const std::string& value) { request.projectName = value; }, false,
     "name of the Corvel project (default: the project's own)"},
    {"-mp", "FILE", [](ConversionRequest& request, const std::string& value) { request.messagePersonality = value; },
     true, "message personality to refer to (default: an empty one is made)"},
    {"-ap", "FILE", [](ConversionRequest& request, const std::string& value) { request.analyserPersonality = value; },
     true, "template analyser personality, copied into every analyser personality written"},
    {"-cp", "FILE", [](ConversionRequest& request, const std::string& value) { request.compilerPersonality = value; },
     true, "compiler personality to refer to (default: an empty one is made)"},
    {"-ext", "LIST", addExtensions, false, "comma-separated file extensions to take, such as c,h (default: all files)"},
    {"-var", "NAME=VALUE", defineBuildMacro, false,
     "a value for the build macro or variable NAME, a path of this machine; repeatable"},
    {"-ti", "DIR", [](ConversionRequest& request, const std::string& value) { request.tiFolders.push_back(value); },
     true, "a TI folder to find CCS, its compilers and TI's SDKs in; repeatable (default: the usual places)"},
    {"-config", "NAME",
     [](ConversionRequest& request, const std::string& value) { request.combinedConfiguration = value; }, false,
     "of a folder of many projects: the configuration of each in the folder's database"},
};

enum class OptionResult { Done, MissingValue, BadPath };

// Applies the option at index i, if it is one; its value, if it takes one,
// is the next argument.
OptionResult applyOption(const std::vector<std::string>& arguments, std::size_t i, const PathBase& base,
                         ConversionRequest& request) {
    const std::string& option = arguments[i];
    for (const Flag& flag : flags)
        if (option == flag.name)
            request.*flag.field = true;
    for (const ValueOption& candidate : valueOptions) {
        if (option != candidate.name)
            continue;
        if (i + 1 >= arguments.size())
            return OptionResult::MissingValue;
        std::string value = arguments[i + 1];
        if (candidate.isPath) {
            std::optional<std::string> absolute = makeAbsolutePath(host::fromArgument(value), base);
            if (!absolute)
                return OptionResult::BadPath;
            value = *absolute;
        }
        candidate.apply(request, value);
    }
    return OptionResult::Done;
}

int runConversion(const std::vector<std::string>& arguments) {
    const PathBase base{host::workingDirectory, host::driveDirectory};
    std::optional<std::string> source = makeAbsolutePath(host::fromArgument(arguments[1]), base);
    std::optional<std::string> destination = makeAbsolutePath(host::fromArgument(arguments[2]), base);
    if (!source || !destination) {
        printLine(workingDirectoryFailure);
        return 1;
    }
    ConversionRequest request;
    request.sourceProjectPath = *source;
    request.destinationFolder = *destination;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        switch (applyOption(arguments, i, base, request)) {
        case OptionResult::Done:
            break;
        case OptionResult::MissingValue:
            printUsage();
            return 1;
        case OptionResult::BadPath:
            printLine(workingDirectoryFailure);
            return 1;
        }
    }
    return ProjectConverter(std::move(request)).convert();
}

void printOptionLine(const std::string& option, const std::string& meaning) {
    printLine("  " + option + std::string(std::max<std::size_t>(18 - option.size(), 1), ' ') + meaning);
}

// The usage, then a line for each option, in the order of the usage.
void printHelp() {
    printUsage();
    printLine("");
    printOptionLine(flags[0].name, flags[0].meaning);
    for (const ValueOption& option : valueOptions)
        printOptionLine(std::string(option.name) + " " + option.value, option.meaning);
    for (const Flag& flag : flags)
        if (flag.field != flags[0].field)
            printOptionLine(flag.name, flag.meaning);
    printOptionLine("--help, -h", "print this text");
    printOptionLine("--version", "print Korrin's version");
}

}  // namespace

std::optional<std::string> makeAbsolutePath(const std::string& path, const PathBase& base) {
    if (path.size() >= 2 && path[1] == ':') {
        if (path.size() >= 3 && path[2] == '\\')
            return path;
        std::optional<std::string> driveDirectory = base.driveDirectory(path.substr(0, 2));
        if (!driveDirectory)
            return std::nullopt;
        return *driveDirectory + "\\" + path.substr(2);
    }
    if (!path.empty() && path[0] == '\\')
        return path;
    std::optional<std::string> workingDirectory = base.workingDirectory();
    if (!workingDirectory || path == ".")
        return workingDirectory;
    return *workingDirectory + "\\" + path;
}

void printUsage() {
    printLine("Usage: Korrin <source_proj> <dest_folder> [-rp] [-pn dest_proj_name]");
    printLine("[-mp message_personality] [-ap analyser_personality] [-cp compiler_personality] [-ext file_extension] [-var NAME=VALUE] [-cdb]");
}

int runKorrin(const std::vector<std::string>& arguments) {
    try {
        if (arguments.size() >= 2 && (arguments[1] == "--help" || arguments[1] == "-h")) {
            printHelp();
            return 0;
        }
        if (arguments.size() >= 2 && arguments[1] == "--version") {
            printLine("Korrin " KORRIN_VERSION);
            return 0;
        }
        if (arguments.size() < 3) {
            printUsage();
            return 0;
        }
        return runConversion(arguments);
    } catch (const std::bad_alloc&) {
        printLine("Out of memory");
    } catch (const std::exception& error) {
        printLine(std::string("Unexpected failure: ") + error.what());
    } catch (...) {
        printLine("Unexpected failure");
    }
    return 1;
}
