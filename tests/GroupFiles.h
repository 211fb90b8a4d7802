#ifndef KORRIN_GROUP_FILES_H
#define KORRIN_GROUP_FILES_H

#include <string>
#include <vector>

#include "model/SourceGroup.h"

using Files = std::vector<std::string>;

// The paths a list or a group holds, in order.
inline Files filesOf(const SourceList& list) { return Files(list.begin(), list.end()); }
inline Files filesOf(const SourceGroup& group) { return filesOf(group.getFiles()); }

#endif
