#include "model/Families.h"

namespace {

struct InstallFamily {
    InstructionSet instructionSet;
    Compiler compiler;
    const char* folderFamily;
};

const InstallFamily installFamilies[] = {
    {InstructionSet::C28x, Compiler::Ti, "c2000"},     {InstructionSet::Msp430, Compiler::Ti, "msp430"},
    {InstructionSet::Arm, Compiler::Ti, "arm"},        {InstructionSet::Arm, Compiler::TiClang, "armllvm"},
    {InstructionSet::C6x, Compiler::Ti, "c6000"},      {InstructionSet::C55x, Compiler::Ti, "c5500"},
    {InstructionSet::Pru, Compiler::Ti, "pru"},
};

}  // namespace

std::string compilerFolderFamily(InstructionSet instructionSet, Compiler compiler) {
    for (const InstallFamily& family : installFamilies)
        if (family.instructionSet == instructionSet && family.compiler == compiler)
            return family.folderFamily;
    return std::string();
}
