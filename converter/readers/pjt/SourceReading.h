#ifndef KORRIN_SOURCE_READING_H
#define KORRIN_SOURCE_READING_H

#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "model/PathStore.h"
#include "model/SourceList.h"
#include "readers/pjt/Exclusions.h"
#include "readers/pjt/LineKinds.h"
#include "readers/pjt/PjtPaths.h"

// A source that configurations exclude, with their names.
struct ExcludedSource {
    SourceIndex source;
    const std::vector<std::string>* configurations;
};

// What the source and exclusion lines of a .pjt file say: the sources in
// order, each path made absolute and kept when its extension is accepted,
// and the configurations that exclude each path.
class SourceReading {
public:
    SourceReading(PathStore& store, PjtPaths& paths, const std::list<std::string>& extensions)
        : store(store), paths(paths), extensions(extensions) {}

    // Reads a source or an exclusion line; false for a line of another kind.
    bool read(LineKind kind, std::string_view line, std::string_view previousLine);

    const SourceList& list() const { return sources; }
    // The sources that configurations exclude, in order, each looked up once.
    std::vector<ExcludedSource> excludedSources() const;

private:
    void readSource(std::string_view line);
    void readExclusion(std::string_view line, std::string_view previousLine);

    PathStore& store;
    PjtPaths& paths;
    const std::list<std::string>& extensions;
    std::string resolved;  // the last path read, made absolute
    SourceList sources;
    Exclusions exclusions;
};

#endif
