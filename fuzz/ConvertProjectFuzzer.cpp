// Converts every input as a project file, once as it stands and once with
// "-rp" and the input itself as analyser personality, each time with the
// extension list the input's last byte may ask for, and checks what any
// conversion must look like.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConversionChecks.h"
#include "ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

// One folder per process below the temporary folder, which the script
// running the fuzzer places in memory and removes.
const fs::path& scratchBase() {
    static const fs::path base = [] {
        std::string pattern = (fs::temp_directory_path() / "korrin-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return fs::path(pattern);
    }();
    return base;
}

// Bit 4 of the last byte asks for "-ext"; its low four bits give the length
// of the value, taken from the bytes before it.
std::optional<std::string> extensionList(const std::string& bytes) {
    if (bytes.empty() || (bytes.back() & 0x10) == 0)
        return std::nullopt;
    std::size_t length = std::min<std::size_t>(bytes.back() & 0x0f, bytes.size() - 1);
    return bytes.substr(bytes.size() - 1 - length, length);
}

struct Conversion {
    int status;
    std::string output;
};

Conversion convert(const std::vector<std::string>& arguments) {
    std::ostringstream console;
    std::streambuf* previous = std::cout.rdbuf(console.rdbuf());
    int status = runKorrin(arguments);
    std::cout.rdbuf(previous);
    return {status, console.str()};
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void convertInto(const ScratchFolder& scratch, const fs::path& project, const std::string& destinationName,
                 bool replicate, const std::optional<std::string>& extensions) {
    const fs::path destination = scratch.path() / destinationName;
    fs::create_directory(destination);
    std::vector<std::string> arguments{"Korrin", project.string(), destination.string()};
    if (replicate)
        arguments.insert(arguments.end(), {"-rp", "-ap", project.string()});
    if (extensions)
        arguments.insert(arguments.end(), {"-ext", *extensions});
    Conversion conversion = convert(arguments);
    checkConsole(conversion.status, conversion.output);
    if (fs::is_regular_file(destination / "app.prj"))
        checkProjectFile(readAll(destination / "app.prj"), conversion.status == 0);
    checkEntries(scratch.path().string(), entriesOf(scratch.path()), {"app.pjt", destinationName});
    checkEntries(scratchBase().string(), entriesOf(scratchBase()), {scratch.path().filename().string()});
    fs::remove_all(destination);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ScratchFolder scratch(scratchBase());
    const fs::path project = scratch.path() / "app.pjt";
    std::ofstream(project, std::ios::binary) << bytes;
    const std::optional<std::string> extensions = extensionList(bytes);
    convertInto(scratch, project, "out", false, extensions);
    convertInto(scratch, project, "out-rp", true, extensions);
    return 0;
}
