// Converts every input as a project file, once as it stands and once with
// "-rp" and the input itself as analyser personality, each time with the
// extension list the input's last byte may ask for; then as the .project
// and as the .cproject of a Code Composer Studio project whose other file is
// sound, and as a .projectspec; then as every metadata file of a product in
// a TI folder, for a CCS project that uses the product's macros. Checks what
// any conversion must look like, and that nothing is written outside the
// destination.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver/CommandLine.h"
#include "installs/Discovery.h"
#include "installs/InstallValues.h"
#include "ConversionChecks.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

// Bit 4 of the last byte asks for "-ext"; its low four bits give the length
// of the value, taken from the bytes before it.
std::optional<std::string> extensionList(const std::string& bytes) {
    if (bytes.empty() || (bytes.back() & 0x10) == 0)
        return std::nullopt;
    std::size_t length = std::min<std::size_t>(bytes.back() & 0x0f, bytes.size() - 1);
    return bytes.substr(bytes.size() - 1 - length, length);
}

bool wantsValue(const std::string& argument) {
    static const char* const valueOptions[] = {"-pn", "-mp", "-ap", "-cp", "-ext", "-var", "-ti", "-config"};
    return std::find(std::begin(valueOptions), std::end(valueOptions), argument) != std::end(valueOptions);
}

// Runs Korrin and checks its console and the .prj files it wrote.
void convert(std::vector<std::string> arguments, const fs::path& destination) {
    fs::create_directory(destination);
    int status;
    std::string output;
    {
        testing_support::CapturedConsole console;
        status = runKorrin(arguments);
        output = console.text();
    }
    checkConsole(status, output, wantsValue(arguments.back()));
    for (const fs::directory_entry& entry : fs::directory_iterator(destination))
        if (entry.path().extension() == ".prj")
            checkPrjFile(testing_support::readFile(entry.path()), status == 0);
    fs::remove_all(destination);
}

// The project lies in scratch/work beside the destination, so that a write
// up to two levels outside the destination is seen.
void convertInto(const TempDir& scratch, const std::string& destinationName, bool replicate,
                 const std::optional<std::string>& extensions) {
    const fs::path project = scratch / "work/app.pjt";
    std::vector<std::string> arguments{"Korrin", project.string(), (scratch / ("work/" + destinationName)).string()};
    if (replicate)
        arguments.insert(arguments.end(), {"-rp", "-ap", project.string()});
    if (extensions)
        arguments.insert(arguments.end(), {"-ext", *extensions});
    convert(arguments, scratch / ("work/" + destinationName));
    checkEntries(scratch.path().string(), testing_support::listTree(scratch.path()), {"work/", "work/app.pjt"});
}

const char* const soundProject =
    "<projectDescription><name>app</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>"
    "</projectDescription>";
const char* const soundCproject =
    "<cproject><storageModule><cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration "
    "name=\"Debug\"/></storageModule></cconfiguration></storageModule></cproject>";

// The input as fuzzedFile (".project" or ".cproject") of a CCS project
// beside the .pjt, with one source.
void convertCcs(const TempDir& scratch, const std::string& bytes, const std::string& fuzzedFile) {
    const fs::path project = scratch / "work/ccs";
    testing_support::writeFile(project / ".project", fuzzedFile == ".project" ? bytes : soundProject);
    testing_support::writeFile(project / ".cproject", fuzzedFile == ".cproject" ? bytes : soundCproject);
    testing_support::writeFile(project / "a.c", "int a;\n");
    convert({"Korrin", project.string(), (scratch / "work/out").string(), "-rp", "-cdb"}, scratch / "work/out");
    checkEntries(scratch.path().string(), testing_support::listTree(scratch.path()),
                 {"work/", "work/app.pjt", "work/ccs/", "work/ccs/.cproject", "work/ccs/.project", "work/ccs/a.c"});
    fs::remove_all(project);
}

// The input as a .projectspec beside one source.
void convertProjectSpec(const TempDir& scratch, const std::string& bytes) {
    const fs::path folder = scratch / "work/spec";
    testing_support::writeFile(folder / "app.projectspec", bytes);
    testing_support::writeFile(folder / "a.c", "int a;\n");
    convert({"Korrin", (folder / "app.projectspec").string(), (scratch / "work/out").string(), "-rp", "-cdb"},
            scratch / "work/out");
    checkEntries(scratch.path().string(), testing_support::listTree(scratch.path()),
                 {"work/", "work/app.pjt", "work/spec/", "work/spec/a.c", "work/spec/app.projectspec"});
    fs::remove_all(folder);
}

// The input as each metadata file of the product 'sdk_1_00' of a TI folder,
// found for a CCS project that uses its folder, its include folders and its
// symbols by the macros CCS would name after its id, and asks for it by the
// input too.
void convertWithInstalls(const TempDir& scratch, const std::string& bytes) {
    const fs::path ti = scratch / "work/ti";
    for (const char* file : {"sdk_1_00/.metadata/.tirex/package.tirex.json", "sdk_1_00/.metadata/.tirex/package.ccs.json",
                             "sdk_1_00/.metadata/product.json"})
        testing_support::writeFile(ti / file, bytes);
    const fs::path project = scratch / "work/ccs";
    testing_support::writeFile(project / ".project", soundProject);
    testing_support::writeFile(
        project / ".cproject",
        "<cproject><storageModule><cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration "
        "name=\"Debug\"><folderInfo resourcePath=\"\"><toolChain><option superClass=\"x.OPT_TAGS\"><listOptionValue "
        "value=\"PRODUCTS=sdk:1.0;\"/></option><tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_22.6.exe."
        "compilerDebug\"><option superClass=\"x.INCLUDE_PATH\"><listOptionValue value=\"${COM_TI_SDK_INCLUDE_PATH}\"/>"
        "<listOptionValue value=\"${COM_TI_SDK_INSTALL_DIR}/source\"/></option><option superClass=\"x.DEFINE\">"
        "<listOptionValue value=\"${COM_TI_SDK_SYMBOLS}\"/></option></tool></toolChain></folderInfo></configuration>"
        "</storageModule></cconfiguration></storageModule></cproject>");
    testing_support::writeFile(project / "a.c", "int a;\n");
    convert({"Korrin", project.string(), (scratch / "work/out").string(), "-cdb", "-ti", ti.string()}, scratch / "work/out");
    const TiInstalls installs = discoverTiInstalls({testing_support::korrinPath(ti)});
    InstallValues values(installs, productRequests(bytes));
    for (const ProductInstall& product : installs.products)
        for (const char* suffix : {"_INCLUDE_PATH", "_SYMBOLS", "_LIBRARIES"})
            values.listOf(product.macroPrefix + suffix);
    fs::remove_all(project);
    fs::remove_all(ti);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TempDir scratch;
    testing_support::writeFile(scratch / "work/app.pjt", bytes);
    const std::optional<std::string> extensions = extensionList(bytes);
    convertInto(scratch, "out", false, extensions);
    convertInto(scratch, "out-rp", true, extensions);
    convertCcs(scratch, bytes, ".project");
    convertCcs(scratch, bytes, ".cproject");
    convertProjectSpec(scratch, bytes);
    convertWithInstalls(scratch, bytes);
    return 0;
}
