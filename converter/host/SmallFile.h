#ifndef KORRIN_SMALL_FILE_H
#define KORRIN_SMALL_FILE_H

#include <cstddef>
#include <optional>
#include <string>

namespace host {

// The bytes of an ordinary file (not a folder or a device) of at most
// limit bytes; nothing when there is none, it cannot be read or it is
// larger. The files read so are a few lines of metadata or options, and a
// huge one must not stall a run.
std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit);

}  // namespace host

#endif
