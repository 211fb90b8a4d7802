#ifndef KORRIN_COMPILER_ENTRIES_H
#define KORRIN_COMPILER_ENTRIES_H

#include <optional>
#include <string>
#include <vector>

#include "model/Definition.h"
#include "model/SourceGroup.h"
#include "readers/ccs/CcsVariables.h"
#include "readers/ccs/CompilerCommandLine.h"

// An include folder of the compiler, as CCS passes it: literal quotes
// dropped, variables expanded, "\" between folders, and a relative folder
// taken from the configuration's build folder, where CCS's makefiles
// compile; a folder of another machine's TI folder found on this one. One
// that still holds a variable without a value stays as written.
std::string includeFolder(const std::string& written, const std::string& buildFolder, CcsVariables& variables);

// The include folders of an entry: one, or one for each element of a list
// it names whole (${COM_TI_..._INCLUDE_PATH}), none for an empty list.
std::vector<std::string> includeFolders(const std::string& written, const std::string& buildFolder,
                                        CcsVariables& variables);

// The definitions of an entry of the compiler, as the shell that runs CCS's
// makefiles passes them: literal quotes around the entry dropped, variables
// expanded, quotes inside the value removed unless they are escaped
// ('\"abc\"' stands for the string "abc"); one for each element of a list
// it names whole (${COM_TI_..._SYMBOLS}). None for an empty entry or one
// that still holds a variable without a value.
std::vector<Definition> ccsDefinitions(const std::string& written, CcsVariables& variables);

// How the files a compiler command line names are found: option files and
// files read first, as include folders are.
Locate compilerFiles(const std::string& buildFolder, CcsVariables& variables);

// A group of the source folder with the include folders and definitions of
// the compiler, as includeFolders and ccsDefinitions give them.
SourceGroup compilerGroup(const std::string& name, const std::string& sourceFolder, const std::string& buildFolder,
                          const std::vector<std::string>& includePaths, const std::vector<std::string>& defines,
                          CcsVariables& variables);

#endif
