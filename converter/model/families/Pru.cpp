#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's PRU compiler; the broadside transfers take their
// object by reference.
const char* const intrinsics[] = {
    "void __delay_cycles(unsigned int cycles);",
    "void __halt(void);",
    "unsigned int __lmbd(unsigned int src, unsigned int pattern);",
    "#define __xin(device_id, base_register, use_remapping, object) ((void)(device_id), (void)(base_register), (void)(use_remapping), (void)&(object))",
    "#define __xout(device_id, base_register, use_remapping, object) ((void)(device_id), (void)(base_register), (void)(use_remapping), (void)&(object))",
    "#define __xchg(device_id, base_register, use_remapping, object) ((void)(device_id), (void)(base_register), (void)(use_remapping), (void)&(object))",
    "#define __sxin(device_id, base_register, use_remapping, object) ((void)(device_id), (void)(base_register), (void)(use_remapping), (void)&(object))",
    "#define __sxout(device_id, base_register, use_remapping, object) ((void)(device_id), (void)(base_register), (void)(use_remapping), (void)&(object))",
    "#define __sxchg(device_id, base_register, use_remapping, object) ((void)(device_id), (void)(base_register), (void)(use_remapping), (void)&(object))",
};

}  // namespace

Family pruFamily() {
    Family family;
    family.name = "pru";
    family.instructionSet = InstructionSet::Pru;
    family.compiler = Compiler::Ti;
    family.installFamily = "pru";
    family.macros = {"__PRU__"};
    family.versionMacro = "__TI_COMPILER_VERSION__";
    // PRU code declares its I/O registers as file-scope register variables.
    family.keywords = {"__interrupt", "__far", "__near", "register"};
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    family.sizes.plainCharSigned = false;
    family.toolPrefixes = {"PRU_"};
    family.sdkFamilyNames = {"PRU"};
    return family;
}
