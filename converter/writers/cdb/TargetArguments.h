#ifndef KORRIN_TARGET_ARGUMENTS_H
#define KORRIN_TARGET_ARGUMENTS_H

#include <string>
#include <vector>

#include "base/Extensions.h"
#include "model/Target.h"

// The arguments that tell clang, for a source of the language, what the
// target's compiler predefines and accepts: clang's own target where it has
// one, the language standard, the compiler's macros and its keywords
// defined away. A target of which only the CPU family is known gets that
// family's macros and keywords.
std::vector<std::string> targetArguments(const Target& target, Language language);

#endif
