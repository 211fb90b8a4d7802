#include "model/SourceList.h"

#include <cstring>
#include <functional>

SourceList::const_iterator::const_iterator(Runs::const_iterator run, Runs::const_iterator lastRun)
    : run(run), lastRun(lastRun), at(run == lastRun ? SourcePath() : pathAt(run->data())) {}

SourceList::const_iterator& SourceList::const_iterator::operator++() {
    const char* next = at.lineEnd();
    if (next == run->data() + run->size()) {
        ++run;
        at = run == lastRun ? SourcePath() : pathAt(run->data());
    } else {
        at = pathAt(next);
    }
    return *this;
}

// A path holds no line end, so its line ends at the first LF.
SourcePath SourceList::const_iterator::pathAt(const char* start) const {
    const char* lf = static_cast<const char*>(std::memchr(start, '\n', run->data() + run->size() - start));
    return SourcePath(start, static_cast<std::size_t>(lf - start) - 1);
}

void SourceList::add(SourcePath path) { addRun(path.lineStart(), path.lineEnd()); }

void SourceList::add(const SourceList& list) {
    for (std::string_view run : list.runs)
        addRun(run.data(), run.data() + run.size());
}

// A run that starts where the last one ends joins it.
void SourceList::addRun(const char* start, const char* end) {
    if (!runs.empty() && runs.back().data() + runs.back().size() == start)
        runs.back() = std::string_view(runs.back().data(), runs.back().size() + (end - start));
    else
        runs.emplace_back(start, end - start);
}

SourceList SourceList::without(const std::vector<SourcePath>& paths) const {
    const std::less<const char*> before;
    SourceList rest;
    std::vector<SourcePath>::const_iterator left = paths.begin();
    for (std::string_view run : runs) {
        const char* start = run.data();
        const char* end = run.data() + run.size();
        // The paths left out of this run come first in the rest of the list.
        for (; left != paths.end() && before(left->lineStart(), end) && !before(left->lineStart(), start); ++left) {
            if (start != left->lineStart())
                rest.addRun(start, left->lineStart());
            start = left->lineEnd();
        }
        if (start != end)
            rest.addRun(start, end);
    }
    return rest;
}
