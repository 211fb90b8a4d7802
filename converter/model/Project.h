#ifndef KORRIN_PROJECT_H
#define KORRIN_PROJECT_H

#include <string>
#include <utility>
#include <vector>

#include "model/PathStore.h"
#include "model/SourceGroup.h"

enum class InstructionSet { Unknown, Arm, Msp430 };

// A project as a reader gives it, whatever its format: the group tree of
// the project and its configurations, the text of every source path, and
// what the writers need besides.
struct Project {
    explicit Project(std::string rootName) : root(std::move(rootName)) {}

    std::string name;    // the project's own, which names the .prj unless "-pn" gives one
    std::string folder;  // the project file's folder, which relative paths start from
    PathStore paths;
    SourceGroup root;
    std::string cpuFamily;  // as the project names it, such as "TMS320C28XX"; empty when unknown
    InstructionSet instructionSet = InstructionSet::Unknown;  // of the processor the project builds for
    std::vector<std::string> unresolvedMacros;  // met at the start of paths, without a value, each once
};

#endif
