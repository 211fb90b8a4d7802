#include "driver/Findings.h"

#include <algorithm>

#include "base/Console.h"
#include "host/Host.h"

void printFindings(const Project& project) {
    for (const MacroValue& found : project.foundMacros)
        printLine("  Found macro - " + found.name + (found.value.empty() ? " (empty)" : " = " + host::systemPath(found.value)));
    for (const std::string& note : project.versionNotes)
        printLine("  Version taken - " + note);
    for (const MacroValue& found : project.foundInProject)
        printLine("  Found in project - " + host::systemPath(found.name) + " = " + host::systemPath(found.value));
    for (const std::string& macro : project.unresolvedMacros)
        printLine("  Unresolved macro - " + macro);
    for (const std::string& folder : project.ungeneratedFolders)
        printLine("  Not generated yet - " + host::systemPath(folder) + " (SysConfig writes it when the project is built)");
}

// A variable found in one configuration and not in another is listed with
// what was found.
void listBuildMacros(const Project& project, std::vector<std::string>& listed) {
    auto listOnce = [&](const std::string& name, const std::string& line) {
        if (std::find(listed.begin(), listed.end(), name) == listed.end()) {
            listed.push_back(name);
            printLine(line);
        }
    };
    for (const std::string& macro : project.unresolvedMacros)
        if (std::none_of(project.foundMacros.begin(), project.foundMacros.end(),
                         [&](const MacroValue& found) { return found.name == macro; }))
            listOnce(macro, macro);
    for (const MacroValue& found : project.foundMacros)
        listOnce(found.name, found.name + "\t" + host::systemPath(found.value));
    for (const MacroValue& own : project.missingOwnPaths)
        listOnce(own.name, own.name + "\t" + host::systemPath(own.value) + "\tproject");
}
