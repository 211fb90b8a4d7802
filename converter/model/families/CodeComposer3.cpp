#include "model/families/FamilyTables.h"

namespace {

// Both DSPs are of 16-bit words: a char, an int and a pointer take one,
// and no type is wider than 32 bits.
TypeSizes sixteenBitWords() {
    TypeSizes sizes;
    sizes.charBits = 16;
    sizes.intBits = 16;
    sizes.longLongBits = 32;
    sizes.doubleBits = 32;
    sizes.longDoubleBits = 32;
    sizes.pointerBits = 16;
    sizes.sizeBits = 16;
    sizes.wcharBits = 16;
    return sizes;
}

}  // namespace

// The C2400 and C5400 DSPs, which only Code Composer 3.x projects name.
Family c2400Family() {
    Family family;
    family.name = "c2400";
    family.instructionSet = InstructionSet::C24x;
    family.compiler = Compiler::Ti;
    family.macros = {"_TMS320C2XX"};
    family.keywords = {"interrupt", "ioport", "cregister"};
    family.sizes = sixteenBitWords();
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
    family.sizes = sixteenBitWords();
    family.cpuFamilies = {{"TMS320C54XX", {}}};
    return family;
}
