#ifndef KORRIN_INSTALL_VALUES_H
#define KORRIN_INSTALL_VALUES_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installs/TiInstalls.h"
#include "model/Project.h"

// A product a project asks for, as PRODUCTS= of its tool chain, its
// .ccsproject or its .projectspec names it: 'MSPM0-SDK:2.5.1.00'.
struct ProductRequest {
    std::string id;
    std::string version;  // empty or "latest" for any
};

// The products of a list 'sysconfig:1.24.0;MSPM0-SDK:2.5.1.00;' (or with
// "," between them, or without versions).
std::vector<ProductRequest> productRequests(std::string_view list);

// The values TI's installs give the variables of one project, as CCS gives
// them: the compiler of the configuration being read (CG_TOOL_ROOT,
// CG_TOOL_INCLUDE_PATH), the CCS that holds it or else the newest
// (CCS_INSTALL_ROOT, CCS_BASE_ROOT), and the products (<PREFIX>_INSTALL_DIR
// and the lists <PREFIX>_INCLUDE_PATH, _SYMBOLS, _LIBRARY_PATH, _LIBRARIES,
// _SYSCONFIG_MANIFEST). Of several versions it takes the one asked for,
// else the nearest newer, else the newest, and notes when it is not the one
// asked for. Every value found is noted once.
class InstallValues {
public:
    InstallValues(const TiInstalls& installs, std::vector<ProductRequest> requests);

    // The compiler of the configuration read from now on: the family as
    // compiler folders name it ("c2000"; empty when unknown) and the version asked.
    void setCompiler(std::string family, std::string version);

    // A folder's value; nothing for a name that is none of the above or
    // whose install is not here.
    std::optional<std::string> valueOf(const std::string& name);
    // A list's elements, each an include folder or a definition as the
    // product's metadata writes it, a relative folder made one of the product's.
    std::optional<std::vector<std::string>> listOf(const std::string& name);

    // A path into the TI folder of another machine ('C:\ti\...', 'D:/TI/...',
    // '\Applications\ti\...', '\home\me\ti\...', '\opt\ti\...') that does not
    // exist here, at the same place below the first TI folder of this
    // machine where that exists; nothing otherwise.
    std::optional<std::string> relocated(const std::string& path) const;

    const std::vector<MacroValue>& found() const { return foundValues; }
    const std::vector<std::string>& versionNotes() const { return notes; }

private:
    const CompilerInstall* compiler();
    const CcsInstall* ccs();
    const ProductInstall* productFor(const std::string& prefix);
    void noteFound(const std::string& name, const std::string& value);
    void noteVersion(const std::string& what, const std::string& taken, const std::string& asked);

    const TiInstalls& installs;
    std::vector<ProductRequest> requests;
    std::string family;
    std::string version;
    std::vector<MacroValue> foundValues;
    std::vector<std::string> notes;
};

#endif
