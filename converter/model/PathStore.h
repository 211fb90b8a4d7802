#ifndef KORRIN_PATH_STORE_H
#define KORRIN_PATH_STORE_H

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// A source file's path as a PathStore keeps it: a view of the text, which
// the groups of every configuration share.
class SourcePath {
public:
    SourcePath() = default;
    SourcePath(const char* text, std::size_t length) : text(text), length(length) {}
    operator std::string_view() const { return {text, length}; }

    // The path's line in the store: its text, then CR LF.
    const char* lineStart() const { return text; }
    const char* lineEnd() const { return text + length + 2; }

    bool operator==(SourcePath other) const { return text == other.text; }
    bool operator!=(SourcePath other) const { return text != other.text; }
    // The order in which a block holds its paths.
    bool operator<(SourcePath other) const { return std::less<const char*>()(text, other.text); }

private:
    const char* text = nullptr;
    std::size_t length = 0;
};

// The text of every source path of a project, each kept once, in large
// blocks: a million sources cost a few hundred allocations. A path is kept
// as the line a file list writes for it, CR LF included, and paths kept one
// after the other follow each other in a block: a list of them is a few runs
// of lines (see SourceList), written as they stand. A SourcePath stays valid
// as long as the store.
class PathStore {
public:
    PathStore() = default;
    PathStore(const PathStore&) = delete;
    PathStore& operator=(const PathStore&) = delete;

    // The path must not hold a line end.
    SourcePath keep(std::string_view path);

private:
    std::vector<std::unique_ptr<char[]>> blocks;
    char* unused = nullptr;  // the rest of the last block
    std::size_t room = 0;
};

#endif
