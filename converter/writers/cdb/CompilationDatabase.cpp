#include "writers/cdb/CompilationDatabase.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "base/Console.h"
#include "base/JsonText.h"
#include "base/PathText.h"
#include "host/Host.h"
#include "writers/OutputFile.h"
#include "writers/cdb/CombinedDatabase.h"
#include "writers/cdb/CppcheckProject.h"
#include "writers/cdb/DiskSpelling.h"
#include "writers/cdb/IncludeOverlay.h"
#include "writers/cdb/IntrinsicsHeader.h"
#include "writers/cdb/TargetArguments.h"
#include "writers/cdb/TranslationUnits.h"

namespace {

const std::string databaseName = "compile_commands.json";
const std::string overlayName = "include-overlay.yaml";

// Writes the databases, finding each path on disk once per run.
class DatabaseWriter {
public:
    explicit DatabaseWriter(const Project& project);
    // Writes the configuration's database; its entries go into combined too
    // when it is given.
    void write(const Configuration& configuration, CombinedDatabase* combined);

private:
    struct Entry {
        const TranslationUnit* unit;
        std::string file;  // as on disk
    };
    struct Settings {
        std::vector<std::string> arguments;  // "-I" and "-D" in the personality's order
        std::vector<std::string> folders;    // the include folders that exist, as on disk
    };
    // What the configuration's compiler makes of a source, by language, and
    // what it reads first, by language too: the intrinsics are not C++'s or
    // CLA's alike.
    struct Compilation {
        std::map<Language, std::vector<std::string>> arguments;
        std::map<Language, std::vector<std::string>> preincludes;
        std::set<std::string> systemFolders;      // the compiler's own, as the groups hold them
        std::vector<std::string> systemIncludes;  // their "-isystem" arguments, after the project's folders
    };

    std::string spelled(const std::string& path);
    // A group's settings; the compiler's own folders among its include
    // folders are left to the "-isystem" arguments.
    const Settings& settingsOf(const SourceGroup* group, const Compilation& compilation);
    Compilation compilationOf(const Target& target, const std::string& intrinsicsHeader);
    std::vector<std::string> arguments(const TranslationUnit& unit, const std::string& file,
                                       const Compilation& compilation, const std::string& overlay);
    std::vector<std::string> entryLines(const Entry& entry, const Compilation& compilation, const std::string& overlay);
    void writeDatabase(const std::string& path, const std::vector<Entry>& entries, const Compilation& compilation,
                       const std::string& overlay, CombinedDatabase* combined);

    const std::string directory;  // the project file's folder, which relative paths start from
    DiskSpelling disk;
    std::map<std::string, std::optional<std::string>> found;
    std::map<const SourceGroup*, Settings> settings;
    std::vector<std::string> missing;  // not yet reported
};

// "-DNAME", "-DNAME=value", "-DNAME=", or for a value that stands for a
// string '-DNAME="value"'.
std::string defineArgument(const Definition& definition) {
    if (definition.isString)
        return "-D" + definition.name + "=\"" + definition.value + "\"";
    return "-D" + definition.name + (definition.value.empty() && !definition.isEmpty ? "" : "=" + definition.value);
}

DatabaseWriter::DatabaseWriter(const Project& project) : directory(foldedPath(project.folder)), disk(directory) {}

// The path, its "." and ".." folded, as it is on disk; as folded, and
// reported once, when no spelling of it exists. A ".." after a folder that
// does not exist would fail the whole path on a POSIX host.
std::string DatabaseWriter::spelled(const std::string& path) {
    auto known = found.find(path);
    if (known == found.end()) {
        const std::string folded = foldedPath(path);
        known = found.emplace(path, disk.find(folded)).first;
        if (!known->second)
            missing.push_back(folded);
    }
    return known->second.value_or(foldedPath(path));
}

const DatabaseWriter::Settings& DatabaseWriter::settingsOf(const SourceGroup* group, const Compilation& compilation) {
    auto known = settings.find(group);
    if (known != settings.end())
        return known->second;
    Settings result;
    if (group != nullptr) {
        for (const std::string& include : group->getIncludePaths()) {
            if (compilation.systemFolders.count(include) != 0)
                continue;
            std::string folder = spelled(include);
            result.arguments.push_back("-I" + host::systemPath(folder));
            if (found[include])
                result.folders.push_back(host::isAbsolute(folder) ? folder : directory + "\\" + folder);
        }
        for (const auto& definition : group->definitionsByName())
            result.arguments.push_back(defineArgument(definition.second));
    }
    return settings.emplace(group, result).first->second;
}

DatabaseWriter::Compilation DatabaseWriter::compilationOf(const Target& target, const std::string& intrinsicsHeader) {
    Compilation compilation;
    std::vector<std::string> preincludes;
    for (const std::string& file : target.preincludes)
        preincludes.push_back(spelled(file));
    for (Language language : {Language::C, Language::Cxx, Language::Cla}) {
        compilation.arguments[language] = targetArguments(target, language);
        std::vector<std::string>& own = compilation.preincludes[language];
        if (hasIntrinsics(target, language == Language::Cla))
            own.push_back(intrinsicsHeader);
        own.insert(own.end(), preincludes.begin(), preincludes.end());
    }
    compilation.systemFolders.insert(target.systemIncludes.begin(), target.systemIncludes.end());
    for (const std::string& folder : target.systemIncludes)
        compilation.systemIncludes.push_back("-isystem" + host::systemPath(spelled(folder)));
    return compilation;
}

std::vector<std::string> DatabaseWriter::arguments(const TranslationUnit& unit, const std::string& file,
                                                   const Compilation& compilation, const std::string& overlay) {
    const bool cxx = unit.language == Language::Cxx;
    // A TI driver name would switch clang into a foreign mode.
    std::vector<std::string> arguments{cxx ? "c++" : "cc"};
    // The target sets the sizes of pointers and longs as on the processor,
    // so that TI's address arithmetic in constant initialisers stays constant.
    const std::vector<std::string>& target = compilation.arguments.at(unit.language);
    arguments.insert(arguments.end(), target.begin(), target.end());
    const Settings& own = settingsOf(unit.settings, compilation);
    arguments.insert(arguments.end(), own.arguments.begin(), own.arguments.end());
    arguments.insert(arguments.end(), compilation.systemIncludes.begin(), compilation.systemIncludes.end());
    for (const std::string& preinclude : compilation.preincludes.at(unit.language))
        arguments.insert(arguments.end(), {"-include", host::systemPath(preinclude)});
    if (!overlay.empty())
        arguments.push_back("-ivfsoverlay" + host::systemPath(overlay));
    // The language by name: clang reads '.C' as C++ and '.Cpp' as nothing.
    arguments.insert(arguments.end(), {"-x", cxx ? "c++" : "c", "-c", host::systemPath(file)});
    return arguments;
}

// The lines of an entry's object, without a comma after it.
std::vector<std::string> DatabaseWriter::entryLines(const Entry& entry, const Compilation& compilation,
                                                   const std::string& overlay) {
    const std::vector<std::string> list = arguments(*entry.unit, entry.file, compilation, overlay);
    std::vector<std::string> lines{"  {", "    \"directory\": " + jsonString(host::systemPath(directory)) + ",",
                                   "    \"file\": " + jsonString(host::systemPath(entry.file)) + ",",
                                   "    \"arguments\": ["};
    for (std::size_t j = 0; j < list.size(); ++j)
        lines.push_back("      " + jsonString(list[j]) + (j + 1 < list.size() ? "," : ""));
    lines.insert(lines.end(), {"    ]", "  }"});
    return lines;
}

void DatabaseWriter::writeDatabase(const std::string& path, const std::vector<Entry>& entries,
                                   const Compilation& compilation, const std::string& overlay,
                                   CombinedDatabase* combined) {
    OutputFile database(path);
    database.writeLine("[");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::vector<std::string> lines = entryLines(entries[i], compilation, overlay);
        if (combined != nullptr)
            combined->add(entries[i].file, lines);
        if (i + 1 < entries.size())
            lines.back() += ",";
        for (const std::string& line : lines)
            database.writeLine(line);
    }
    database.writeLine("]");
    database.close();
}

void DatabaseWriter::write(const Configuration& configuration, CombinedDatabase* combined) {
    const std::string path = configuration.folder + "\\" + databaseName;
    // Every path is looked up before a line is printed. A source found in no
    // spelling is left out: cppcheck refuses a whole database that names a
    // missing file. Include folders stay, as the compilers pass over them.
    const Target& target = *configuration.target;
    const std::string intrinsics = configuration.folder + "\\" + intrinsicsHeaderName;
    const Compilation compilation = compilationOf(target, intrinsics);
    std::vector<Entry> entries;
    std::vector<std::string> folders;
    std::set<std::string> listed;
    for (const TranslationUnit& unit : configuration.units) {
        std::string file = spelled(unit.file);
        if (found[unit.file])
            entries.push_back({&unit, file});
        for (const std::string& folder : settingsOf(unit.settings, compilation).folders)
            if (listed.insert(withoutTrailingSeparator(folder)).second)
                folders.push_back(withoutTrailingSeparator(folder));
    }
    printLine("  Creating Compilation Database - " + host::systemPath(path));
    for (const std::string& missingPath : missing)
        printLine("  Not found - " + host::systemPath(missingPath));
    missing.clear();

    std::string overlay;
    if (host::namesRespectCase()) {
        overlay = configuration.folder + "\\" + overlayName;
        writeIncludeOverlay(overlay, folders, disk);
    }
    writeDatabase(path, entries, compilation, overlay, combined);
    if (hasIntrinsics(target, false) || hasIntrinsics(target, true))
        writeIntrinsicsHeader(intrinsics, target);
    const bool claSources = std::any_of(entries.begin(), entries.end(),
                                        [](const Entry& entry) { return entry.unit->language == Language::Cla; });
    // Named after the group's own folder: a name with separators is a chain of them.
    const std::string name = configuration.folder.substr(configuration.folder.find_last_of("\\/") + 1);
    writeCppcheckProject(configuration.folder, name.empty() ? "project" : name, target, claSources);
}

}  // namespace

void writeCompilationDatabases(const Project& project, const CorvelOptions& options, CombinedDatabase* combined) {
    DatabaseWriter writer(project);
    const std::vector<Configuration> configurations = translationUnits(project, options);
    // The combined database takes the configuration it names, where there
    // is one of that name, else the first.
    std::size_t chosen = 0;
    for (std::size_t i = 0; combined != nullptr && i < configurations.size(); ++i)
        if (configurations[i].name == combined->configuration()) {
            chosen = i;
            break;
        }
    if (combined != nullptr)
        combined->startProject(project.folder);
    for (std::size_t i = 0; i < configurations.size(); ++i)
        writer.write(configurations[i], i == chosen ? combined : nullptr);
}
