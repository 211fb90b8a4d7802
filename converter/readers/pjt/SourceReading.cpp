#include "readers/pjt/SourceReading.h"

#include "base/Extensions.h"

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
    if (hasAcceptedExtension(resolved, extensions))
        sources.add(store.keep(resolved));
}

void SourceReading::readExclusion(std::string_view line, std::string_view previousLine) {
    ExclusionFields fields = exclusionFields(line, previousLine);
    if (fields.configuration.empty() || fields.file.empty())
        return;
    paths.resolveSourcePath(fields.file, resolved);
    exclusions.add(resolved, fields.configuration);
}

std::vector<ExcludedSource> SourceReading::excludedSources() const {
    std::vector<ExcludedSource> excluded;
    for (SourceIndex source : sources)
        if (const std::vector<std::string>* configurations = exclusions.of(store[source]))
            excluded.push_back({source, configurations});
    return excluded;
}
