#include "PrjFileShape.h"

#include <filesystem>
#include <stdexcept>

#include "TestSupport.h"

namespace testing_support {
namespace {

class PrjLines {
public:
    PrjLines(const std::string& bytes, StrayCarriageReturns carriageReturns) {
        const char* stray = carriageReturns == StrayCarriageReturns::Refused ? "\r\n" : "\n";
        std::string::size_type start = 0;
        while (start < bytes.size()) {
            std::string::size_type end = bytes.find("\r\n", start);
            if (end == std::string::npos)
                throw std::runtime_error("line without CR LF: " + bytes.substr(start));
            if (bytes.substr(start, end - start).find_first_of(stray) != std::string::npos)
                throw std::runtime_error("stray CR or LF in line: " + bytes.substr(start, end - start));
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
    }

    bool atEnd() const { return next == lines.size(); }
    const std::string& peek() const {
        if (atEnd())
            throw std::runtime_error("unexpected end of the project file");
        return lines[next];
    }
    std::string take() {
        std::string line = peek();
        ++next;
        return line;
    }
    void expect(const std::string& line) {
        if (take() != line)
            throw std::runtime_error("expected " + line + " at line " + std::to_string(next) + ": " + lines[next - 1]);
    }
    std::string value(const std::string& key) {
        std::string line = take();
        if (line.compare(0, key.size(), key) != 0)
            throw std::runtime_error("expected " + key + " at line " + std::to_string(next) + ": " + line);
        return line.substr(key.size());
    }

private:
    std::vector<std::string> lines;
    std::size_t next = 0;
};

ProjectBlock readBlock(PrjLines& lines) {
    ProjectBlock block;
    lines.expect("StartProjectMarker");
    block.name = lines.value("FolderName=");
    for (const char* key : {"SourcePath=", "OutputPath=", "SubsPers=", "AnalPers=", "CompPers="})
        block.keys.push_back(key + lines.value(key));
    while (lines.peek() != "EndContainedFilesMarker")
        block.files.push_back(lines.take());
    lines.take();
    if (!lines.atEnd() && lines.peek() == "StartSubProjectMarker") {
        lines.take();
        while (lines.peek() != "EndSubProjectMarker")
            block.children.push_back(readBlock(lines));
        lines.take();
    }
    return block;
}

}  // namespace

ProjectBlock readPrjFile(const std::string& bytes, StrayCarriageReturns carriageReturns) {
    PrjLines lines(bytes, carriageReturns);
    lines.expect("VersionTag45");
    ProjectBlock root;
    if (!lines.atEnd())
        root = readBlock(lines);
    if (!lines.atEnd())
        throw std::runtime_error("lines after the root block: " + lines.peek());
    return root;
}

std::vector<std::string> filesBelow(const ProjectBlock& block) {
    std::vector<std::string> files = block.files;
    for (const ProjectBlock& child : block.children) {
        std::vector<std::string> more = filesBelow(child);
        files.insert(files.end(), more.begin(), more.end());
    }
    return files;
}

std::vector<std::string> nonPosixPathLines(const std::string& destination) {
    namespace fs = std::filesystem;
    const char* const names[] = {"FolderName=", "-d \"", "StartProjectMarker", "EndContainedFilesMarker",
                                 "StartSubProjectMarker", "EndSubProjectMarker", "VersionTag45"};
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(destination)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".prj" && extension != ".p_a")
            continue;
        const std::string bytes = readFile(entry.path());
        for (std::string::size_type start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::string line = bytes.substr(start, end - start);
            bool name = false;
            for (const char* kind : names)
                name = name || line.rfind(kind, 0) == 0;
            const bool rooted = line.rfind("SourcePath=/", 0) == 0 || line.rfind("OutputPath=/", 0) == 0 ||
                                (line.rfind("SourcePath=", 0) != 0 && line.rfind("OutputPath=", 0) != 0);
            if (!name && (line.find('\\') != std::string::npos || !rooted))
                found.push_back(entry.path().filename().string() + ": " + line);
        }
    }
    return found;
}

}  // namespace testing_support
