#include "model/SourceList.h"

SourceList::const_iterator& SourceList::const_iterator::operator++() {
    if (++at == run->end) {
        ++run;
        at = run == lastRun ? 0 : run->first;
    }
    return *this;
}

void SourceList::add(const SourceList& list) {
    for (const Run& run : list.runs)
        addRun(run.first, run.end);
}

// A run that starts where the last one ends joins it.
void SourceList::addRun(SourceIndex first, SourceIndex end) {
    if (!runs.empty() && runs.back().end == first)
        runs.back().end = end;
    else
        runs.push_back({first, end});
}

SourceList SourceList::without(const std::vector<SourceIndex>& sources) const {
    SourceList rest;
    std::vector<SourceIndex>::const_iterator left = sources.begin();
    for (const Run& run : runs) {
        SourceIndex start = run.first;
        // The sources left out of this run come first in the rest of the list.
        for (; left != sources.end() && *left < run.end && *left >= run.first; ++left) {
            if (start != *left)
                rest.addRun(start, *left);
            start = *left + 1;
        }
        if (start != run.end)
            rest.addRun(start, run.end);
    }
    return rest;
}
