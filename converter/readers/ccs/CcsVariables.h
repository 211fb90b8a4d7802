#ifndef KORRIN_CCS_VARIABLES_H
#define KORRIN_CCS_VARIABLES_H

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/BuildMacros.h"
#include "base/WorkspaceProjects.h"
#include "installs/InstallValues.h"
#include "model/Target.h"

// The build folder of a configuration, where CCS writes its makefiles and
// objects and from which they compile: '<project>\<configuration>'.
std::string buildFolderOf(const std::string& projectFolder, const std::string& configuration);

// The variables a Code Composer Studio project uses in its paths, include
// folders and definitions, with the values Korrin knows: the project's own
// (PROJECT_ROOT, PROJECT_LOC, ProjDirPath, ProjName, workspace_loc of the
// project and of the other projects of the workspace, PARENT_LOC), the configuration's (ConfigName, BuildDirectory,
// PROJECT_BUILD_DIR and its build variables), the path variables of
// .project and macros.ini, "PARENT-n-NAME" for n folders above NAME, then
// what TI's installs on this machine give (CCS's own variables and the
// products'), and whatever "-var NAME=VALUE" gives, which wins over all of
// them. A variable without a value stays as written and is noted once.
class CcsVariables {
public:
    CcsVariables(std::string projectFolder, std::string projectName, const BuildMacros& given, InstallValues& installs,
                 const WorkspaceProjects& workspace);

    // A path variable of .project (a URI such as 'file:/C:/ti' or
    // '$%7BPARENT-1-PROJECT_LOC%7D/lib') or of macros.ini.
    void definePathVariable(const std::string& name, const std::string& value);
    // The configuration whose variables apply from now on, with its build
    // variables (stringMacro name and value).
    void setConfiguration(const std::string& name, std::vector<std::pair<std::string, std::string>> buildVariables);
    // The compiler of that configuration, whose install CG_TOOL_ROOT names.
    void setCompiler(InstructionSet instructionSet, Compiler compiler, const std::string& version);

    // text with every "${NAME}" (or URI-escaped "$%7BNAME%7D") replaced by
    // its value, inner ones first; a list's elements stand there with a
    // blank between them.
    std::string expand(std::string_view text);
    // The elements of the list that text names whole ('${COM_TI_..._INCLUDE_PATH}',
    // '${..._SYMBOLS}'), each expanded; nothing when text is no list found.
    std::optional<std::vector<std::string>> expandList(std::string_view text);
    // A path of this machine for an absolute one of another machine that
    // does not exist here: into its TI folder, as InstallValues::relocated
    // finds it, or into the project on the author's machine, where what
    // follows a folder of the project's name exists below this project
    // (noted once); otherwise path itself.
    std::string onThisMachine(const std::string& path);
    // The path a link of .project names: a path variable's value and the
    // rest ('VAR/rest', 'PARENT-1-VAR/rest', '$%7BVAR%7D/rest'), a 'file:'
    // URI or an absolute path; nothing for a virtual folder.
    std::optional<std::string> linkLocation(std::string_view uri);
    // Whether the variable has a value.
    bool hasValue(const std::string& name) { return valueOf(name).has_value(); }
    // Whether text still holds a variable without a value.
    bool hasUnresolved(std::string_view text) const;

    // The variables without a value, as "${NAME}", each once, as first met.
    const std::vector<std::string>& unresolved() const { return unresolvedNames; }
    // The project's own variables met whose value names no file or folder
    // here (an absolute path) or still holds a variable without a value.
    const std::vector<MacroValue>& missingOwnPaths() const { return missingOwn; }
    // What TI's installs gave: values, and versions taken for others.
    const std::vector<MacroValue>& found() const { return installs.found(); }
    const std::vector<std::string>& versionNotes() const { return installs.versionNotes(); }
    // The author's paths into the project, and where they are here.
    const std::vector<MacroValue>& foundInProject() const { return inProject; }
    // The configurations' SysConfig folders that no build has written yet.
    const std::vector<std::string>& ungeneratedFolders() const { return ungenerated; }

private:
    std::optional<std::string> valueOf(const std::string& name);
    std::optional<std::string> ownValueOf(const std::string& name);
    void noteUnresolved(const std::string& name);
    // Notes an own variable whose value is missing here, once.
    void checkOwnPath(const std::string& name, const std::string& value);
    std::optional<std::string> belowProject(const std::string& path);
    // The configuration's build folder's "syscfg", where SysConfig writes
    // the files it generates, which SYSCONFIG_TOOL_INCLUDE_PATH names.
    std::string sysconfigFolder();

    std::string projectFolder;
    std::string projectName;
    BuildMacros given;
    InstallValues& installs;
    const WorkspaceProjects& workspace;
    std::map<std::string, std::string> pathVariables;  // as written
    std::string configuration;
    std::vector<std::pair<std::string, std::string>> buildVariables;
    std::vector<std::string> inProgress;  // names being expanded, against circles
    std::vector<std::string> unresolvedNames;
    std::set<std::string> checkedOwn;
    std::vector<MacroValue> missingOwn;
    std::vector<MacroValue> inProject;
    std::vector<std::string> ungenerated;
};

#endif
