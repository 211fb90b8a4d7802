#ifndef KORRIN_FAMILY_H
#define KORRIN_FAMILY_H

#include <string>
#include <utility>
#include <vector>

#include "model/Target.h"

// The sizes in bits of the scalar types as a compiler lays them out, and
// the sign of plain char.
struct TypeSizes {
    int charBits = 8;
    int shortBits = 16;
    int intBits = 32;
    int longBits = 32;
    int longLongBits = 64;
    int floatBits = 32;
    int doubleBits = 64;
    int longDoubleBits = 64;
    int pointerBits = 32;
    int sizeBits = 32;  // of size_t
    int wcharBits = 32;
    bool plainCharSigned = true;
};

// What a compiler option (in its long form) changes: macros it predefines
// too, and type sizes it sets.
struct OptionEffect {
    std::string option;  // "--float_support=fpu32"
    std::vector<std::string> macros;
    void (*sizes)(TypeSizes&) = nullptr;
};

// The macros of the byte order, which "--little_endian" and
// "--big_endian" choose.
struct Endianness {
    std::string little;
    std::string big;
    bool bigByDefault = false;
};

// A CPU family as a Code Composer 3.x project names it, and the options
// that its name stands for.
struct CpuFamilyName {
    std::string name;  // "TMS320C64XX"
    std::vector<std::string> options;
};

// What a host parser (clang, cppcheck) must know of one compiler of one
// instruction set to read sources as that compiler does, from TI's
// compiler user's guides.
struct Family {
    std::string name;  // "c28x": names the files written for it
    InstructionSet instructionSet = InstructionSet::Unknown;
    Compiler compiler = Compiler::Unknown;
    bool forCla = false;  // C28x code for the control law accelerator
    std::string installFamily;           // 'ti-cgt-<installFamily>_<version>'; empty for none
    std::string clangTarget;             // clang's own target; empty where clang has none
    // The header folders the compiler's driver searches after the
    // project's, below its install and in its order. CCS projects name
    // TI's own compilers' "include" folder themselves.
    std::vector<std::string> systemIncludeFolders;
    std::vector<std::string> macros;     // predefined whatever the options, "NAME" or "NAME=value"
    std::vector<OptionEffect> options;   // in the order their macros are given
    std::string versionMacro;            // the compiler's version, "__TI_COMPILER_VERSION__"
    int versionDigits = 3;               // per part of the version: 15.12.3 is 15012003
    Endianness endianness;               // none where no macro tells it
    // The devices whose name the compiler gets as a macro, "__<DEVICE>__",
    // by the start of their names: MSP430 headers choose the device's
    // registers by it, which CCS and SysConfig put among the definitions.
    std::vector<std::string> deviceMacroPrefixes;
    std::vector<std::string> keywords;   // of the relaxed mode the compiler reads by default
    // The compiler's intrinsics, which no header declares: each a
    // declaration with TI's signature, or a macro where TI's compiler takes
    // the call for an lvalue or a parameter for a reference.
    std::vector<std::string> intrinsics;
    TypeSizes sizes;
    std::vector<CpuFamilyName> cpuFamilies;  // as .pjt files name it
    // How CCS projects and SDKs name the instruction set, for the family of
    // TI's own compiler of it: the start of CCS's compiler tools
    // ('com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug' is
    // "C2000_"), the family as SDKs name it ("C2000"), and the start of TI's
    // part names of its devices ("TMS320F28").
    std::vector<std::string> toolPrefixes;
    std::vector<std::string> sdkFamilyNames;
    std::vector<std::string> devicePrefixes;
    // clang takes the compiler's own -mcpu=, -march=, -mfloat-abi= and
    // -mfpu= as they are.
    bool takesArmProcessorOptions = false;
    // TI's processor versions ("--silicon_version=7M4") as clang names the
    // processor ("cortex-m4").
    std::vector<std::pair<std::string, std::string>> siliconVersions;
};

#endif
