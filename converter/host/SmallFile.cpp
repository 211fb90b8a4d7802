#include "host/SmallFile.h"

#include "host/Host.h"

namespace host {

std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit) {
    std::ifstream input;
    if (!isRegularFile(path) || !openForReading(input, path))
        return std::nullopt;
    std::string text(limit + 1, '\0');
    input.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(input.gcount()));
    if (text.size() > limit || input.bad())
        return std::nullopt;
    return text;
}

}  // namespace host
