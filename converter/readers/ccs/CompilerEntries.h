#ifndef KORRIN_COMPILER_ENTRIES_H
#define KORRIN_COMPILER_ENTRIES_H

#include <optional>
#include <string>
#include <vector>

#include "model/Definition.h"
#include "model/SourceGroup.h"
#include "model/Target.h"
#include "readers/ccs/CcsVariables.h"

// An include folder of the compiler, as CCS passes it: literal quotes
// dropped, variables expanded, "\" between folders, and a relative folder
// taken from the configuration's build folder, where CCS's makefiles
// compile. One that still holds a variable without a value stays as written.
std::string includeFolder(const std::string& written, const std::string& buildFolder, CcsVariables& variables);

// A definition of the compiler, as the shell that runs CCS's makefiles
// passes it: literal quotes around the entry dropped, variables expanded,
// quotes inside the value removed unless they are escaped ('\"abc\"' stands
// for the string "abc"). Nothing for an empty entry or one that still holds
// a variable without a value (a list of CCS's own, such as
// ${COM_TI_..._SYMBOLS}).
std::optional<Definition> ccsDefinition(const std::string& written, CcsVariables& variables);

// A group of the source folder with the include folders and definitions of
// the compiler, as includeFolder and ccsDefinition give them.
SourceGroup compilerGroup(const std::string& name, const std::string& sourceFolder, const std::string& buildFolder,
                          const std::vector<std::string>& includePaths, const std::vector<std::string>& defines,
                          CcsVariables& variables);

// Adds the compiler's options (long forms) to the target: a file to read
// first ("--preinclude=") found as an include folder is, the others as given.
void addCompilerOptions(const std::vector<std::string>& options, const std::string& buildFolder,
                        CcsVariables& variables, Target& target);

#endif
