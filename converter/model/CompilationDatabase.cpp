#include "model/CompilationDatabase.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "Console.h"
#include "ProjectConverter.h"
#include "host/Host.h"
#include "model/CpuFamilies.h"
#include "model/DiskSpelling.h"
#include "model/Folders.h"
#include "model/IncludeOverlay.h"
#include "model/JsonText.h"
#include "model/OutputFile.h"
#include "model/SourceGroup.h"
#include "model/TranslationUnits.h"
#include "reader/CompilerOptions.h"

namespace {

const std::string databaseName = "compile_commands.json";
const std::string overlayName = "include-overlay.yaml";

// Writes the databases, finding each path on disk once per run.
class DatabaseWriter {
public:
    explicit DatabaseWriter(const ProjectConverter& converter);
    void write(const Configuration& configuration);

private:
    struct Entry {
        const TranslationUnit* unit;
        std::string file;  // as on disk
    };
    struct Settings {
        std::vector<std::string> arguments;  // "-I" and "-D" in the personality's order
        std::vector<std::string> folders;    // the include folders that exist, as on disk
    };

    std::string spelled(const std::string& path);
    const Settings& settingsOf(const SourceGroup* group);
    std::vector<std::string> arguments(const TranslationUnit& unit, const std::string& file,
                                       const std::string& overlay);
    void writeDatabase(const std::string& path, const std::vector<Entry>& entries, const std::string& overlay);

    const std::string directory;  // the project file's folder, which relative paths start from
    DiskSpelling disk;
    const std::vector<std::string> familyDefinitions;
    std::map<std::string, std::optional<std::string>> found;
    std::map<const SourceGroup*, Settings> settings;
    std::vector<std::string> missing;  // not yet reported
};

std::string cpuFamily(const ProjectConverter& converter) {
    const auto& definitions = converter.getRootGroup().getMacroDefinitions();
    auto family = definitions.find("CPUFamily");
    return family == definitions.end() ? std::string() : family->second;
}

DatabaseWriter::DatabaseWriter(const ProjectConverter& converter)
    : directory(folderOf(converter.getSourceProjectPath())),
      disk(directory),
      familyDefinitions(cpuFamilyDefinitions(cpuFamily(converter))) {}

// The path as it is on disk; as built, and reported once, when no spelling
// of it exists.
std::string DatabaseWriter::spelled(const std::string& path) {
    auto known = found.find(path);
    if (known == found.end()) {
        known = found.emplace(path, disk.find(path)).first;
        if (!known->second)
            missing.push_back(path);
    }
    return known->second.value_or(path);
}

const DatabaseWriter::Settings& DatabaseWriter::settingsOf(const SourceGroup* group) {
    auto known = settings.find(group);
    if (known != settings.end())
        return known->second;
    Settings result;
    if (group != nullptr) {
        for (const std::string& include : group->getIncludePaths()) {
            std::string folder = spelled(include);
            result.arguments.push_back("-I" + host::systemPath(folder));
            if (found[include])
                result.folders.push_back(host::isAbsolute(folder) ? folder : directory + "\\" + folder);
        }
        for (const auto& macro : group->getMacroDefinitions())
            if (macro.first != stringifyMacro)
                result.arguments.push_back("-D" + macro.first +
                                           (macro.second.empty() ? "" : "=" + stringLiteralOf(macro.second)));
    }
    return settings.emplace(group, result).first->second;
}

std::vector<std::string> DatabaseWriter::arguments(const TranslationUnit& unit, const std::string& file,
                                                   const std::string& overlay) {
    const bool cxx = unit.language == Language::Cxx;
    // A TI driver name would switch clang into a foreign mode.
    std::vector<std::string> arguments{cxx ? "c++" : "cc"};
    for (const std::string& definition : familyDefinitions)
        arguments.push_back("-D" + definition);
    if (cxx)
        arguments.push_back("-Drestrict=__restrict");
    const Settings& own = settingsOf(unit.settings);
    arguments.insert(arguments.end(), own.arguments.begin(), own.arguments.end());
    if (!overlay.empty())
        arguments.push_back("-ivfsoverlay" + host::systemPath(overlay));
    // The language by name: clang reads '.C' as C++ and '.Cpp' as nothing.
    arguments.insert(arguments.end(), {"-x", cxx ? "c++" : "c", "-c", host::systemPath(file)});
    return arguments;
}

void DatabaseWriter::writeDatabase(const std::string& path, const std::vector<Entry>& entries,
                                   const std::string& overlay) {
    OutputFile database(path);
    database.writeLine("[");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        std::vector<std::string> list = arguments(*entry.unit, entry.file, overlay);
        database.writeLine("  {");
        database.writeLine("    \"directory\": " + jsonString(host::systemPath(directory)) + ",");
        database.writeLine("    \"file\": " + jsonString(host::systemPath(entry.file)) + ",");
        database.writeLine("    \"arguments\": [");
        for (std::size_t j = 0; j < list.size(); ++j)
            database.writeLine("      " + jsonString(list[j]) + (j + 1 < list.size() ? "," : ""));
        database.writeLine("    ]");
        database.writeLine(i + 1 < entries.size() ? "  }," : "  }");
    }
    database.writeLine("]");
    database.close();
}

void DatabaseWriter::write(const Configuration& configuration) {
    const std::string path = configuration.folder + "\\" + databaseName;
    // Every path is looked up before a line is printed. A source found in no
    // spelling is left out: cppcheck refuses a whole database that names a
    // missing file. Include folders stay, as the compilers pass over them.
    std::vector<Entry> entries;
    std::vector<std::string> folders;
    std::set<std::string> listed;
    for (const TranslationUnit& unit : configuration.units) {
        std::string file = spelled(unit.file);
        if (found[unit.file])
            entries.push_back({&unit, file});
        for (const std::string& folder : settingsOf(unit.settings).folders)
            if (listed.insert(withoutTrailingSeparator(folder)).second)
                folders.push_back(withoutTrailingSeparator(folder));
    }
    printLine("  Creating Compilation Database - " + path);
    for (const std::string& missingPath : missing)
        printLine("  Not found - " + missingPath);
    missing.clear();

    std::string overlay;
    if (host::namesRespectCase()) {
        overlay = configuration.folder + "\\" + overlayName;
        writeIncludeOverlay(overlay, folders, disk);
    }
    writeDatabase(path, entries, overlay);
}

}  // namespace

void writeCompilationDatabases(const ProjectConverter& converter) {
    DatabaseWriter writer(converter);
    for (const Configuration& configuration : translationUnits(converter))
        writer.write(configuration);
}
