#ifndef KORRIN_SOURCE_LIST_H
#define KORRIN_SOURCE_LIST_H

#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

#include "model/PathStore.h"

// A group's files, in order, as runs of paths that a PathStore kept one right
// after the other. Sources are kept in the order the project file lists them,
// so a configuration of a million files is as many runs as it has exclusions,
// and neither costs memory per file nor a pass over the files to make. A run
// is the text of its paths' lines, which a file list writes as it stands.
class SourceList {
    using Runs = std::vector<std::string_view>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = SourcePath;
        using difference_type = std::ptrdiff_t;
        using pointer = const SourcePath*;
        using reference = SourcePath;

        const_iterator(Runs::const_iterator run, Runs::const_iterator lastRun);
        SourcePath operator*() const { return at; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return at == other.at; }
        bool operator!=(const const_iterator& other) const { return at != other.at; }

    private:
        // The path whose line starts at start, in the current run.
        SourcePath pathAt(const char* start) const;

        Runs::const_iterator run;
        Runs::const_iterator lastRun;
        SourcePath at;
    };

    void add(SourcePath path);
    void add(const SourceList& list);
    // This list without the given paths, which are in it, in its order.
    SourceList without(const std::vector<SourcePath>& paths) const;

    bool empty() const { return runs.empty(); }
    const_iterator begin() const { return const_iterator(runs.begin(), runs.end()); }
    const_iterator end() const { return const_iterator(runs.end(), runs.end()); }
    // The lines of the list, a run at a time.
    const std::vector<std::string_view>& lines() const { return runs; }

private:
    void addRun(const char* start, const char* end);

    Runs runs;  // none empty
};

#endif
