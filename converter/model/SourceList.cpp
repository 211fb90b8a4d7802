#include "model/SourceList.h"

SourceList::const_iterator& SourceList::const_iterator::operator++() {
    at = at.next();
    if (at == run->end) {
        ++run;
        at = run == lastRun ? SourcePath() : run->first;
    }
    return *this;
}

void SourceList::add(SourcePath path) { addRun({path, path.next()}); }

void SourceList::add(const SourceList& list) {
    for (const Run& run : list.runs)
        addRun(run);
}

// A run that starts where the last one ends joins it.
void SourceList::addRun(Run run) {
    if (!runs.empty() && runs.back().end == run.first)
        runs.back().end = run.end;
    else
        runs.push_back(run);
}

SourceList SourceList::without(const std::vector<SourcePath>& paths) const {
    SourceList rest;
    std::vector<SourcePath>::const_iterator left = paths.begin();
    for (Run run : runs) {
        // The paths left out of this run come first in the rest of the list.
        for (; left != paths.end() && *left < run.end && !(*left < run.first); ++left) {
            if (run.first != *left)
                rest.addRun({run.first, *left});
            run.first = left->next();
        }
        if (run.first != run.end)
            rest.addRun(run);
    }
    return rest;
}
