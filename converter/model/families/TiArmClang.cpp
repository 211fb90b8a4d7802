#include "model/families/FamilyTables.h"

// TI's clang-based ARM compiler takes clang's own intrinsics and keywords.
Family tiArmClangFamily() {
    Family family;
    family.name = "armclang";
    family.instructionSet = InstructionSet::Arm;
    family.compiler = Compiler::TiClang;
    family.installFamily = "armllvm";
    family.clangTarget = "arm-none-eabi";
    // As CCS gives them to clangd, for the compiler's default processor
    // whatever the project's; the compiler's clang resource folder is left
    // out, the host clang having its own.
    family.systemIncludeFolders = {"include\\armv7em-ti-none-eabihf\\c++\\v1", "include\\c++\\v1", "include\\c"};
    family.macros = {"__ti__"};
    family.versionMacro = "__ti_version__";
    family.versionDigits = 2;
    // SysConfig's device.opt defines the MSPM0 device.
    family.deviceMacroPrefixes = {"MSPM0", "MSPS"};
    family.sizes.plainCharSigned = false;
    family.takesArmProcessorOptions = true;
    return family;
}
