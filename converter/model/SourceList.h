#ifndef KORRIN_SOURCE_LIST_H
#define KORRIN_SOURCE_LIST_H

#include <cstddef>
#include <iterator>
#include <vector>

#include "model/PathStore.h"

// A group's files, in order, as runs of paths that a PathStore kept one right
// after the other. Sources are kept in the order the project file lists them,
// so a configuration of a million files is as many runs as it has exclusions,
// and neither costs memory per file nor a pass over the files to make.
class SourceList {
    struct Run {
        SourcePath first;
        SourcePath end;  // where the path after the run's last would start
    };
    using Runs = std::vector<Run>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = SourcePath;
        using difference_type = std::ptrdiff_t;
        using pointer = const SourcePath*;
        using reference = SourcePath;

        const_iterator(Runs::const_iterator run, Runs::const_iterator lastRun)
            : run(run), lastRun(lastRun), at(run == lastRun ? SourcePath() : run->first) {}
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

private:
    void addRun(Run run);

    Runs runs;  // none empty
};

#endif
