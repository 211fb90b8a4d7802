#include "SourcePaths.h"

#include <algorithm>

namespace {

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return text;
}

}  // namespace

std::string resolveSourcePath(const std::string& path, const std::string& projectFolder) {
    if (path.find(':') != std::string::npos)
        return path;
    return projectFolder + "\\" + path;
}

bool hasAcceptedExtension(const std::string& path, const std::list<std::string>& extensions) {
    if (extensions.empty())
        return true;
    std::string::size_type dot = path.rfind('.');
    std::string extension = upperCase(dot == std::string::npos ? path : path.substr(dot + 1));
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](const std::string& entry) { return upperCase(entry) == extension; });
}
