#ifndef KORRIN_COMPILER_FLAGS_H
#define KORRIN_COMPILER_FLAGS_H

#include <string>
#include <vector>

#include <pugixml.hpp>

// The compiler option of a CCS tool option ('...compilerID.KEY'), in the
// long form TI's compilers take on their command line, for the options that
// change what a parser of the sources sees: processor, memory models,
// floating point, ABI, dialect. Nothing for the others, a switch that is
// off or an empty setting. A list gives one option per value.
std::vector<std::string> compilerFlags(const pugi::xml_node& option);

// The settings of a CCS tool option, each trimmed: its list's values, else
// its one value (of an enumerated option the last part of its id).
std::vector<std::string> optionSettings(const pugi::xml_node& option);

// A compiler option as a command line gives it, in its long form: '-v28'
// as '--silicon_version=28', '-ml' as '--large_memory_model'; others as given.
std::string longFlag(const std::string& flag);

#endif
