#include "Configurations.h"

#include <array>

#include "SeededRandom.h"

namespace {

const std::array<const char*, 8> devices = {"F2812",  "F28335", "F28035", "F28027",
                                            "C2834x", "F28069", "F28377", "F280049"};
const std::array<const char*, 2> memories = {"FLASH", "RAM"};
const std::array<const char*, 10> areas = {"app", "bsp", "comm", "control", "diag",
                                           "drivers", "hal", "motor", "power", "sensors"};
const std::array<const char*, 14> features = {"ADC", "CAN", "CLA", "DMA", "ECAP", "EPWM", "EQEP",
                                              "FLASH_API", "I2C", "LIN", "MCBSP", "SCI", "SPI", "USB"};
const std::size_t includeFolders = 30;

const char* device(std::size_t configuration) { return devices[configuration / memories.size() % devices.size()]; }

std::string includeOption(std::size_t configuration, std::size_t index) {
    std::string area = areas[index % areas.size()];
    std::string folder = std::to_string(index / areas.size());
    switch (index % 3) {
    case 0:
        return "-i\"$(Proj_dir)\\src\\" + area + "\\include" + folder + "\" ";
    case 1:
        return "-i\"..\\common\\" + area + "\\inc" + folder + "\" ";
    default:
        return "-i\"$(Install_dir)\\c2000\\" + std::string(device(configuration)) + "\\" + area + folder + "\" ";
    }
}

std::string definitionOptions(std::size_t configuration, SeededRandom& random) {
    std::string options = "-d\"_DEBUG\" -d\"LARGE_MODEL\" -d\"DEVICE_" + std::string(device(configuration)) + "\" ";
    if (configuration % memories.size() == 0)
        options += "-d\"FLASH\" ";
    options += "-d\"NUMST=1\" ";
    for (const char* feature : features)
        options += "-d\"HAVE_" + std::string(feature) + "=" + std::to_string(random.below(2)) + "\" ";
    return options + "-dBUILD_NAME=\"" + configurationName(configuration) + "\" ";
}

}  // namespace

std::string configurationName(std::size_t configuration) {
    std::string name = std::string(device(configuration)) + "_" + memories[configuration % memories.size()];
    std::size_t round = configuration / (memories.size() * devices.size());
    return round == 0 ? name : name + "_" + std::to_string(round);
}

std::string compilerOptionsLine(std::size_t configuration) {
    SeededRandom random(configuration);
    std::string line = "Options=-g -pdsw225 -o2 -fr\"$(Proj_dir)\\" + configurationName(configuration) + "\" ";
    for (std::size_t index = 0; index < includeFolders; ++index)
        line += includeOption(configuration, index);
    return line + definitionOptions(configuration, random) + "-ml -v28";
}

std::string linkerOptionsLine(std::size_t configuration) {
    std::string folder = ".\\" + configurationName(configuration) + "\\";
    return "Options=-c -m\"" + folder + "product.map\" -o\"" + folder + "product.out\" -stack0x400 -w -x";
}
