#ifndef KORRIN_TI_INSTALLS_H
#define KORRIN_TI_INSTALLS_H

#include <string>
#include <vector>

// What is installed in the TI folders of this machine, as their names and
// the products' metadata tell it. Folders are in Korrin's notation, each
// without a trailing "\"; lists are in the order found.

// Code Composer Studio: '<ti>\ccs2020\ccs'.
struct CcsInstall {
    std::string folder;   // the ccs folder, which CCS_INSTALL_ROOT names
    std::string version;  // from the name: 'ccs2041' is "20.4.1", 'ccsv8' "8"
};

// A compiler: '...\tools\compiler\ti-cgt-c2000_22.6.1.LTS' of a CCS, or
// one installed alone in a TI folder.
struct CompilerInstall {
    std::string family;     // as the folder names it: "c2000", "armllvm"
    std::string version;    // "22.6.1.LTS"
    std::string folder;     // which CG_TOOL_ROOT names
    std::string ccsFolder;  // of the CCS that holds it; empty for one alone
};

// An SDK or tool: '<ti>\mspm0_sdk_2_09_00_01', '<ti>\c2000\C2000Ware_5_05_00_00'.
struct ProductInstall {
    std::string id;           // "MSPM0-SDK", else the folder's name before its version
    std::string version;      // "2.09.00.01"; empty when nothing tells it
    std::string folder;
    std::string macroPrefix;  // "COM_TI_MSPM0_SDK": its macros add "_INSTALL_DIR", "_INCLUDE_PATH", ...
    std::vector<std::string> includePaths;  // as its metadata writes them
    std::vector<std::string> symbols;
};

struct TiInstalls {
    std::vector<std::string> tiFolders;  // those that exist, in the order given
    std::vector<CcsInstall> ccsInstalls;
    std::vector<CompilerInstall> compilers;
    std::vector<ProductInstall> products;
};

#endif
