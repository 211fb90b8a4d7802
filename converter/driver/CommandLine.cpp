#include "driver/CommandLine.h"

#include <algorithm>
#include <exception>
#include <new>

#include "base/Console.h"
#include "driver/ProjectConverter.h"
#include "host/Host.h"

namespace {

const char* const workingDirectoryFailure = "Could not read the working directory";

enum class OptionResult { Done, MissingValue, BadPath };

// Applies the option at index i, if it is one; its value, if it takes one,
// is the next argument.
OptionResult applyOption(const std::vector<std::string>& arguments, std::size_t i, const PathBase& base,
                         ProjectConverter& converter) {
    const std::string& option = arguments[i];
    if (option == "-rp") {
        converter.setReplicateSourceTree(true);
        return OptionResult::Done;
    }
    if (option == "-cdb") {
        converter.setWriteCompilationDatabases(true);
        return OptionResult::Done;
    }
    if (option == "-macros") {
        converter.setListBuildMacros(true);
        return OptionResult::Done;
    }
    if (option == "-name") {
        converter.setPrintProjectName(true);
        return OptionResult::Done;
    }
    if (option == "-projects") {
        converter.setListProjects(true);
        return OptionResult::Done;
    }
    if (option == "-all") {
        converter.setConvertAll(true);
        return OptionResult::Done;
    }
    using Setter = void (ProjectConverter::*)(const std::string&);
    struct ValueOption {
        const char* name;
        Setter set;
        bool isPath;
    };
    static const ValueOption valueOptions[] = {
        {"-pn", &ProjectConverter::setProjectName, false},
        {"-mp", &ProjectConverter::setMessagePersonality, true},
        {"-ap", &ProjectConverter::setAnalyserPersonality, true},
        {"-cp", &ProjectConverter::setCompilerPersonality, true},
        {"-ext", &ProjectConverter::addExtensions, false},
        {"-var", &ProjectConverter::defineBuildMacro, false},
        {"-ti", &ProjectConverter::addTiFolder, true},
        {"-config", &ProjectConverter::setCombinedConfiguration, false},
    };
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
        (converter.*candidate.set)(value);
        return OptionResult::Done;
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
    ProjectConverter converter(*source, *destination);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        switch (applyOption(arguments, i, base, converter)) {
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
    return converter.convert();
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

void printHelp() {
    static const char* const options[][2] = {
        {"-rp", "replicate the source tree: each file in a chain of groups that mirrors its folders"},
        {"-pn NAME", "name of the Corvel project (default: the project's own)"},
        {"-mp FILE", "message personality to refer to (default: an empty one is made)"},
        {"-ap FILE", "template analyser personality, copied into every analyser personality written"},
        {"-cp FILE", "compiler personality to refer to (default: an empty one is made)"},
        {"-ext LIST", "comma-separated file extensions to take, such as c,h (default: all files)"},
        {"-var NAME=VALUE", "a value for the build macro or variable NAME, a path of this machine; repeatable"},
        {"-cdb", "also write a compilation database per configuration for cppcheck, clang-tidy and clangd"},
        {"-ti DIR", "a TI folder to find CCS, its compilers and TI's SDKs in; repeatable (default: the usual places)"},
        {"-all", "a project's folder converts as a folder of many projects: itself and every project below it"},
        {"-config NAME", "of a folder of many projects: the configuration of each in the folder's database"},
        {"-projects", "write nothing: print each project the source names, one a line"},
        {"-macros", "write nothing: print the macros and variables that -var may give a value to"},
        {"-name", "write nothing: print the name of the Corvel project that would be written"},
        {"--help, -h", "print this text"},
        {"--version", "print Korrin's version"},
    };
    printUsage();
    printLine("");
    for (const auto& [option, meaning] : options)
        printLine("  " + std::string(option) + std::string(std::max<std::size_t>(18 - std::string(option).size(), 1), ' ') + meaning);
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
