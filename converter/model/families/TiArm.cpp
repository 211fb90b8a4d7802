#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's ARM compiler: the status register, interrupts,
// saturating arithmetic and the hint instructions.
const char* const intrinsics[] = {
    "void _call_swi(unsigned int src);",
    "unsigned int _disable_FIQ(void);",
    "unsigned int _disable_interrupts(void);",
    "unsigned int _disable_IRQ(void);",
    "unsigned int _enable_FIQ(void);",
    "unsigned int _enable_interrupts(void);",
    "unsigned int _enable_IRQ(void);",
    "unsigned int _get_CPSR(void);",
    "void _restore_interrupts(unsigned int src);",
    "void _set_CPSR(unsigned int src);",
    "void _set_CPSR_flg(unsigned int src);",
    "unsigned int _set_interrupt_priority(unsigned int src);",
    "int _norm(int src);",
    "int _sadd(int src1, int src2);",
    "int _smpy(int src1, int src2);",
    "int _ssub(int src1, int src2);",
    "int _subc(int src1, int src2);",
    "void __delay_cycles(unsigned int cycles);",
    "void __nop(void);",
    "void __sev(void);",
    "void __wfe(void);",
    "void __wfi(void);",
};

}  // namespace

Family tiArmFamily() {
    Family family;
    family.name = "arm";
    family.instructionSet = InstructionSet::Arm;
    family.compiler = Compiler::Ti;
    family.installFamily = "arm";
    family.clangTarget = "arm-none-eabi";
    family.macros = {"__TI_ARM__", "__TMS470__"};
    family.versionMacro = "__TI_COMPILER_VERSION__";
    family.endianness = {"__little_endian__", "__big_endian__", true};
    family.options = {
        {"--code_state=16", {"__16bis__"}},
        {"--code_state=32", {"__32bis__"}},
        {"--abi=eabi", {"__TI_EABI__", "__TI_EABI_SUPPORT__"}},
        {"--float_support=VFPv3D16", {"__TI_VFP_SUPPORT__", "__TI_VFPV3D16_SUPPORT__"}},
        {"--float_support=VFPv3", {"__TI_VFP_SUPPORT__", "__TI_VFPV3_SUPPORT__"}},
        {"--float_support=FPv4SPD16", {"__TI_VFP_SUPPORT__", "__TI_FPv4SPD16_SUPPORT__"}},
        {"--float_support=vfplib", {"__TI_VFPLIB_SUPPORT__"}},
    };
    // "near" and "far" are ordinary names for the ARM compiler.
    family.keywords = {"interrupt", "__interrupt"};
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    // Plain char is unsigned, as the ARM ABI has it.
    family.sizes.plainCharSigned = false;
    family.cpuFamilies = {{"TMS470R2X", {}}};
    family.toolPrefixes = {"TMS470_", "MSP432_", "ARM_"};
    family.sdkFamilyNames = {"ARM", "TMS470", "MSP432"};
    family.devicePrefixes = {"MSPM0", "MSP432", "CC1", "CC2", "CC3", "TM4C", "TMS570", "RM4", "RM5", "AM2", "AM6"};
    family.takesArmProcessorOptions = true;
    family.siliconVersions = {{"7M4", "cortex-m4"}, {"7M3", "cortex-m3"}, {"7R4", "cortex-r4"}, {"7R5", "cortex-r5"},
                              {"7A8", "cortex-a8"}, {"6M0", "cortex-m0"}, {"7M7", "cortex-m7"}};
    return family;
}
