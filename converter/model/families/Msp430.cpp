#include "model/families/FamilyTables.h"

namespace {

// The intrinsics of TI's MSP430 compiler.
const char* const intrinsics[] = {
    "unsigned short __bcd_add_short(unsigned short op1, unsigned short op2);",
    "unsigned long __bcd_add_long(unsigned long op1, unsigned long op2);",
    "unsigned short __bic_SR_register(unsigned short mask);",
    "unsigned short __bic_SR_register_on_exit(unsigned short mask);",
    "unsigned short __bis_SR_register(unsigned short mask);",
    "unsigned short __bis_SR_register_on_exit(unsigned short mask);",
    "unsigned long __data16_read_addr(unsigned short addr);",
    "void __data16_write_addr(unsigned short addr, unsigned long src);",
    "unsigned char __data20_read_char(unsigned long addr);",
    "unsigned long __data20_read_long(unsigned long addr);",
    "unsigned short __data20_read_short(unsigned long addr);",
    "void __data20_write_char(unsigned long addr, unsigned char src);",
    "void __data20_write_long(unsigned long addr, unsigned long src);",
    "void __data20_write_short(unsigned long addr, unsigned short src);",
    "void __delay_cycles(unsigned long cycles);",
    "void __disable_interrupt(void);",
    "void __disable_interrupts(void);",
    "void __enable_interrupt(void);",
    "void __enable_interrupts(void);",
    "unsigned short __even_in_range(unsigned short value, unsigned short range);",
    "unsigned short __get_interrupt_state(void);",
    "unsigned short __get_R4_register(void);",
    "unsigned short __get_R5_register(void);",
    "unsigned short __get_SP_register(void);",
    "unsigned short __get_SR_register(void);",
    "unsigned short __get_SR_register_on_exit(void);",
    "void __low_power_mode_0(void);",
    "void __low_power_mode_1(void);",
    "void __low_power_mode_2(void);",
    "void __low_power_mode_3(void);",
    "void __low_power_mode_4(void);",
    "void __low_power_mode_off_on_exit(void);",
    "void __never_executed(void);",
    "void __no_operation(void);",
    "void __op_code(unsigned short op);",
    "void __set_interrupt_state(unsigned short state);",
    "void __set_R4_register(unsigned short value);",
    "void __set_R5_register(unsigned short value);",
    "void __set_SP_register(unsigned short value);",
    "unsigned short __swap_bytes(unsigned short src);",
};

// Data pointers of 20 bits held in 32; so is size_t in the large model.
void restrictedData(TypeSizes& sizes) {
    sizes.pointerBits = 32;
}
void largeData(TypeSizes& sizes) {
    sizes.pointerBits = 32;
    sizes.sizeBits = 32;
}

}  // namespace

Family msp430Family() {
    Family family;
    family.name = "msp430";
    family.instructionSet = InstructionSet::Msp430;
    family.compiler = Compiler::Ti;
    family.installFamily = "msp430";
    family.clangTarget = "msp430";
    family.macros = {"__MSP430__"};
    family.versionMacro = "__TI_COMPILER_VERSION__";
    family.deviceMacroPrefixes = {"MSP430"};
    family.options = {
        {"--silicon_version=mspx", {"__MSP430X__"}},
        {"--code_model=large", {"__LARGE_CODE_MODEL__"}},
        {"--data_model=large", {"__LARGE_DATA_MODEL__", "__LONG_PTRDIFF_T__"}, largeData},
        {"--data_model=restricted", {"__LARGE_DATA_MODEL__"}, restrictedData},
    };
    // "near" and "far" are ordinary names for the MSP430 compiler.
    family.keywords = {"__interrupt", "__cregister"};
    family.intrinsics.assign(std::begin(intrinsics), std::end(intrinsics));
    // Plain char is unsigned unless --plain_char=signed.
    family.sizes.intBits = 16;
    family.sizes.pointerBits = 16;
    family.sizes.sizeBits = 16;
    family.sizes.wcharBits = 16;
    family.sizes.plainCharSigned = false;
    family.toolPrefixes = {"MSP430_"};
    family.sdkFamilyNames = {"MSP430"};
    family.devicePrefixes = {"MSP430"};
    return family;
}
