#ifndef KORRIN_BENCH_CONFIGURATIONS_H
#define KORRIN_BENCH_CONFIGURATIONS_H

#include <cstddef>
#include <string>

// The build configurations of a synthetic product line: one device in a
// FLASH and a RAM build, 'F2812_FLASH', 'F2812_RAM', 'F28335_FLASH', ...

std::string configurationName(std::size_t configuration);

// The compiler's "Options=" line of a configuration, as Code Composer writes
// it: thirty include folders ("-i", many of them below "$(Proj_dir)" or the
// unset "$(Install_dir)"), twenty definitions in the "-d"NAME"",
// "-d"NAME=1"" and "-dNAME="text"" forms, and flags that are neither.
std::string compilerOptionsLine(std::size_t configuration);

// The linker's "Options=" line of a configuration.
std::string linkerOptionsLine(std::size_t configuration);

#endif
