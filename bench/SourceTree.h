#ifndef KORRIN_BENCH_SOURCE_TREE_H
#define KORRIN_BENCH_SOURCE_TREE_H

#include <cstddef>
#include <string>

// Where the sources of a synthetic product line lie: three folder levels
// (area, module, unit) below "src", or for one leaf folder in eight below
// the shared "..\common", about twenty sources per leaf folder. The depth
// stays the same at every size, so that the cost per source can be compared
// across sizes; the fan-out grows with the project instead, to tens of
// folders per level at a million sources.
class SourceTree {
public:
    explicit SourceTree(std::size_t sources);

    // The path of the source as its "Source=" line writes it, relative to
    // the project folder: 'src\motor\epwm\observer\observer_07.c'.
    std::string sourcePath(std::size_t index) const;

    std::size_t foldersPerLevel() const { return fanOut; }

private:
    std::size_t fanOut;
};

#endif
