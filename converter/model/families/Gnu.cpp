#include "model/families/FamilyTables.h"

// GNU's compilers for ARM and MSP430, which clang reads as it reads its own
// sources; the device macro of an MSP430 comes from -mmcu.
Family gnuArmFamily() {
    Family family;
    family.name = "gnu-arm";
    family.instructionSet = InstructionSet::Arm;
    family.compiler = Compiler::Gnu;
    family.clangTarget = "arm-none-eabi";
    family.sizes.plainCharSigned = false;
    family.takesArmProcessorOptions = true;
    return family;
}

Family gnuMsp430Family() {
    Family family;
    family.name = "gnu-msp430";
    family.instructionSet = InstructionSet::Msp430;
    family.compiler = Compiler::Gnu;
    family.clangTarget = "msp430";
    family.deviceMacroPrefixes = {"MSP430"};
    family.sizes.intBits = 16;
    family.sizes.pointerBits = 16;
    family.sizes.sizeBits = 16;
    family.sizes.wcharBits = 16;
    return family;
}
