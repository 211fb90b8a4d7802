#include "base/PathText.h"

#include <algorithm>
#include <vector>

void toNativeSeparators(std::string& path) { std::replace(path.begin(), path.end(), '/', '\\'); }

std::string withoutTrailingSeparator(const std::string& path) {
    if (path.size() < 2 || path.back() != '\\' || path[path.size() - 2] == ':')
        return path;
    return path.substr(0, path.size() - 1);
}

std::string folderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

namespace {

// The root that path starts with: "\\server\", "\", "C:\" or "C:"; empty
// for a relative path.
std::string::size_type rootLength(const std::string& path) {
    if (startsWith(path, "\\\\")) {
        const std::string::size_type server = path.find('\\', 2);
        return server == std::string::npos ? path.size() : server + 1;
    }
    if (startsWith(path, "\\"))
        return 1;
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
    return 0;
}

}  // namespace

std::string foldedPath(const std::string& path) {
    if (path.empty() || path.find("${") != std::string::npos)
        return path;
    const std::string::size_type root = rootLength(path);
    std::vector<std::string> names;
    for (std::string::size_type start = root; start < path.size();) {
        const std::string::size_type end = std::min(path.find('\\', start), path.size());
        const std::string name = path.substr(start, end - start);
        if (name == ".." && !names.empty() && names.back() != "..")
            names.pop_back();
        else if (name == ".." ? root == 0 : !name.empty() && name != ".")
            names.push_back(name);
        start = end + 1;
    }
    std::string folded = path.substr(0, root);
    for (std::size_t i = 0; i < names.size(); ++i)
        folded += (i == 0 ? "" : "\\") + names[i];
    if (!names.empty() && path.back() == '\\')
        folded += '\\';
    return folded.empty() ? "." : folded;
}

bool staysInside(const std::string& relativePath) {
    int depth = 0;
    std::string::size_type start = 0;
    while (start <= relativePath.size()) {
        std::string::size_type end = std::min(relativePath.find_first_of("\\/", start), relativePath.size());
        std::string segment = relativePath.substr(start, end - start);
        if (segment == "..") {
            if (--depth < 0)
                return false;
        } else if (!segment.empty() && segment != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return true;
}

std::string baseName(const std::string& name) {
    std::string::size_type separator = name.rfind('\\');
    if (separator == std::string::npos)
        separator = name.rfind('/');
    return separator == std::string::npos ? name : name.substr(separator + 1);
}

std::string lastFolderName(const std::string& parentPath) {
    std::string::size_type backslash = parentPath.find('\\');
    std::string::size_type slash = parentPath.find('/');
    if (backslash == std::string::npos && slash == std::string::npos)
        return parentPath;
    char separator = slash == std::string::npos || (backslash != std::string::npos && backslash > slash) ? '\\' : '/';
    return parentPath.substr(parentPath.rfind(separator) + 1);
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return text;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

std::string stripChar(const std::string& text, char c) {
    std::string::size_type first = text.find_first_not_of(c);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(c) - first + 1);
}

bool isRootedPath(const std::string& path) {
    return (!path.empty() && path[0] == '\\') || (path.size() >= 2 && path[1] == ':');
}

std::string trimmed(std::string_view text) {
    const std::string_view::size_type first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return std::string();
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

std::string withoutEnclosingQuotes(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

bool startsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}
