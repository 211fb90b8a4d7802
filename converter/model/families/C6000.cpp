#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's C6000 compiler that C code of every C6000 since
// the C6400 uses; loads and stores are lvalues.
const char* const intrinsics[] = {
    "typedef long long __int40_t;",
    "typedef double __float2_t;",
    "int _abs(int src);",
    "int _abs2(int src);",
    "int _add2(int src1, int src2);",
    "int _add4(int src1, int src2);",
    "#define _amem2(ptr) (*(unsigned short *)(ptr))",
    "#define _amem2_const(ptr) (*(const unsigned short *)(ptr))",
    "#define _amem4(ptr) (*(unsigned int *)(ptr))",
    "#define _amem4_const(ptr) (*(const unsigned int *)(ptr))",
    "#define _amem8(ptr) (*(long long *)(ptr))",
    "#define _amem8_const(ptr) (*(const long long *)(ptr))",
    "#define _amemd8(ptr) (*(double *)(ptr))",
    "#define _amemd8_const(ptr) (*(const double *)(ptr))",
    "int _avg2(int src1, int src2);",
    "unsigned int _avgu4(unsigned int src1, unsigned int src2);",
    "unsigned int _bitc4(unsigned int src);",
    "unsigned int _bitr(unsigned int src);",
    "unsigned int _clr(unsigned int src2, unsigned int csta, unsigned int cstb);",
    "unsigned int _clrr(unsigned int src2, int src1);",
    "int _cmpeq2(int src1, int src2);",
    "int _cmpeq4(int src1, int src2);",
    "int _cmpgt2(int src1, int src2);",
    "unsigned int _cmpgtu4(unsigned int src1, unsigned int src2);",
    "unsigned int _deal(unsigned int src);",
    "int _dotp2(int src1, int src2);",
    "int _dotpn2(int src1, int src2);",
    "int _dotpsu4(int src1, unsigned int src2);",
    "unsigned int _dotpu4(unsigned int src1, unsigned int src2);",
    "int _ext(int src2, unsigned int csta, unsigned int cstb);",
    "int _extr(int src2, int src1);",
    "unsigned int _extu(unsigned int src2, unsigned int csta, unsigned int cstb);",
    "unsigned int _extur(unsigned int src2, int src1);",
    "unsigned int _ftoi(float src);",
    "unsigned int _gmpy4(unsigned int src1, unsigned int src2);",
    "unsigned int _hi(double src);",
    "unsigned int _hill(long long src);",
    "float _itof(unsigned int src);",
    "long long _itoll(unsigned int src2, unsigned int src1);",
    "double _itod(unsigned int src2, unsigned int src1);",
    "unsigned int _lmbd(unsigned int src1, unsigned int src2);",
    "unsigned int _lo(double src);",
    "unsigned int _loll(long long src);",
    "int _max2(int src1, int src2);",
    "unsigned int _maxu4(unsigned int src1, unsigned int src2);",
    "#define _mem2(ptr) (*(unsigned short *)(ptr))",
    "#define _mem2_const(ptr) (*(const unsigned short *)(ptr))",
    "#define _mem4(ptr) (*(unsigned int *)(ptr))",
    "#define _mem4_const(ptr) (*(const unsigned int *)(ptr))",
    "#define _mem8(ptr) (*(long long *)(ptr))",
    "#define _mem8_const(ptr) (*(const long long *)(ptr))",
    "#define _memd8(ptr) (*(double *)(ptr))",
    "#define _memd8_const(ptr) (*(const double *)(ptr))",
    "int _min2(int src1, int src2);",
    "unsigned int _minu4(unsigned int src1, unsigned int src2);",
    "int _mpy(int src1, int src2);",
    "int _mpyh(int src1, int src2);",
    "int _mpyhl(int src1, int src2);",
    "unsigned int _mpyhu(unsigned int src1, unsigned int src2);",
    "int _mpylh(int src1, int src2);",
    "unsigned int _mpyu(unsigned int src1, unsigned int src2);",
    "long long _mpy2ll(int src1, int src2);",
    "int _mpy32(int src1, int src2);",
    "long long _mpy32ll(int src1, int src2);",
    "void _nassert(int src);",
    "unsigned int _norm(int src);",
    "unsigned int _pack2(unsigned int src1, unsigned int src2);",
    "unsigned int _packh2(unsigned int src1, unsigned int src2);",
    "unsigned int _packh4(unsigned int src1, unsigned int src2);",
    "unsigned int _packl4(unsigned int src1, unsigned int src2);",
    "unsigned int _rotl(unsigned int src1, unsigned int src2);",
    "int _sadd(int src1, int src2);",
    "int _sadd2(int src1, int src2);",
    "int _saddu4(int src1, int src2);",
    "int _sat(long long src);",
    "unsigned int _set(unsigned int src2, unsigned int csta, unsigned int cstb);",
    "unsigned int _setr(unsigned int src2, int src1);",
    "unsigned int _shfl(unsigned int src);",
    "int _shr2(int src1, unsigned int src2);",
    "unsigned int _shru2(unsigned int src1, unsigned int src2);",
    "int _smpy(int src1, int src2);",
    "int _smpyh(int src1, int src2);",
    "int _spack2(int src1, int src2);",
    "int _sshl(int src2, unsigned int src1);",
    "int _ssub(int src1, int src2);",
    "int _sub2(int src1, int src2);",
    "int _sub4(int src1, int src2);",
    "int _subc(unsigned int src1, unsigned int src2);",
    "unsigned int _swap4(unsigned int src);",
    "unsigned int _unpkhu4(unsigned int src);",
    "unsigned int _unpklu4(unsigned int src);",
    "unsigned int _xpnd2(unsigned int src);",
    "unsigned int _xpnd4(unsigned int src);",
    "unsigned int _disable_interrupts(void);",
    "unsigned int _enable_interrupts(void);",
    "void _restore_interrupts(unsigned int src);",
};

// The COFF ABI lays out long in 40 bits, held in 64.
void coffLongs(TypeSizes& sizes) {
    sizes.longBits = 40;
}

}  // namespace

// Processor versions predefine the macros of the earlier ones whose code they run.
Family c6000Family() {
    Family family;
    family.name = "c6000";
    family.instructionSet = InstructionSet::C6x;
    family.compiler = Compiler::Ti;
    family.installFamily = "c6000";
    family.macros = {"_TMS320C6X", "__TMS320C6X__"};
    family.versionMacro = "__TI_COMPILER_VERSION__";
    family.endianness = {"_LITTLE_ENDIAN", "_BIG_ENDIAN", false};
    family.options = {
        {"--silicon_version=6400", {"_TMS320C6400"}},
        {"--silicon_version=6400+", {"_TMS320C6400", "_TMS320C6400_PLUS"}},
        {"--silicon_version=6700", {"_TMS320C6700"}},
        {"--silicon_version=6700+", {"_TMS320C6700", "_TMS320C6700_PLUS"}},
        {"--silicon_version=6740",
         {"_TMS320C6400", "_TMS320C6400_PLUS", "_TMS320C6700", "_TMS320C6700_PLUS", "_TMS320C6740"}},
        {"--silicon_version=6600",
         {"_TMS320C6400", "_TMS320C6400_PLUS", "_TMS320C6700", "_TMS320C6700_PLUS", "_TMS320C6740", "_TMS320C6600"}},
        {"--abi=eabi", {"__TI_EABI__"}},
        {"--abi=coffabi", {}, coffLongs},
    };
    family.keywords = {"interrupt", "__interrupt", "cregister", "__cregister", "near", "far", "__near", "__far"};
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    family.sizes.wcharBits = 16;
    family.cpuFamilies = {{"TMS320C64XX", {"--silicon_version=6400"}},
                          {"TMS320C67XX", {"--silicon_version=6700"}},
                          {"TMS320C66XX", {"--silicon_version=6600"}}};
    family.toolPrefixes = {"C6000_"};
    family.sdkFamilyNames = {"C6000"};
    family.devicePrefixes = {"TMS320C6"};
    return family;
}
