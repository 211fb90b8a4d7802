// Converts every input as a project file, once as it stands and once with
// "-rp" and the input itself as analyser personality, each time with the
// extension list the input's last byte may ask for, and checks what any
// conversion must look like.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver/CommandLine.h"
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
    static const char* const valueOptions[] = {"-pn", "-mp", "-ap", "-cp", "-ext", "-var"};
    return std::find(std::begin(valueOptions), std::end(valueOptions), argument) != std::end(valueOptions);
}

// The project lies in scratch/work beside the destination, so that a write
// up to two levels outside the destination is seen.
void convertInto(const TempDir& scratch, const std::string& destinationName, bool replicate,
                 const std::optional<std::string>& extensions) {
    const fs::path project = scratch / "work/app.pjt";
    const fs::path destination = scratch / ("work/" + destinationName);
    fs::create_directory(destination);
    std::vector<std::string> arguments{"Korrin", project.string(), destination.string()};
    if (replicate)
        arguments.insert(arguments.end(), {"-rp", "-ap", project.string()});
    if (extensions)
        arguments.insert(arguments.end(), {"-ext", *extensions});
    int status;
    std::string output;
    {
        testing_support::CapturedConsole console;
        status = runKorrin(arguments);
        output = console.text();
    }
    checkConsole(status, output, wantsValue(arguments.back()));
    if (fs::is_regular_file(destination / "app.prj"))
        checkPrjFile(testing_support::readFile(destination / "app.prj"), status == 0);
    fs::remove_all(destination);
    checkEntries(scratch.path().string(), testing_support::listTree(scratch.path()), {"work/", "work/app.pjt"});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TempDir scratch;
    testing_support::writeFile(scratch / "work/app.pjt", bytes);
    const std::optional<std::string> extensions = extensionList(bytes);
    convertInto(scratch, "out", false, extensions);
    convertInto(scratch, "out-rp", true, extensions);
    return 0;
}
