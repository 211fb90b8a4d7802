#include "readers/pjt/PjtReader.h"

#include <utility>

#include "base/ConversionError.h"
#include "base/PathText.h"
#include "readers/pjt/LineReader.h"
#include "readers/pjt/PjtParse.h"

namespace {

// The file name after the last "\" without its last four characters; a name
// shorter than that stays whole.
std::string rootGroupName(const std::string& projectFile) {
    std::string::size_type slash = projectFile.rfind('\\');
    std::string name = slash == std::string::npos ? projectFile : projectFile.substr(slash + 1);
    return name.size() < 4 ? name : name.substr(0, name.size() - 4);
}

}  // namespace

bool isPjtLocation(const std::string& location) { return endsWith(upperCase(location), ".PJT"); }

Project readPjtProject(const std::string& projectFile, const ReadOptions& options) {
    std::string nativePath = projectFile;
    toNativeSeparators(nativePath);
    LineReader input;
    if (!input.open(nativePath))
        throw ConversionError(ConversionError::Kind::CannotOpenProject, projectFile);
    Project project(rootGroupName(projectFile));
    project.name = defaultProjectName(projectFile);
    project.folder = folderOf(projectFile);
    std::string::size_type slash = nativePath.rfind('\\');
    project.root.setSourceFolder(slash == std::string::npos ? std::string() : nativePath.substr(0, slash + 1));

    PjtParse parse(project, options.macros, options.extensions);
    std::string line;
    std::string previousLine;
    while (input.readLine(line)) {
        parse.apply(line, previousLine);
        // The next read overwrites the buffer that held the line before.
        std::swap(previousLine, line);
    }
    input.close();
    parse.finish();
    return project;
}

std::string defaultProjectName(const std::string& sourcePath) {
    std::string name = sourcePath.substr(0, sourcePath.rfind('.'));
    std::string::size_type slash = name.rfind('\\');
    std::string::size_type start = slash == std::string::npos ? 0 : slash + 1;
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot >= start)
        return name.substr(start, dot - start);
    return name.substr(start);
}
