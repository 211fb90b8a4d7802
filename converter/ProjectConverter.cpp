#include "ProjectConverter.h"

#include "Console.h"
#include "model/Folders.h"

namespace {

// The file name after the last "\" without its last four characters (the
// ".pjt"); a name shorter than that stays whole.
std::string rootGroupName(const std::string& sourceProject) {
    std::string::size_type slash = sourceProject.rfind('\\');
    std::string name = slash == std::string::npos ? sourceProject : sourceProject.substr(slash + 1);
    return name.size() < 4 ? name : name.substr(0, name.size() - 4);
}

}  // namespace

ProjectConverter::ProjectConverter(const std::string& sourceProject, const std::string& destination)
    : sourceProjectPath(sourceProject),
      destinationFolder(destination),
      rootGroup(rootGroupName(sourceProject), this) {}

void ProjectConverter::addExtensions(const std::string& value) {
    std::string::size_type start = 0;
    for (std::string::size_type comma; (comma = value.find(',', start)) != std::string::npos; start = comma + 1)
        extensions.push_back(value.substr(start, comma - start));
    extensions.push_back(value.substr(start));
}

void ProjectConverter::defineBuildMacro(const std::string& definition) {
    std::string::size_type equals = definition.find('=');
    if (equals != std::string::npos)
        buildMacros[upperCase(definition.substr(0, equals))] = definition.substr(equals + 1);
}

void ProjectConverter::readProjectFile() {
    std::string projectFile = sourceProjectPath;
    toNativeSeparators(projectFile);
    reader.setProjectGroup(&rootGroup);
    reader.setConverter(this);
    std::string::size_type slash = projectFile.rfind('\\');
    rootGroup.setSourceFolder(slash == std::string::npos ? std::string() : projectFile.substr(0, slash + 1));
    reader.setExtensions(extensions);
    reader.openFile(projectFile);
    reader.parseProject();
}

int ProjectConverter::convert() {
    try {
        readProjectFile();
        return writeProjectFile();
    } catch (const AsciiReaderError&) {
        printLine("Could not open file: " + sourceProjectPath);
    } catch (const IOERROR& error) {
        if (error.code == 1)
            printLine("Could not create directory: " + error.path);
        else if (error.code == 2)
            printLine("Could not write file: " + error.path);
        else
            printLine("Refusing to write outside the destination folder: " + error.path);
    }
    return 1;
}
