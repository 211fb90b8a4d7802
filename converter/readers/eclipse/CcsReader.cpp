#include "readers/eclipse/CcsReader.h"

#include <fstream>
#include <map>
#include <set>

#include "base/ConversionError.h"
#include "base/Extensions.h"
#include "base/PathText.h"
#include "host/Host.h"
#include "readers/ccs/CcsReading.h"
#include "readers/ccs/CcsVariables.h"
#include "readers/ccs/CompilerCommandLine.h"
#include "readers/ccs/CompilerEntries.h"
#include "readers/ccs/ConfigurationTarget.h"
#include "readers/ccs/ProjectTexts.h"
#include "readers/ccs/SourceSelection.h"
#include "readers/ccs/ToolChains.h"
#include "readers/ccs/XmlFile.h"
#include "readers/eclipse/CdtConfigurations.h"
#include "readers/eclipse/ConfigurationSources.h"
#include "readers/eclipse/EclipseProject.h"
#include "readers/eclipse/ProjectFiles.h"
#include "readers/eclipse/ProjectOptions.h"

namespace {

const char* const projectFileNames[] = {".project", ".cproject", ".ccsproject", ".cdtbuild"};

[[noreturn]] void notACcsProject(const std::string& folder, const std::string& why) {
    throw ConversionError(ConversionError::Kind::NotACcsProject, folder + " (" + why + ")");
}

std::string projectFolderOf(const std::string& location) {
    std::string path = location;
    toNativeSeparators(path);
    path = foldedPath(path);
    return host::isDirectory(path) ? withoutTrailingSeparator(path) : folderOf(path);
}

// CCS 4 projects keep their path variables in macros.ini when they are
// imported: 'NAME = path', the path relative to the project folder.
void readMacrosIni(const std::string& folder, CcsVariables& variables) {
    std::ifstream input;
    if (!host::openForReading(input, folder + "\\macros.ini"))
        return;
    for (std::string line; std::getline(input, line);) {
        const std::string::size_type equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = trimmed(std::string_view(line).substr(0, equals));
        std::string value = trimmed(std::string_view(line).substr(equals + 1));
        toNativeSeparators(value);
        if (!name.empty())
            variables.definePathVariable(name, isRootedPath(value) ? value : folder + "\\" + value);
    }
}

// Every name and path of the project files, which the .prj and the
// personalities write a line each.
std::vector<std::string> namesAndPaths(const EclipseProject& eclipse, const std::vector<CdtConfiguration>& configurations) {
    std::vector<std::string> texts{eclipse.name};
    for (const LinkedResource& link : eclipse.links)
        texts.insert(texts.end(), {link.name, link.location});
    for (const auto& [name, value] : eclipse.pathVariables)
        texts.insert(texts.end(), {name, value});
    for (const CdtConfiguration& configuration : configurations) {
        texts.push_back(configuration.name);
        texts.insert(texts.end(), configuration.includePaths.begin(), configuration.includePaths.end());
        texts.insert(texts.end(), configuration.defines.begin(), configuration.defines.end());
        for (const auto& [name, value] : configuration.buildVariables)
            texts.insert(texts.end(), {name, value});
        for (const ResourceSettings& settings : configuration.resourceSettings) {
            texts.push_back(settings.resource);
            for (const auto& list : {settings.includePaths, settings.defines})
                if (list)
                    texts.insert(texts.end(), list->begin(), list->end());
        }
    }
    return texts;
}

std::vector<CdtConfiguration> readConfigurations(const std::string& folder, const std::string& projectName) {
    if (host::exists(folder + "\\.cproject"))
        return readCproject(readXmlFile(folder + "\\.cproject"));
    if (host::exists(folder + "\\.cdtbuild"))
        return readCdtbuild(readXmlFile(folder + "\\.cdtbuild"), projectName);
    notACcsProject(folder, "no .cproject or .cdtbuild");
}

std::vector<ResolvedLink> resolvedLinks(const EclipseProject& eclipse, CcsVariables& variables) {
    std::vector<ResolvedLink> links;
    for (const LinkedResource& link : eclipse.links)
        links.push_back({link.name, link.isFolder, variables.linkLocation(link.location)});
    return links;
}

// The configurations' build folders, where CCS writes its makefiles and objects.
std::set<std::string> buildFolders(const std::vector<CdtConfiguration>& configurations) {
    std::set<std::string> folders;
    for (const CdtConfiguration& configuration : configurations) {
        folders.insert(configuration.name);
        folders.insert(configuration.outputFolders.begin(), configuration.outputFolders.end());
    }
    return folders;
}

// The compiler's version: the configuration's own, else the project's when
// it is of the same tool, else what the tool's name tells.
std::string compilerVersionOf(const CdtConfiguration& configuration, const ProjectOptions& options) {
    if (!configuration.compilerVersion.empty())
        return plainVersion(configuration.compilerVersion);
    const std::string tool = toolVersionOf(configuration.compiler);
    const std::string recorded = plainVersion(options.compilerVersion);
    if (!tool.empty() && startsWith(recorded, tool + "."))
        return recorded;
    return tool;
}

ToolChain toolChainOf(const CdtConfiguration& configuration, const ProjectOptions& options) {
    return {compilerOf(configuration.compiler), instructionSetOf(configuration.compiler),
            compilerVersionOf(configuration, options),
            deviceOf(configuration.device.empty() ? options.device : configuration.device)};
}

// The products the configurations' tool chains and .ccsproject name.
std::vector<ProductRequest> requestedProducts(const std::vector<CdtConfiguration>& configurations,
                                              const ProjectOptions& options) {
    std::vector<ProductRequest> requests = productRequests(options.products);
    for (const CdtConfiguration& configuration : configurations)
        for (ProductRequest& request : productRequests(configuration.products))
            requests.push_back(std::move(request));
    return requests;
}

void append(std::vector<std::string>& list, const std::vector<std::string>& more) {
    list.insert(list.end(), more.begin(), more.end());
}

// The compiler's command line of the configuration: its options and the
// files it reads first, with what its option files add; the include
// folders and definitions these add go into the configuration, for files
// and folders with settings of their own too.
CompilerCommandLine withOptionFiles(CdtConfiguration& configuration, const std::string& buildFolder,
                                    CcsVariables& variables) {
    CompilerCommandLine added;
    std::set<std::string> read;
    for (const std::string& file : configuration.optionFiles)
        addOptionFile(file, compilerFiles(buildFolder, variables), added, read);
    append(configuration.includePaths, added.includePaths);
    append(configuration.defines, added.defines);
    for (ResourceSettings& settings : configuration.resourceSettings) {
        if (settings.includePaths)
            append(*settings.includePaths, added.includePaths);
        if (settings.defines)
            append(*settings.defines, added.defines);
    }
    CompilerCommandLine line;
    line.options = configuration.compilerFlags;
    append(line.options, added.options);
    line.preincludes = configuration.preincludes;
    append(line.preincludes, added.preincludes);
    return line;
}

// A file or folder with settings of its own gets a group below the
// configuration, named after it, which holds the files it covers.
SourceGroup configurationGroup(const CdtConfiguration& configuration, const std::string& buildFolder,
                              const Project& project, const std::vector<std::pair<std::string, SourceIndex>>& files,
                              CcsVariables& variables) {
    const std::string& sourceFolder = project.root.getSourceFolder();
    SourceGroup group = compilerGroup(configuration.name, sourceFolder, buildFolder, configuration.includePaths,
                                      configuration.defines, variables);
    std::map<const ResourceSettings*, SourceGroup*> ownGroups;
    for (const auto& [name, index] : files) {
        if (!isSourceOf(name, configuration))
            continue;
        const ResourceSettings* settings = resourceSettingsOf(name, configuration);
        if (settings == nullptr) {
            group.addFile(index);
            continue;
        }
        SourceGroup*& own = ownGroups[settings];
        if (own == nullptr)
            own = &group.addChild(compilerGroup(settings->resource, sourceFolder, buildFolder,
                                                settings->includePaths.value_or(configuration.includePaths),
                                                settings->defines.value_or(configuration.defines), variables));
        own->addFile(index);
    }
    return group;
}

}  // namespace

CcsProjectIdentity identifyCcsProject(const std::string& folder) {
    CcsProjectIdentity identity;
    try {
        const EclipseProject eclipse = readEclipseProject(readXmlFile(folder + "\\.project"));
        identity.name = eclipse.name;
        const std::vector<CdtConfiguration> configurations = readConfigurations(folder, eclipse.name);
        identity.isCcs = eclipse.isCcsProject || usesTiToolChain(configurations);
        identity.buildFolders = buildFolders(configurations);
    } catch (const ConversionError& error) {
        // Its conversion says what is wrong with it.
        identity.isCcs = error.kind != ConversionError::Kind::NotACcsProject;
    }
    return identity;
}

bool isCcsProjectLocation(const std::string& location) {
    std::string path = location;
    toNativeSeparators(path);
    const std::string name = baseName(path);
    for (const char* projectFile : projectFileNames)
        if (name == projectFile)
            return true;
    return host::isDirectory(path);
}

Project readCcsProject(const std::string& location, const ReadOptions& read) {
    const std::string folder = projectFolderOf(location);
    if (!host::exists(folder + "\\.project"))
        notACcsProject(folder, "no .project");
    const EclipseProject eclipse = readEclipseProject(readXmlFile(folder + "\\.project"));
    const std::vector<CdtConfiguration> configurations = readConfigurations(folder, eclipse.name);
    if (!eclipse.isCcsProject && !usesTiToolChain(configurations))
        notACcsProject(folder, "no TI tool chain");
    if (configurations.empty())
        notACcsProject(folder, "no build configuration");
    requireOneLineEach(folder, namesAndPaths(eclipse, configurations));

    const ProjectOptions options = readProjectOptions(folder);
    CcsReading reading(folder, eclipse.name, read, requestedProducts(configurations, options));
    Project& project = reading.project;
    CcsVariables& variables = reading.variables;
    for (const auto& [variable, value] : eclipse.pathVariables)
        variables.definePathVariable(variable, value);
    readMacrosIni(folder, variables);

    // Links are resolved as CCS resolves them, with the first configuration's compiler.
    const ToolChain first = toolChainOf(configurations.front(), options);
    variables.setCompiler(first.instructionSet, first.compiler, first.compilerVersion);
    std::vector<std::pair<std::string, SourceIndex>> files;  // where the project shows each
    for (ProjectFile& file : projectFiles(folder, resolvedLinks(eclipse, variables), buildFolders(configurations)))
        if (isAcceptedFile(file.name, read.extensions))
            files.emplace_back(std::move(file.name), project.paths.keep(file.path));
    for (const CdtConfiguration& written : configurations) {
        const ToolChain toolChain = toolChainOf(written, options);
        enterConfiguration(written.name, written.buildVariables, toolChain, variables);
        const std::string buildFolder = buildFolderOf(folder, written.name);
        CdtConfiguration configuration = written;
        const CompilerCommandLine compiler = withOptionFiles(configuration, buildFolder, variables);
        SourceGroup group = configurationGroup(configuration, buildFolder, project, files, variables);
        addConfiguration(project, std::move(group), targetOf(toolChain, compiler, buildFolder, variables));
    }
    return reading.finish();
}
