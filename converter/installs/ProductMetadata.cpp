#include "installs/ProductMetadata.h"

#include <nlohmann/json.hpp>

#include "base/PathText.h"
#include "host/SmallFile.h"
#include "installs/Version.h"

namespace {

using nlohmann::json;

const std::size_t largestMetadata = 4 << 20;
const std::string installDirSuffix = "_INSTALL_DIR";

// The object that describes the product: the file's own, or the first of
// its array; a null value when the file holds neither.
json describingObject(const std::string& path) {
    const std::optional<std::string> text = host::readSmallFile(path, largestMetadata);
    if (!text)
        return json();
    json document = json::parse(*text, nullptr, false);
    if (document.is_array() && !document.empty())
        document = document.front();
    return document.is_object() ? document : json();
}

std::string textOf(const json& object, const char* key) {
    const auto value = object.find(key);
    return value != object.end() && value->is_string() ? trimmed(value->get<std::string>()) : std::string();
}

std::vector<std::string> textsOf(const json& object, const char* key) {
    std::vector<std::string> texts;
    const auto value = object.find(key);
    if (value == object.end() || !value->is_array())
        return texts;
    for (const json& item : *value)
        if (item.is_string() && !trimmed(item.get<std::string>()).empty())
            texts.push_back(trimmed(item.get<std::string>()));
    return texts;
}

// The id and version of the first description that gives them.
void readIdentity(const std::string& metadata, ProductInstall& product) {
    for (const char* file : {"\\.tirex\\package.tirex.json", "\\product.json", "\\sdk.json"}) {
        const json description = describingObject(metadata + file);
        if (description.is_null())
            continue;
        const std::string id = textOf(description, file[1] == '.' ? "id" : "name");
        if (id.empty())
            continue;
        product.id = id;
        if (const std::string version = textOf(description, "version"); !version.empty())
            product.version = version;
        return;
    }
}

void readCcsMacros(const std::string& metadata, ProductInstall& product) {
    const json description = describingObject(metadata + "\\.tirex\\package.ccs.json");
    if (description.is_null())
        return;
    const std::string rootMacro = textOf(description, "rootMacroName");
    if (!rootMacro.empty())
        product.macroPrefix =
            endsWith(rootMacro, installDirSuffix) ? rootMacro.substr(0, rootMacro.size() - installDirSuffix.size()) : rootMacro;
    product.includePaths = textsOf(description, "compilerIncludePath");
    product.symbols = textsOf(description, "compilerSymbols");
}

bool isLetterOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

std::string macroPrefixOf(const std::string& id) {
    std::string name = startsWith(id, "com.ti.") ? id.substr(7) : id;
    for (char& c : name)
        if (!isLetterOrDigit(c))
            c = '_';
    return "COM_TI_" + upperCase(name);
}

ProductInstall readProduct(const std::string& folder, const std::string& folderName) {
    ProductInstall product;
    product.folder = folder;
    product.id = folderProduct(folderName);
    product.version = folderVersion(folderName);
    const std::string metadata = folder + "\\.metadata";
    readIdentity(metadata, product);
    readCcsMacros(metadata, product);
    if (product.macroPrefix.empty())
        product.macroPrefix = macroPrefixOf(product.id);
    return product;
}
