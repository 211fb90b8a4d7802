#include "readers/ccs/ConfigurationTarget.h"

#include "base/PathText.h"
#include "readers/ccs/CompilerEntries.h"

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

Target targetOf(const ToolChain& toolChain, const std::vector<std::string>& options, const std::string& buildFolder,
                CcsVariables& variables) {
    const std::string preinclude = "--preinclude=";
    Target target;
    target.compiler = toolChain.compiler;
    target.instructionSet = toolChain.instructionSet;
    target.compilerVersion = toolChain.compilerVersion;
    target.device = toolChain.device;
    for (const std::string& option : options) {
        if (startsWith(option, preinclude))
            target.preincludes.push_back(includeFolder(option.substr(preinclude.size()), buildFolder, variables));
        else
            target.options.push_back(option);
    }
    return target;
}

void addConfiguration(Project& project, SourceGroup group, Target target) {
    project.configurationTargets.emplace(group.getName(), std::move(target));
    project.root.addChild(std::move(group));
}

void finishProject(Project& project, const CcsVariables& variables) {
    project.target = project.targetOf(project.root.getChildren().front().getName());
    project.unresolvedMacros = variables.unresolved();
    project.foundMacros = variables.found();
    project.missingOwnPaths = variables.missingOwnPaths();
    project.versionNotes = variables.versionNotes();
}
