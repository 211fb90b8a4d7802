#include "SyntheticProject.h"

#include <fstream>
#include <vector>

#include "Configurations.h"
#include "Exclusions.h"
#include "SourceTree.h"

namespace {

const char* const lineEnd = "\r\n";

void writeProjectSettings(const ProjectShape& shape, std::ostream& out) {
    out << "; Code Composer Project File, Version 2.0 (do not modify or remove this line)" << lineEnd << lineEnd
        << "[Project Settings]" << lineEnd << "ProjectDir=\"C:\\work\\product\\\"" << lineEnd
        << "ProjectType=Executable" << lineEnd << "CPUFamily=TMS320C28XX" << lineEnd;
    for (const char* tool : {"Compiler", "CustomBuilder", "DspBiosBuilder", "Linker"})
        out << "Tool=\"" << tool << "\"" << lineEnd;
    for (std::size_t configuration = 0; configuration < shape.configurations; ++configuration)
        out << "Config=\"" << configurationName(configuration) << "\"" << lineEnd;
    out << lineEnd;
}

void writeSources(const ProjectShape& shape, const SourceTree& tree, std::ostream& out) {
    out << "[Source Files]" << lineEnd;
    for (std::size_t source = 0; source < shape.sources; ++source)
        out << "Source=\"" << tree.sourcePath(source) << "\"" << lineEnd;
    out << lineEnd;
}

// A settings header, its lines and the blank line after them.
void writeSection(std::ostream& out, const std::string& header, const std::vector<std::string>& lines) {
    out << header << lineEnd;
    for (const std::string& line : lines)
        out << line << lineEnd;
    out << lineEnd;
}

// The header of the settings of a tool, or of a file, in one configuration.
std::string settingsHeader(const std::string& subject, std::size_t configuration) {
    return "[\"" + subject + "\" Settings: \"" + configurationName(configuration) + "\"]";
}

void writeConfigurations(const ProjectShape& shape, std::ostream& out) {
    for (std::size_t configuration = 0; configuration < shape.configurations; ++configuration)
        writeSection(out, "[\"" + configurationName(configuration) + "\" Settings]",
                     {"FinalBuildCmd=rem ---- Begin Custom Post Build Steps ----", "FinalBuildCmd=del *.lkf",
                      "FinalBuildCmd=rem ---- End Custom Post Build Steps ----"});
    for (std::size_t configuration = 0; configuration < shape.configurations; ++configuration)
        writeSection(out, settingsHeader("Compiler", configuration), {compilerOptionsLine(configuration)});
    for (std::size_t configuration = 0; configuration < shape.configurations; ++configuration)
        writeSection(out, settingsHeader("DspBiosBuilder", configuration), {"Options=-v28"});
    for (std::size_t configuration = 0; configuration < shape.configurations; ++configuration)
        writeSection(out, settingsHeader("Linker", configuration), {linkerOptionsLine(configuration)});
}

void writeExclusions(const ProjectShape& shape, const SourceTree& tree, std::ostream& out) {
    for (const Exclusion& exclusion : chooseExclusions(shape.sources, shape.configurations, shape.exclusions))
        writeSection(out, settingsHeader(tree.sourcePath(exclusion.source), exclusion.configuration),
                     {"ExcludeFromBuild=true"});
}

}  // namespace

ProjectShape productLineShape(std::size_t sources) {
    const std::size_t configurations = 4;
    const std::size_t sourcesPerExclusion = 10;
    return {sources, configurations, sources / sourcesPerExclusion};
}

std::optional<std::string> shapeProblem(const ProjectShape& shape) {
    // Divided rather than multiplied, so that no size can overflow.
    if (shape.exclusions > 0 &&
        (shape.configurations == 0 || (shape.exclusions - 1) / shape.configurations >= shape.sources))
        return std::string("more exclusions than pairs of a source and a configuration");
    return std::nullopt;
}

void writeProject(const ProjectShape& shape, std::ostream& out) {
    SourceTree tree(shape.sources);
    writeProjectSettings(shape, out);
    writeSources(shape, tree, out);
    writeConfigurations(shape, out);
    writeExclusions(shape, tree, out);
}

bool writePjtFile(const ProjectShape& shape, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    writeProject(shape, out);
    out.close();
    return !out.fail();
}
