#include "driver/CommandLine.h"

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

int runKorrin(const std::vector<std::string>& arguments) {
    try {
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
