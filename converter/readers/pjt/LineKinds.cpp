#include "readers/pjt/LineKinds.h"

namespace {

struct Marker {
    std::string_view text;
    LineKind kind;
};

const Marker markers[] = {
    {"ProjectName", LineKind::ProjectName},
    {"CPUFamily", LineKind::CpuFamily},
    {"Source=", LineKind::Source},
    {"[\"Compiler\" Settings: ", LineKind::CompilerSettings},
    {"[\"Linker\" Settings: ", LineKind::LinkerSettings},
    {"Options=", LineKind::Options},
    {"ExcludeFromBuild=", LineKind::Exclusion},
};

// The text from start up to the last double quote of the line, or up to the
// end of the line when no quote lies at or after start.
std::string_view upToLastQuote(std::string_view line, std::string_view::size_type start) {
    std::string_view::size_type quote = line.rfind('"');
    if (quote == std::string_view::npos || quote < start)
        return withoutTrailingCr(line.substr(start));
    return line.substr(start, quote - start);
}

// The text from start up to the next double quote, or up to the end.
std::string_view upToNextQuote(std::string_view line, std::string_view::size_type start) {
    std::string_view::size_type quote = line.find('"', start);
    return line.substr(start, quote == std::string_view::npos ? std::string_view::npos : quote - start);
}

}  // namespace

std::string_view withoutTrailingCr(std::string_view text) {
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    return text;
}

LineKind classifyLine(std::string_view line) {
    for (const Marker& marker : markers)
        if (line.find(marker.text) != std::string_view::npos)
            return marker.kind;
    return LineKind::Other;
}

std::string cpuFamilyValue(std::string_view line) {
    std::string_view::size_type equals = line.find('=');
    return equals == std::string_view::npos ? std::string() : std::string(withoutTrailingCr(line.substr(equals + 1)));
}

std::string_view sourcePath(std::string_view line) {
    std::string_view::size_type first = line.find('"');
    std::string_view::size_type last = line.rfind('"');
    if (first == std::string_view::npos || first == last)
        return std::string_view();
    return withoutTrailingCr(line.substr(first + 1, last - first - 1));
}

std::string configurationName(std::string_view line) {
    const std::string_view marker = ": \"";
    std::string_view::size_type at = line.find(marker);
    return at == std::string_view::npos ? std::string() : std::string(upToLastQuote(line, at + marker.size()));
}

ExclusionFields exclusionFields(std::string_view line, std::string_view previousLine) {
    const std::string_view settingsMarker = "Settings: \"";
    const std::string_view fileMarker = "[\"";
    std::string_view::size_type settings = previousLine.find(settingsMarker);
    std::string_view::size_type file = previousLine.find(fileMarker);
    if (line.find("true") == std::string_view::npos || settings == std::string_view::npos ||
        file == std::string_view::npos)
        return {};
    return {upToLastQuote(previousLine, settings + settingsMarker.size()),
            upToNextQuote(previousLine, file + fileMarker.size())};
}
