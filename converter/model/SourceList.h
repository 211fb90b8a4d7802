#ifndef KORRIN_SOURCE_LIST_H
#define KORRIN_SOURCE_LIST_H

#include <cstddef>
#include <iterator>
#include <vector>

#include "model/PathStore.h"

// A group's files, in order, as runs of consecutive sources of the store.
// Sources are stored in the order the project lists them, so a
// configuration of a million files is as many runs as it leaves out
// sources, and costs no memory per file.
class SourceList {
    struct Run {
        SourceIndex first;
        SourceIndex end;  // one past the last
    };
    using Runs = std::vector<Run>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = SourceIndex;
        using difference_type = std::ptrdiff_t;
        using pointer = const SourceIndex*;
        using reference = SourceIndex;

        const_iterator(Runs::const_iterator run, Runs::const_iterator lastRun)
            : run(run), lastRun(lastRun), at(run == lastRun ? 0 : run->first) {}
        SourceIndex operator*() const { return at; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return run == other.run && at == other.at; }
        bool operator!=(const const_iterator& other) const { return !(*this == other); }

    private:
        Runs::const_iterator run;
        Runs::const_iterator lastRun;
        SourceIndex at;
    };

    void add(SourceIndex source) { addRun(source, source + 1); }
    void add(const SourceList& list);
    // This list without the given sources, which are in it, in its order.
    SourceList without(const std::vector<SourceIndex>& sources) const;

    bool empty() const { return runs.empty(); }
    const_iterator begin() const { return const_iterator(runs.begin(), runs.end()); }
    const_iterator end() const { return const_iterator(runs.end(), runs.end()); }

private:
    void addRun(SourceIndex first, SourceIndex end);

    Runs runs;  // none empty
};

#endif
