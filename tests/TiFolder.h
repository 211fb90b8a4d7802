#ifndef KORRIN_TI_FOLDER_H
#define KORRIN_TI_FOLDER_H

#include <filesystem>
#include <string>

#include "TestSupport.h"

namespace testing_support {

// A TI folder as TI's installers lay one out, small: two CCS with C2000
// compilers of three versions (one in the older form), a PRU compiler
// installed alone, the MSPM0 SDK in two versions (the newer one describing
// its macros, include folders and symbols), C2000Ware one level down with
// one device's headers and a broken description, and a file, which is
// nothing.
inline void writeTiFolder(const std::filesystem::path& ti) {
    namespace fs = std::filesystem;
    for (const char* folder : {"ccs2020/ccs/tools/compiler/ti-cgt-c2000_22.6.1.LTS/include",
                               "ccs2020/ccs/tools/compiler/ti-cgt-armllvm_4.0.3.LTS/include",
                               "ccs2020/ccs/ccs_base/msp430/include", "ccs1281/ccs/tools/compiler/c2000_15.12.3.LTS/include",
                               "ccs1281/ccs/tools/compiler/ti-cgt-c2000_21.6.1.LTS/include", "ccs1281/ccs/ccs_base",
                               "ti-cgt-pru_2.3.3/include", "mspm0_sdk_2_09_00_01/source/ti/driverlib",
                               "mspm0_sdk_1_30_00_03/source", "c2000/C2000Ware_5_05_00_00/device_support/f2833x/headers/include",
                               "c2000/C2000Ware_5_05_00_00/libraries/math/include", "broken_sdk_1_00/source"})
        fs::create_directories(ti / folder);
    writeFile(ti / "mspm0_sdk_2_09_00_01/.metadata/.tirex/package.tirex.json",
              "[{\"id\": \"MSPM0-SDK\", \"name\": \"MSPM0 SDK\", \"version\": \"2.09.00.01\"}]\n");
    writeFile(ti / "mspm0_sdk_2_09_00_01/.metadata/.tirex/package.ccs.json",
              "[{\"rootMacroName\": \"COM_TI_MSPM0_SDK_INSTALL_DIR\",\n"
              " \"compilerIncludePath\": [\"source/ti/driverlib\", \"${COM_TI_MSPM0_SDK_INSTALL_DIR}/source\"],\n"
              " \"compilerSymbols\": [\"DeviceFamily_MSPM0\", \"SDK_LEVEL=2\"], \"linkerSearchPath\": []}]\n");
    writeFile(ti / "mspm0_sdk_1_30_00_03/.metadata/.tirex/package.tirex.json",
              "[{\"id\": \"MSPM0-SDK\", \"version\": \"1.30.00.03\"}]\n");
    writeFile(ti / "c2000/C2000Ware_5_05_00_00/.metadata/.tirex/package.tirex.json",
              "[{\"id\": \"C2000WARE\", \"version\": \"5.05.00.00\"}]\n");
    writeFile(ti / "c2000/C2000Ware_5_05_00_00/device_support/f2833x/headers/include/DSP2833x_Device.h", "\n");
    writeFile(ti / "broken_sdk_1_00/.metadata/.tirex/package.tirex.json", "[{\"id\": \"BROKEN\", ");
    writeFile(ti / "readme.txt", "\n");
}

}  // namespace testing_support

#endif
