#ifndef KORRIN_TARGET_H
#define KORRIN_TARGET_H

#include <algorithm>
#include <string>
#include <vector>

enum class InstructionSet { Unknown, Arm, Msp430, C28x, C55x, C6x, Pru, C24x, C54x };

// Whose compiler: TI's own, TI's clang-based one, or GNU's; unknown where a
// project names only a CPU family.
enum class Compiler { Unknown, Ti, TiClang, Gnu };

// What builds the sources of a configuration, as far as it changes what a
// parser of those sources must be told.
struct Target {
    InstructionSet instructionSet = InstructionSet::Unknown;
    Compiler compiler = Compiler::Unknown;
    std::string compilerVersion;  // as TI writes it, "15.12.3.LTS"; empty when unknown
    std::string device;           // "TMS320F28335", "MSP430G2553"; empty when unknown
    // The compiler's options that change what a parser sees, each in its
    // long form: "--silicon_version=28", "--c99", "-mcpu=cortex-m4".
    std::vector<std::string> options;
    std::vector<std::string> preincludes;  // files the compiler reads before each source
    // The folders of the compiler's own headers found here, which it
    // searches after the project's, in its order.
    std::vector<std::string> systemIncludes;

    bool hasOption(const std::string& option) const {
        return std::find(options.begin(), options.end(), option) != options.end();
    }
};

#endif
