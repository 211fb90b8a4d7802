#include "reader/SourceReading.h"


bool SourceReading::read(LineKind kind, std::string_view line, std::string_view previousLine) {
    if (kind == LineKind::Source)
        readSource(line);
    else if (kind == LineKind::Exclusion)
        readExclusion(line, previousLine);
    else
        return false;
    return true;
}

void SourceReading::readSource(std::string_view line) {
    std::string_view path = sourcePath(line);
    if (path.empty())
        return;
    paths.resolveSourcePath(path, resolved);
    if (!hasAcceptedExtension(resolved, extensions))
        return;
    sources.add(store.keep(resolved));
    keys.push_back({static_cast<std::uint32_t>(resolved.size()), Exclusions::hashOf(resolved)});
}

void SourceReading::readExclusion(std::string_view line, std::string_view previousLine) {
    ExclusionFields fields = exclusionFields(line, previousLine);
    if (fields.configuration.empty() || fields.file.empty())
        return;
    paths.resolveSourcePath(fields.file, resolved);
    exclusions.add(resolved, fields.configuration);
}

std::vector<ExcludedSource> SourceReading::excludedSources() const { return excludedSources(begin(), keys.size()); }

// The lines of a run follow each other as their keys do.
void SourceReading::step(Cursor& at) const {
    const std::string_view run = sources.lines()[at.run];
    at.line += keys[at.key].length + 2;
    ++at.key;
    if (at.line == run.data() + run.size()) {
        ++at.run;
        at.line = at.run < sources.lines().size() ? sources.lines()[at.run].data() : nullptr;
    }
}

std::vector<ExcludedSource> SourceReading::excludedSources(Cursor from, std::size_t endKey) const {
    std::vector<ExcludedSource> excluded;
    for (Cursor at = from; at.key < endKey; step(at)) {
        const SourceKey key = keys[at.key];
        const SourcePath source(at.line, key.length);
        if (const std::vector<std::string>* configurations = exclusions.of(source, key.hash))
            excluded.push_back({source, configurations});
    }
    return excluded;
}
