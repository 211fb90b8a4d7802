#include "model/families/FamilyTables.h"

// The C2400 and C5400 DSPs, which only Code Composer 3.x projects name. Their
// char is 16 bits wide.
Family c2400Family() {
    Family family;
    family.name = "c2400";
    family.instructionSet = InstructionSet::C24x;
    family.compiler = Compiler::Ti;
    family.macros = {"_TMS320C2XX"};
    family.keywords = {"interrupt", "ioport", "cregister"};
    family.sizes = {16, 16, 16, 32, 32, 32, 32, 32, 16, 16, 16, true};
    family.cpuFamilies = {{"TMS320C24XX", {}}};
    return family;
}

Family c5400Family() {
    Family family;
    family.name = "c5400";
    family.instructionSet = InstructionSet::C54x;
    family.compiler = Compiler::Ti;
    family.macros = {"_TMS320C5XX"};
    family.keywords = {"interrupt", "__interrupt", "ioport", "near", "far"};
    family.sizes = {16, 16, 16, 32, 32, 32, 32, 32, 16, 16, 16, true};
    family.cpuFamilies = {{"TMS320C54XX", {}}};
    return family;
}
