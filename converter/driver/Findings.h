#ifndef KORRIN_FINDINGS_H
#define KORRIN_FINDINGS_H

#include <string>
#include <vector>

#include "model/Project.h"

// What the reader found of the project's variables, printed before its
// groups are written: values found among TI's installs, versions taken for
// others, the author's paths found in the project, variables without a
// value, SysConfig's folders that a build writes.
void printFindings(const Project& project);

// What "-macros" prints of the project, one a line: the variables without a
// value, those found among the installs with their value after a tab, and
// the project's own whose value names no path here with that value and
// "project" after tabs; each name once across the calls that share listed.
void listBuildMacros(const Project& project, std::vector<std::string>& listed);

#endif
