#include "reader/ProjectFileReader.h"

#include <utility>

#include "ProjectConverter.h"
#include "model/GroupFolders.h"
#include "reader/ProjectParse.h"

void ProjectFileReader::openFile(const std::string& path) {
    filePath = path;
    if (!input.open(path))
        throw AsciiReaderError{2};
}

bool ProjectFileReader::parseProject() {
    ProjectParse parse(*projectGroup, *converter, extensions);
    std::string line;
    std::string previousLine;
    while (input.readLine(line)) {
        parse.apply(line, previousLine);
        // The next read overwrites the buffer that held the line before.
        std::swap(previousLine, line);
    }
    input.close();
    parse.distributeSources();
    converter->setUnresolvedMacros(parse.unresolvedMacros());
    if (parse.unplaceableSource()) {
        refuseGroupsOutside(*projectGroup);
        throw *parse.unplaceableSource();
    }
    return true;
}
