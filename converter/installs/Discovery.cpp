#include "installs/Discovery.h"

#include <algorithm>
#include <optional>
#include <set>

#include "base/PathText.h"
#include "host/Host.h"
#include "host/SortedEntries.h"
#include "installs/ProductMetadata.h"
#include "installs/Version.h"

namespace {

const std::string compilerPrefix = "ti-cgt-";

std::vector<host::FolderEntry> subfolders(const std::string& folder) {
    std::vector<host::FolderEntry> entries = host::sortedFolderEntries(folder);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const host::FolderEntry& entry) { return !entry.isFolder || entry.name[0] == '.'; }),
                  entries.end());
    return entries;
}

// 'ccs2041' is 20.4.1, 'ccs1281' 12.8.1, 'ccs930' 9.3.0, 'ccsv8' 8,
// 'ccstheia140' 14.0: the last two digits are minor and patch.
std::string ccsVersion(const std::string& name) {
    const std::string::size_type start = name.find_first_of("0123456789");
    if (start == std::string::npos)
        return std::string();
    const std::string digits = name.substr(start, name.find_first_not_of("0123456789", start) - start);
    if (digits.size() < 3)
        return digits;
    const std::string::size_type major = digits.size() - 2;
    return digits.substr(0, major) + "." + digits[major] + "." + digits[major + 1];
}

// 'ti-cgt-c2000_22.6.1.LTS' and the older 'c2000_15.12.3.LTS': the family
// before the first "_", the version after it, which begins with a digit.
std::optional<CompilerInstall> compilerNamed(const std::string& name, const std::string& folder,
                                            const std::string& ccsFolder, bool bareFormToo) {
    const bool prefixed = startsWith(name, compilerPrefix);
    if (!prefixed && !bareFormToo)
        return std::nullopt;
    const std::string rest = prefixed ? name.substr(compilerPrefix.size()) : name;
    const std::string::size_type underscore = rest.find('_');
    if (underscore == std::string::npos || underscore == 0 || underscore + 1 >= rest.size() ||
        rest[underscore + 1] < '0' || rest[underscore + 1] > '9')
        return std::nullopt;
    return CompilerInstall{lowerCase(rest.substr(0, underscore)), rest.substr(underscore + 1), folder, ccsFolder};
}

class Discovery {
public:
    TiInstalls take() { return std::move(installs); }
    void look(const std::string& tiFolder);

private:
    void addCcs(const std::string& folder, const std::string& name);
    bool addProduct(const std::string& folder, const std::string& name);

    TiInstalls installs;
    std::set<std::string> seen;  // real folders of the TI folders and the products
};

void Discovery::addCcs(const std::string& folder, const std::string& name) {
    const std::string ccs = folder + "\\ccs";
    installs.ccsInstalls.push_back({ccs, ccsVersion(name)});
    const std::string compilers = ccs + "\\tools\\compiler";
    for (const host::FolderEntry& entry : subfolders(compilers))
        if (std::optional<CompilerInstall> compiler = compilerNamed(entry.name, compilers + "\\" + entry.name, ccs, true))
            installs.compilers.push_back(std::move(*compiler));
}

// A product names its version or describes itself in .metadata; one
// reached again through a link is not another.
bool Discovery::addProduct(const std::string& folder, const std::string& name) {
    if (folderVersion(name).empty() && !host::isDirectory(folder + "\\.metadata"))
        return false;
    const std::optional<std::string> real = host::realFolder(folder);
    if (real && seen.insert(*real).second)
        installs.products.push_back(readProduct(folder, name));
    return true;
}

void Discovery::look(const std::string& tiFolder) {
    const std::optional<std::string> real = host::realFolder(tiFolder);
    if (!real || !host::isDirectory(tiFolder) || !seen.insert(*real).second)
        return;
    installs.tiFolders.push_back(tiFolder);
    for (const host::FolderEntry& entry : subfolders(tiFolder)) {
        const std::string folder = tiFolder + "\\" + entry.name;
        if (startsWith(lowerCase(entry.name), "ccs") && host::isDirectory(folder + "\\ccs")) {
            addCcs(folder, entry.name);
        } else if (std::optional<CompilerInstall> compiler = compilerNamed(entry.name, folder, std::string(), false)) {
            installs.compilers.push_back(std::move(*compiler));
        } else if (!addProduct(folder, entry.name)) {
            for (const host::FolderEntry& inner : subfolders(folder))
                if (!compilerNamed(inner.name, std::string(), std::string(), false))
                    addProduct(folder + "\\" + inner.name, inner.name);
        }
    }
}

}  // namespace

TiInstalls discoverTiInstalls(const std::vector<std::string>& tiFolders) {
    Discovery discovery;
    for (const std::string& folder : tiFolders)
        discovery.look(withoutTrailingSeparator(folder));
    return discovery.take();
}
