#include "readers/projectspec/ProjectSpecReader.h"

#include <algorithm>
#include <set>

#include "base/ConversionError.h"
#include "base/PathText.h"
#include "host/Host.h"
#include "readers/ccs/CcsReading.h"
#include "readers/ccs/CcsVariables.h"
#include "readers/ccs/CompilerCommandLine.h"
#include "readers/ccs/CompilerEntries.h"
#include "readers/ccs/ConfigurationTarget.h"
#include "readers/projectspec/ProjectSpec.h"
#include "readers/ccs/ProjectTexts.h"
#include "readers/ccs/SourceSelection.h"
#include "readers/ccs/ToolChains.h"
#include "readers/ccs/XmlFile.h"

namespace {

// A file of the .projectspec where it is, and the .projectspec's word on where it belongs.
struct MemberFile {
    SourceIndex index;
    const SpecFile* spec;
};

bool isVariableReference(const std::string& value) {
    return startsWith(value, "${") || startsWith(value, "$%7B");
}

// Path variables whose path is relative start from the .projectspec's folder; CCS
// names that folder PROJECT_IMPORT_LOC.
void definePathVariables(const ProjectSpec& spec, const std::string& folder, CcsVariables& variables) {
    for (const auto& [name, path] : spec.pathVariables) {
        std::string value = path;
        toNativeSeparators(value);
        const bool relative = !value.empty() && !isRootedPath(value) && !isVariableReference(value);
        variables.definePathVariable(name, relative ? foldedPath(folder + "\\" + value) : value);
    }
    variables.definePathVariable("PROJECT_IMPORT_LOC", folder);
}

// Where a file of the .projectspec is: 'VAR/rest' and '${VAR}/rest' start at a
// variable's value, a relative path at the .projectspec's folder. One behind a
// variable without a value stays as written.
std::string memberPath(const std::string& written, const std::string& folder, CcsVariables& variables) {
    std::string path = written;
    toNativeSeparators(path);
    if (path.find('$') != std::string::npos)
        path = variables.expand(path);
    else if (variables.hasValue(path.substr(0, path.find('\\'))))
        path = variables.linkLocation(path).value_or(path);
    toNativeSeparators(path);
    if (variables.hasUnresolved(path))
        return path;
    return variables.onThisMachine(foldedPath(isRootedPath(path) ? path : folder + "\\" + path));
}

// The .projectspec's files to convert, in .projectspec order, each once. A folder that CCS
// copies whole has no extension: what it holds is not read.
std::vector<MemberFile> memberFiles(const ProjectSpec& spec, const std::string& folder,
                                    const std::list<std::string>& extensions, CcsVariables& variables,
                                    Project& project) {
    std::vector<MemberFile> members;
    std::set<std::string> listed;
    for (const SpecFile& file : spec.files) {
        const std::string path = memberPath(file.path, folder, variables);
        if (isAcceptedFile(baseName(path), extensions) && listed.insert(path).second)
            members.push_back({project.paths.keep(path), &file});
    }
    return members;
}

bool belongsTo(const SpecFile& file, const std::string& configuration) {
    return !file.excluded && (file.configurations.empty() ||
                              std::find(file.configurations.begin(), file.configurations.end(), configuration) !=
                                  file.configurations.end());
}

// CCS gives a new project of TI's tool chains these two when the .projectspec names none.
std::vector<SpecConfiguration> configurationsOf(const ProjectSpec& spec) {
    if (!spec.configurations.empty())
        return spec.configurations;
    return {{"Debug", std::string()}, {"Release", std::string()}};
}

std::vector<std::string> namesAndPaths(const ProjectSpec& spec) {
    std::vector<std::string> texts{spec.name};
    for (const SpecConfiguration& configuration : spec.configurations)
        texts.push_back(configuration.name);
    for (const auto& [name, path] : spec.pathVariables)
        texts.insert(texts.end(), {name, path});
    for (const SpecFile& file : spec.files)
        texts.push_back(file.path);
    return texts;
}

ToolChain toolChainOf(const ProjectSpec& spec) {
    return {compilerNamed(spec.toolChain), instructionSetOfDevice(spec.device, spec.deviceCore, spec.deviceFamily),
            plainVersion(spec.compilerVersion), spec.device};
}

// Every configuration of a .projectspec builds with the project's tool chain.
void readSpecConfiguration(const ProjectSpec& spec, const ToolChain& toolChain, const SpecConfiguration& configuration,
                           const std::vector<MemberFile>& members, CcsVariables& variables, Project& project) {
    enterConfiguration(configuration.name, {}, toolChain, variables);
    const std::string buildFolder = buildFolderOf(project.folder, configuration.name);
    CompilerCommandLine line;
    std::set<std::string> read;
    addCommandLine(spec.compilerOptions, compilerFiles(buildFolder, variables), line, read);
    addCommandLine(configuration.compilerOptions, compilerFiles(buildFolder, variables), line, read);
    SourceGroup group = compilerGroup(configuration.name, project.root.getSourceFolder(), buildFolder,
                                      line.includePaths, line.defines, variables);
    for (const MemberFile& member : members)
        if (belongsTo(*member.spec, configuration.name))
            group.addFile(member.index);
    addConfiguration(project, std::move(group), targetOf(toolChain, line, buildFolder, variables));
}

}  // namespace

bool isProjectSpecLocation(const std::string& location) {
    return endsWith(upperCase(location), ".PROJECTSPEC") && !host::isDirectory(location);
}

std::string projectSpecName(const std::string& path) {
    std::string location = path;
    toNativeSeparators(location);
    const std::string fileName = baseName(location).substr(0, baseName(location).rfind('.'));
    try {
        const std::optional<ProjectSpec> spec = readProjectSpec(readXmlFile(location));
        return spec && !spec->name.empty() ? spec->name : fileName;
    } catch (const ConversionError&) {
        return fileName;
    }
}

Project readProjectSpecProject(const std::string& path, const ReadOptions& options) {
    std::string location = path;
    toNativeSeparators(location);
    const std::optional<ProjectSpec> spec = readProjectSpec(readXmlFile(location));
    if (!spec)
        throw ConversionError(ConversionError::Kind::NotACcsProject, location + " (no projectSpec project)");
    requireOneLineEach(location, namesAndPaths(*spec));
    const std::string folder = folderOf(location);
    std::string ownName = spec->name;
    if (ownName.empty())
        ownName = baseName(location).substr(0, baseName(location).rfind('.'));

    CcsReading reading(folder, ownName, options, productRequests(spec->products));
    CcsVariables& variables = reading.variables;
    definePathVariables(*spec, folder, variables);
    const ToolChain toolChain = toolChainOf(*spec);
    variables.setCompiler(toolChain.instructionSet, toolChain.compiler, toolChain.compilerVersion);
    const std::vector<MemberFile> members = memberFiles(*spec, folder, options.extensions, variables, reading.project);
    for (const SpecConfiguration& configuration : configurationsOf(*spec))
        readSpecConfiguration(*spec, toolChain, configuration, members, variables, reading.project);
    return reading.finish();
}
