#ifndef KORRIN_TARGET_ARGUMENTS_H
#define KORRIN_TARGET_ARGUMENTS_H

#include <string>
#include <vector>

#include "base/Extensions.h"
#include "model/Target.h"

// The arguments that tell clang, for a source of the language, what the
// target's compiler is: clang's own target where it has one, else one of
// the same type widths; the language standard and the sign of plain char;
// the types clang's own headers give as the compiler's headers give them;
// the compiler's macros and its keywords defined away. Nothing but what C++
// needs for a target of no family Korrin knows.
std::vector<std::string> targetArguments(const Target& target, Language language);

#endif
