#ifndef KORRIN_GROUP_FILES_H
#define KORRIN_GROUP_FILES_H

#include <map>
#include <string>
#include <vector>

#include "model/PathStore.h"
#include "model/SourceGroup.h"

using Files = std::vector<std::string>;
using Macros = std::map<std::string, std::string>;

// The paths a list or a group holds, in order.
inline Files filesOf(const PathStore& paths, const SourceList& list) {
    Files files;
    for (SourceIndex source : list)
        files.emplace_back(paths[source]);
    return files;
}
inline Files filesOf(const PathStore& paths, const SourceGroup& group) { return filesOf(paths, group.getFiles()); }

// The value in force for each name; one that stands for a string in quotes.
inline Macros macrosOf(const SourceGroup& group) {
    Macros macros;
    for (const auto& [name, definition] : group.definitionsByName())
        macros[name] = definition.isString ? '"' + definition.value + '"' : definition.value;
    return macros;
}

#endif
