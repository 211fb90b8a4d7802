#include "readers/eclipse/ProjectOptions.h"

#include "base/PathText.h"
#include "host/Host.h"
#include "readers/ccs/XmlFile.h"

ProjectOptions readProjectOptions(const std::string& folder) {
    const std::string path = folder + "\\.ccsproject";
    if (!host::exists(path))
        return {};
    const pugi::xml_document document = readXmlFile(path);
    const pugi::xml_node options = document.child("projectOptions");
    return {trimmed(options.child("deviceVariant").attribute("value").as_string()),
            trimmed(options.child("codegenToolVersion").attribute("value").as_string()),
            trimmed(options.child("products").attribute("value").as_string())};
}
