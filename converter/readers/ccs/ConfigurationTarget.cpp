#include "readers/ccs/ConfigurationTarget.h"

#include "host/Host.h"
#include "model/Families.h"
#include "readers/ccs/CompilerEntries.h"

namespace {

// The folders of the compiler's own headers that its install here holds.
std::vector<std::string> systemIncludesOf(const Target& target, CcsVariables& variables) {
    const Family* family = familyOf(target);
    if (family == nullptr || family->systemIncludeFolders.empty() || !variables.hasValue("CG_TOOL_ROOT"))
        return {};
    const std::string root = variables.expand("${CG_TOOL_ROOT}");
    std::vector<std::string> folders;
    for (const std::string& folder : family->systemIncludeFolders)
        if (host::isDirectory(root + "\\" + folder))
            folders.push_back(root + "\\" + folder);
    return folders;
}

// The compiler's folders are the configuration's include folders too, in
// every group that has its own, so that each personality lists them.
void addSystemIncludes(SourceGroup& group, const std::vector<std::string>& folders, bool always) {
    if (always || group.hasOwnSettings())
        for (const std::string& folder : folders)
            group.addIncludePath(folder);
    for (SourceGroup& child : group.getChildren())
        addSystemIncludes(child, folders, false);
}

}  // namespace

std::string plainVersion(const std::string& version) {
    const std::string::size_type digit = version.find_first_of("0123456789");
    if (digit == std::string::npos || digit == 0 || version[digit - 1] != '_')
        return version;
    return version.substr(digit);
}

void enterConfiguration(const std::string& name, std::vector<std::pair<std::string, std::string>> buildVariables,
                        const ToolChain& toolChain, CcsVariables& variables) {
    variables.setConfiguration(name, std::move(buildVariables));
    variables.setCompiler(toolChain.instructionSet, toolChain.compiler, toolChain.compilerVersion);
}

Target targetOf(const ToolChain& toolChain, const CompilerCommandLine& line, const std::string& buildFolder,
                CcsVariables& variables) {
    Target target;
    target.compiler = toolChain.compiler;
    target.instructionSet = toolChain.instructionSet;
    target.compilerVersion = toolChain.compilerVersion;
    target.device = toolChain.device;
    target.options = line.options;
    for (const std::string& preinclude : line.preincludes)
        target.preincludes.push_back(includeFolder(preinclude, buildFolder, variables));
    target.systemIncludes = systemIncludesOf(target, variables);
    return target;
}

void addConfiguration(Project& project, SourceGroup group, Target target) {
    addSystemIncludes(group, target.systemIncludes, true);
    project.configurationTargets.emplace(group.getName(), std::move(target));
    project.root.addChild(std::move(group));
}
