#ifndef KORRIN_EXTENSIONS_H
#define KORRIN_EXTENSIONS_H

#include <list>
#include <optional>
#include <string>
#include <string_view>

// What a file is by its extension, the text after its last ".".

// Whether the extension of path (the whole path when it holds no ".")
// equals one of the extensions, letter case aside. An empty list accepts all.
bool hasAcceptedExtension(const std::string& path, const std::list<std::string>& extensions);

// C for the control law accelerator of C28x processors is Cla.
enum class Language { C, Cxx, Cla };

// The language TI's compilers compile a source in, whatever the letter case
// of its extension; nothing for a file that is no C, C++ or CLA source.
std::optional<Language> languageOf(std::string_view path);

#endif
