#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's compiler for the control law accelerator.
const char* const intrinsics[] = {
    "void __mdebugstop(void);",
    "void __meallow(void);",
    "void __medis(void);",
    "float __meinvf32(float x);",
    "float __meisqrtf32(float x);",
    "short __mf32toi16r(float src);",
    "unsigned short __mf32toui16r(float src);",
    "long __mf32toi32(float src);",
    "unsigned long __mf32toui32(float src);",
    "float __mfracf32(float src);",
    "float __mi16tof32(short src);",
    "float __mi32tof32(long src);",
    "float __mmaxf32(float x, float y);",
    "float __mminf32(float x, float y);",
    "void __mnop(void);",
    "void __msetflg(unsigned short flag, unsigned short value);",
    "#define __mswapf(a, b) ((void)&(a), (void)&(b))",
    "float __mui16tof32(unsigned short src);",
    "float __mui32tof32(unsigned long src);",
};

}  // namespace

// CLA code is C28x code compiled for the accelerator: int is 32 bits there,
// pointers 16, and there are no 64-bit types.
Family c28xClaFamily() {
    Family family = c28xFamily();
    family.name = "c28x-cla";
    family.forCla = true;
    family.macros.push_back("__TMS320C28XX_CLA__");
    family.options.insert(family.options.end(), {
                                                     {"--cla_support=cla0", {"__TMS320C28XX_CLA0__"}},
                                                     {"--cla_support=cla1", {"__TMS320C28XX_CLA1__"}},
                                                     {"--cla_support=cla2", {"__TMS320C28XX_CLA2__"}},
                                                 });
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    family.sizes.charBits = 16;
    family.sizes.longLongBits = 32;
    family.sizes.doubleBits = 32;
    family.sizes.longDoubleBits = 32;
    family.sizes.pointerBits = 16;
    family.sizes.sizeBits = 16;
    family.sizes.wcharBits = 16;
    family.cpuFamilies.clear();
    return family;
}
