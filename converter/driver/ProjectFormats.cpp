#include "driver/ProjectFormats.h"

#include "base/PathText.h"
#include "host/Host.h"
#include "readers/eclipse/CcsReader.h"
#include "readers/projectspec/ProjectSpecReader.h"
#include "readers/pjt/PjtReader.h"

namespace {

// A folder that is no project itself, or any folder with "-all".
bool isFolderOfProjects(const std::string& location, bool all) {
    std::string path = location;
    toNativeSeparators(path);
    return host::isDirectory(path) && (all || !host::exists(withoutTrailingSeparator(path) + "\\.project"));
}

const ProjectFormat pjt{ProjectKind::Pjt, [](const std::string& location, bool) { return isPjtLocation(location); },
                        readPjtProject};

const ProjectFormat formats[] = {
    {ProjectKind::ProjectSpec, [](const std::string& location, bool) { return isProjectSpecLocation(location); },
     readProjectSpecProject},
    pjt,
    {ProjectKind::FolderOfProjects, isFolderOfProjects, nullptr},
    {ProjectKind::Ccs, [](const std::string& location, bool) { return isCcsProjectLocation(location); }, readCcsProject},
};

}  // namespace

const ProjectFormat& formatOf(const std::string& location, bool all) {
    for (const ProjectFormat& format : formats)
        if (format.recognise(location, all))
            return format;
    return pjt;
}
