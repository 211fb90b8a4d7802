#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's C28x compiler, its FPU, FPU64 and TMU.
const char* const intrinsics[] = {
    "int __abs16_sat(int src);",
    "void __add(int *m, int b);",
    "long __addcu(long src1, unsigned int src2);",
    "void __addl(long *m, long b);",
    "void __and(int *m, int b);",
    // int &__byte(int *array, unsigned int byte_index): the byte of a word array, an lvalue.
    "#define __byte(array, byte_index) (((unsigned char *)(array))[(byte_index)])",
    // unsigned long &__byte_peripheral_32(unsigned long *x): a 32-bit register of a byte-addressed peripheral.
    "#define __byte_peripheral_32(x) (*(volatile unsigned long *)(x))",
    "void __dec(int *m);",
    "unsigned int __disable_interrupts(void);",
    // Parameters TI's compiler takes by reference are lvalues the macros only name.
    "#define __dmac(src1, src2, accum1, accum2, shift) ((void)(src1), (void)(src2), (void)&(accum1), (void)&(accum2), (void)(shift))",
    "void __eallow(void);",
    "void __edis(void);",
    "unsigned int __enable_interrupts(void);",
    "int __flip16(int src);",
    "long __flip32(long src);",
    "long long __flip64(long long src);",
    "void __inc(int *m);",
    "long __IQ(long double A, int N);",
    "long __IQmpy(long A, long B, int N);",
    "long __IQsat(long A, long max, long min);",
    "long __IQxmpy(long A, long B, int N);",
    "long long __llmax(long long dst, long long src);",
    "long long __llmin(long long dst, long long src);",
    "long __lmax(long dst, long src);",
    "long __lmin(long dst, long src);",
    "int __max(int dst, int src);",
    "int __min(int dst, int src);",
    "int __mov_byte(int *src, unsigned int n);",
    "long __mpy(int src1, int src2);",
    "long __mpyb(int src1, unsigned int src2);",
    "long __mpy_mov_t(int src1, int src2, int *dst2);",
    "unsigned long __mpyu(unsigned int src1, unsigned int src2);",
    "long __mpyxu(int src1, unsigned int src2);",
    "long __norm32(long src, int *shift);",
    "long long __norm64(long long src, int *shift);",
    "void __or(int *m, int b);",
    "long __qmpy32(long src32a, long src32b, int q);",
    "long __qmpy32by16(long src32, int src16, int q);",
    "void __restore_interrupts(unsigned int val);",
    "long __rol(long src);",
    "long __ror(long src);",
    "void *__rpt_mov_imm(void *dst, int src, int count);",
    "int __rpt_norm_inc(long src, int dst, int count);",
    "int __rpt_norm_dec(long src, int dst, int count);",
    "long __rpt_rol(long src, int count);",
    "long __rpt_ror(long src, int count);",
    "long __rpt_subcu(long dst, int src, int count);",
    "#define __rpt_subcul(num, den, remainder, count) ((void)&(remainder), (void)(count), (unsigned long)((num) / (den)))",
    "long __sat(long src);",
    "long __sat32(long src, long limit);",
    "long __sathigh16(long src, int limit);",
    "long __satlow16(long src);",
    "long __sbbu(long src1, unsigned int src2);",
    "void __sub(int *m, int b);",
    "long __subcu(long src1, int src2);",
    "#define __subcul(num, den, remainder) ((void)&(remainder), (unsigned long)((num) / (den)))",
    "void __subl(long *m, long b);",
    "void __subr(int *m, int b);",
    "void __subrl(long *m, long b);",
    "int __tbit(int src, int bit);",
    "void __xor(int *m, int b);",
    // The floating-point unit (FPU32, FPU64).
    "float __einvf32(float x);",
    "float __eisqrtf32(float x);",
    "int __f32toi16r(float src);",
    "unsigned int __f32toui16r(float src);",
    "float __f32_max(float x, float y);",
    "float __f32_min(float x, float y);",
    "long double __f64_max(long double x, long double y);",
    "long double __f64_min(long double x, long double y);",
    "float __fmax(float x, float y);",
    "float __fmin(float x, float y);",
    "float __fracf32(float src);",
    "float __fsat(float val, float max, float min);",
    "#define __swapf(a, b) ((void)&(a), (void)&(b))",
    "#define __swapff(a, b) ((void)&(a), (void)&(b))",
    // The trigonometric math unit (TMU).
    "float __atan(float src);",
    "float __atan2(float y, float x);",
    "float __atanpuf32(float src);",
    "float __atan2puf32(float x, float y);",
    "float __cos(float src);",
    "float __cospuf32(float src);",
    "float __divf32(float num, float denom);",
    "float __div2pif32(float src);",
    "float __iexp2f32(float src);",
    "float __log2f32(float src);",
    "float __mpy2pif32(float src);",
    "#define __quadf32(quadrant, y, x) ((void)&(quadrant), (void)(y), (float)(x))",
    "float __sin(float src);",
    "float __sinpuf32(float src);",
    "float __sqrt(float src);",
};

void eabiDoubles(TypeSizes& sizes) {
    sizes.doubleBits = 64;
}

}  // namespace

Family c28xFamily() {
    Family family;
    family.name = "c28x";
    family.instructionSet = InstructionSet::C28x;
    family.compiler = Compiler::Ti;
    family.installFamily = "c2000";
    family.macros = {"__TMS320C2000__", "__TMS320C28X__", "__TMS320C28XX__", "_TMS320C28X"};
    family.versionMacro = "__TI_COMPILER_VERSION__";
    family.options = {
        {"--float_support=fpu32", {"__TMS320C28XX_FPU32__"}},
        {"--float_support=fpu64", {"__TMS320C28XX_FPU32__", "__TMS320C28XX_FPU64__"}},
        {"--tmu_support=tmu0", {"__TMS320C28XX_TMU__", "__TMS320C28XX_TMU0__"}},
        {"--tmu_support=tmu1", {"__TMS320C28XX_TMU__", "__TMS320C28XX_TMU1__"}},
        {"--vcu_support=vcu0", {"__TMS320C28XX_VCU0__"}},
        {"--vcu_support=vcu2", {"__TMS320C28XX_VCU2__"}},
        {"--vcu_support=vcrc", {"__TMS320C28XX_VCRC__"}},
        {"--large_memory_model", {"__LARGE_MODEL__"}},
        {"--abi=eabi", {"__TI_EABI__"}, eabiDoubles},
    };
    family.keywords = {"interrupt", "__interrupt", "cregister", "__cregister", "far", "__far"};
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    // A char is 16 bits wide, so sizeof(int) is 1; COFF's double is 32 bits.
    family.sizes.charBits = 16;
    family.sizes.intBits = 16;
    family.sizes.doubleBits = 32;
    family.sizes.wcharBits = 16;
    family.cpuFamilies = {{"TMS320C28XX", {}}};
    family.toolPrefixes = {"C2000_"};
    family.sdkFamilyNames = {"C2000"};
    family.devicePrefixes = {"TMS320F28", "TMS320C28", "F28"};
    return family;
}
