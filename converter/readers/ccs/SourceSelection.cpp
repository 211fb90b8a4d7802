#include "readers/ccs/SourceSelection.h"

#include <set>

#include "base/Extensions.h"
#include "base/PathText.h"

namespace {

// The extensions of the sources CCS's makefiles compile (C, C++, C2000
// CLA, TI and GNU assembly, C6000 linear assembly, and the suffixes of
// older compilers) and of headers.
const std::set<std::string> sourceAndHeaderExtensions{
    "C",   "CC",  "CPP", "CXX", "C++", "CLA", "ASM", "S",   "SA",  "H",   "HH",  "HPP", "HXX",
    "H++", "C43", "C55", "C62", "C64", "C67", "S43", "S55", "S62", "S64", "S67"};

}  // namespace

bool isCcsSourceOrHeader(const std::string& name) {
    const std::string::size_type dot = name.rfind('.');
    const std::string::size_type slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    return sourceAndHeaderExtensions.count(upperCase(name.substr(dot + 1))) != 0;
}

bool isAcceptedFile(const std::string& name, const std::list<std::string>& extensions) {
    return extensions.empty() ? isCcsSourceOrHeader(name) : hasAcceptedExtension(name, extensions);
}
