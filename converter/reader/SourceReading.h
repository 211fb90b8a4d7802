#ifndef KORRIN_SOURCE_READING_H
#define KORRIN_SOURCE_READING_H

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "model/PathStore.h"
#include "model/SourceList.h"
#include "reader/Exclusions.h"
#include "reader/LineKinds.h"
#include "reader/ProjectPaths.h"

// A source that configurations exclude, with their names.
struct ExcludedSource {
    SourcePath source;
    const std::vector<std::string>* configurations;
};

// What the source and exclusion lines of a project file say: the sources in
// order, each path made absolute and kept when its extension is accepted,
// and the configurations that exclude each path.
class SourceReading {
public:
    SourceReading(PathStore& store, ProjectPaths& paths, const std::list<std::string>& extensions)
        : store(store), paths(paths), extensions(extensions) {}

    // Reads a source or an exclusion line; false for a line of another kind.
    bool read(LineKind kind, std::string_view line, std::string_view previousLine);

    const SourceList& list() const { return sources; }
    // The sources that configurations exclude, in order. Each source is
    // looked up once: a configuration's files are then its runs of sources
    // split where it excludes one.
    std::vector<ExcludedSource> excludedSources() const;

private:
    void readSource(std::string_view line);
    void readExclusion(std::string_view line, std::string_view previousLine);

    // Where a walk over the sources stands.
    struct Cursor {
        std::size_t run;   // in the list's runs
        const char* line;  // in that run
        std::size_t key;
    };

    Cursor begin() const { return {0, sources.lines().empty() ? nullptr : sources.lines()[0].data(), 0}; }
    // The next source.
    void step(Cursor& at) const;
    std::vector<ExcludedSource> excludedSources(Cursor from, std::size_t endKey) const;

    // What the lookups need of a source, taken while its text is at hand:
    // they then read the text only of the few sources that may match.
    struct SourceKey {
        std::uint32_t length;
        std::uint32_t hash;  // as Exclusions::hashOf gives it
    };

    PathStore& store;
    ProjectPaths& paths;
    const std::list<std::string>& extensions;
    std::string resolved;  // the last path read, made absolute
    SourceList sources;
    std::vector<SourceKey> keys;  // a key per source, in the list's order
    Exclusions exclusions;
};

#endif
