#include "WrittenTree.h"

#include <algorithm>

#include "TestSupport.h"

namespace fs = std::filesystem;

RunResult snapshot(int status, std::string output, const fs::path& folder) {
    RunResult result{status, std::move(output), {}};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        if (entry.is_directory())
            result.entries[relative + "/"] = std::nullopt;
        else
            result.entries[relative] = testing_support::readFile(entry.path());
    }
    return result;
}

namespace {

// Bytes around at, with line ends and other control and eight-bit bytes
// shown as escapes.
std::string excerpt(const std::string& bytes, std::size_t at) {
    const std::size_t start = at < 40 ? 0 : at - 40;
    std::string shown;
    for (unsigned char c : bytes.substr(start, 80)) {
        static const char hex[] = "0123456789abcdef";
        if (c >= 0x20 && c < 0x7f && c != '\\')
            shown += static_cast<char>(c);
        else
            shown += std::string("\\x") + hex[c >> 4] + hex[c & 15];
    }
    return "'" + shown + "'";
}

std::size_t firstDifference(const std::string& a, const std::string& b) {
    return std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin()).first - a.begin();
}

std::string bytesDiffer(const std::string& what, const std::string& before, const std::string& after) {
    const std::size_t at = firstDifference(before, after);
    return what + " differs at byte " + std::to_string(at) + ": " + excerpt(before, at) + " became " +
           excerpt(after, at);
}

}  // namespace

namespace {

std::string foldedLine(std::string line) {
    for (const char* name : {"FolderName=", "  Creating Group - ", "-d \""})
        if (line.rfind(name, 0) == 0)
            return line;
    std::replace(line.begin(), line.end(), '\\', '/');
    const std::string key = "SourcePath=";
    const std::string::size_type end = line.size() - (!line.empty() && line.back() == '\r');
    if (line.rfind(key, 0) == 0 && end >= key.size() + 2 && line.compare(end - 2, 2, "//") == 0)
        line = key + (line[key.size()] == '/' ? "" : "/") + line.substr(key.size(), end - key.size() - 1) +
               line.substr(end);
    return line;
}

std::string foldedText(const std::string& text) {
    std::string folded;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        folded += foldedLine(text.substr(start, end - start)) + "\n";
    return folded + foldedLine(text.substr(start));
}

}  // namespace

void foldSeparators(RunResult& run) {
    run.output = foldedText(run.output);
    for (auto& entry : run.entries)
        if (entry.second)
            *entry.second = foldedText(*entry.second);
}

std::vector<std::string> differences(const RunResult& before, const RunResult& after, std::size_t most) {
    std::vector<std::string> found;
    if (before.status != after.status)
        found.push_back("status " + std::to_string(before.status) + " became " + std::to_string(after.status));
    if (before.output != after.output)
        found.push_back(bytesDiffer("standard output", before.output, after.output));
    for (const auto& [path, bytes] : before.entries) {
        auto other = after.entries.find(path);
        if (other == after.entries.end())
            found.push_back("only before: " + path);
        else if (bytes && other->second && *bytes != *other->second)
            found.push_back(bytesDiffer(path, *bytes, *other->second));
    }
    for (const auto& entry : after.entries)
        if (before.entries.count(entry.first) == 0)
            found.push_back("only after: " + entry.first);
    if (found.size() > most)
        found.resize(most);
    return found;
}
