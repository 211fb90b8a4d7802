#include "SourceTree.h"

#include <array>

namespace {

const std::size_t sourcesPerFolder = 20;
const std::size_t levels = 3;

const std::array<std::array<const char*, 16>, levels> folderWords = {{
    {"app", "bsp", "boot", "calib", "comm", "control", "diag", "drivers", "hal", "io", "math", "motor", "power",
     "safety", "sensors", "ui"},
    {"adc", "can", "clock", "dma", "ecap", "epwm", "eqep", "flash", "gpio", "i2c", "mcbsp", "pie", "sci", "spi",
     "timer", "watchdog"},
    {"config", "core", "filter", "handler", "init", "isr", "limits", "observer", "pid", "queue", "ramp", "scheduler",
     "state", "table", "trace", "utils"},
}};

// The name of the position-th folder of a level below its parent: a word,
// numbered once the words run out so that siblings stay distinct.
std::string folderName(std::size_t level, std::size_t position) {
    const auto& words = folderWords[level];
    std::string name = words[position % words.size()];
    if (position >= words.size())
        name += std::to_string(position / words.size());
    return name;
}

std::string twoDigits(std::size_t number) { return (number < 10 ? "0" : "") + std::to_string(number); }

}  // namespace

SourceTree::SourceTree(std::size_t sources) : fanOut(1) {
    std::size_t leafFolders = (sources + sourcesPerFolder - 1) / sourcesPerFolder;
    while (fanOut * fanOut * fanOut < leafFolders)
        ++fanOut;
}

std::string SourceTree::sourcePath(std::size_t index) const {
    std::size_t leaf = index / sourcesPerFolder;
    std::size_t inFolder = index % sourcesPerFolder;
    std::string path = leaf % 8 == 7 ? "..\\common\\" : "src\\";
    std::size_t positions[levels] = {leaf / (fanOut * fanOut) % fanOut, leaf / fanOut % fanOut, leaf % fanOut};
    for (std::size_t level = 0; level < levels; ++level)
        path += folderName(level, positions[level]) + "\\";
    // A few assembly sources among the C ones, as in a real DSP project.
    const char* extension = inFolder == sourcesPerFolder - 1 ? ".asm" : ".c";
    return path + folderName(levels - 1, positions[levels - 1]) + "_" + twoDigits(inFolder) + extension;
}
