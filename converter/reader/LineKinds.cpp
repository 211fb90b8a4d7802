#include "reader/LineKinds.h"

namespace {

struct Marker {
    const char* text;
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
std::string upToLastQuote(const std::string& line, std::string::size_type start) {
    std::string::size_type quote = line.rfind('"');
    if (quote == std::string::npos || quote < start)
        return withoutTrailingCr(line.substr(start));
    return line.substr(start, quote - start);
}

// The text from start up to the next double quote, or up to the end.
std::string upToNextQuote(const std::string& line, std::string::size_type start) {
    std::string::size_type quote = line.find('"', start);
    return line.substr(start, quote == std::string::npos ? std::string::npos : quote - start);
}

}  // namespace

std::string withoutTrailingCr(std::string text) {
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

LineKind classifyLine(const std::string& line) {
    for (const Marker& marker : markers)
        if (line.find(marker.text) != std::string::npos)
            return marker.kind;
    return LineKind::Other;
}

std::string cpuFamilyValue(const std::string& line) {
    std::string::size_type equals = line.find('=');
    return equals == std::string::npos ? std::string() : withoutTrailingCr(line.substr(equals + 1));
}

std::string sourcePath(const std::string& line) {
    std::string::size_type first = line.find('"');
    std::string::size_type last = line.rfind('"');
    if (first == std::string::npos || first == last)
        return std::string();
    return withoutTrailingCr(line.substr(first + 1, last - first - 1));
}

std::string configurationName(const std::string& line) {
    const std::string marker = ": \"";
    std::string::size_type at = line.find(marker);
    return at == std::string::npos ? std::string() : upToLastQuote(line, at + marker.size());
}

ExclusionFields exclusionFields(const std::string& line, const std::string& previousLine) {
    const std::string settingsMarker = "Settings: \"";
    const std::string fileMarker = "[\"";
    std::string::size_type settings = previousLine.find(settingsMarker);
    std::string::size_type file = previousLine.find(fileMarker);
    if (line.find("true") == std::string::npos || settings == std::string::npos || file == std::string::npos)
        return {};
    return {upToLastQuote(previousLine, settings + settingsMarker.size()),
            upToNextQuote(previousLine, file + fileMarker.size())};
}
