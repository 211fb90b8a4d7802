#ifndef KORRIN_GROUP_FILES_H
#define KORRIN_GROUP_FILES_H

#include <string>
#include <vector>

#include "model/SourceGroup.h"

using Files = std::vector<std::string>;

// The paths a group lists, in order.
inline Files filesOf(const SourceGroup& group) {
    return Files(group.getFiles().begin(), group.getFiles().end());
}

#endif
