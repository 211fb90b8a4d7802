#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's C55x compiler: saturating and fractional arithmetic.
const char* const intrinsics[] = {
    "int _abss(int src);",
    "long _labss(long src);",
    "long long _llabss(long long src);",
    "int _sadd(int src1, int src2);",
    "long _lsadd(long src1, long src2);",
    "long long _llsadd(long long src1, long long src2);",
    "int _ssub(int src1, int src2);",
    "long _lssub(long src1, long src2);",
    "long long _llssub(long long src1, long long src2);",
    "int _sneg(int src);",
    "long _lsneg(long src);",
    "long long _llsneg(long long src);",
    "int _smpy(int src1, int src2);",
    "long _lsmpy(int src1, int src2);",
    "int _smpyr(int src1, int src2);",
    "long _lsmpyr(int src1, int src2);",
    "long _smac(long src, int op1, int op2);",
    "long _smacr(long src, int op1, int op2);",
    "long _smas(long src, int op1, int op2);",
    "long _smasr(long src, int op1, int op2);",
    "int _norm(int src);",
    "int _lnorm(long src);",
    "long _rnd(long src);",
    "int _sshl(int src1, int src2);",
    "long _lsshl(long src1, int src2);",
    "int _shrs(int src1, int src2);",
    "long _lshrs(long src1, int src2);",
    "int _max(int src1, int src2);",
    "int _min(int src1, int src2);",
    "long _lmax(long src1, long src2);",
    "long _lmin(long src1, long src2);",
};

// Data pointers of 23 bits held in 32.
void largeMemory(TypeSizes& sizes) {
    sizes.pointerBits = 32;
    sizes.sizeBits = 32;
}

}  // namespace

Family c5500Family() {
    Family family;
    family.name = "c5500";
    family.instructionSet = InstructionSet::C55x;
    family.compiler = Compiler::Ti;
    family.installFamily = "c5500";
    family.macros = {"__TMS320C55X__", "_TMS320C5XX"};
    family.versionMacro = "__TI_COMPILER_VERSION__";
    family.options = {
        {"--memory_model=large", {"__LARGE_MODEL__"}, largeMemory},
        {"--memory_model=huge", {"__HUGE_MODEL__"}, largeMemory},
    };
    family.keywords = {"interrupt", "__interrupt", "ioport", "onchip", "__far"};
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    // A char is 16 bits wide; long long holds 40 bits in 64.
    family.sizes.charBits = 16;
    family.sizes.intBits = 16;
    family.sizes.doubleBits = 32;
    family.sizes.longDoubleBits = 32;
    family.sizes.pointerBits = 16;
    family.sizes.sizeBits = 16;
    family.sizes.wcharBits = 16;
    family.cpuFamilies = {{"TMS320C55XX", {}}};
    family.toolPrefixes = {"C5500_"};
    family.sdkFamilyNames = {"C5500"};
    family.devicePrefixes = {"TMS320C55", "TMS320VC55"};
    return family;
}
