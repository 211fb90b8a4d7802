#ifndef KORRIN_CONFIGURATION_TARGET_H
#define KORRIN_CONFIGURATION_TARGET_H

#include <string>
#include <utility>
#include <vector>

#include "model/Project.h"
#include "model/Target.h"
#include "readers/ccs/CcsVariables.h"
#include "readers/ccs/CompilerCommandLine.h"

// What a project file names to build a configuration's sources.
struct ToolChain {
    Compiler compiler = Compiler::Unknown;
    InstructionSet instructionSet = InstructionSet::Unknown;
    std::string compilerVersion;  // "22.6.1.LTS", see plainVersion
    std::string device;
};

// A compiler's version without the name of the tool before it, as CCS
// writes TI's clang-based one: 'TICLANG_2.1.3.LTS' is "2.1.3.LTS".
std::string plainVersion(const std::string& version);

// Reads on in the configuration: its variables (ConfigName, its build
// variables) and its compiler's install apply from now on.
void enterConfiguration(const std::string& name, std::vector<std::pair<std::string, std::string>> buildVariables,
                        const ToolChain& toolChain, CcsVariables& variables);

// What builds the configuration's sources: the tool chain, the compiler's
// options (long forms) and the files it reads first, found as include
// folders are.
Target targetOf(const ToolChain& toolChain, const CompilerCommandLine& line, const std::string& buildFolder,
                CcsVariables& variables);

// Adds a configuration to the project: its group, which names it, and its target.
void addConfiguration(Project& project, SourceGroup group, Target target);

#endif
