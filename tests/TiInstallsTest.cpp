#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "TiFolder.h"
#include "installs/Discovery.h"
#include "installs/InstallValues.h"
#include "installs/ProductMetadata.h"
#include "installs/Version.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Names = std::vector<std::string>;

TEST(Versions, CompareFieldByFieldAsNumbers) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"2.5.1.00", "2.05.01.00", 0},  {"5.05.00.00", "5.5", 0},         {"22.6.1.LTS", "21.6.1.LTS", 1},
        {"2.1", "2.1.3.LTS", -1},       {"10.0", "9.9", 1},               {"1.20.0.05", "2.09.00.01", -1},
        {"22.6.1A23259", "22.6.1.LTS", 1}, {"3.32.1.22_core", "3.32.1.22", 1}, {"99999999999999999999", "1", 1},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(compareVersions(each.a, each.b), each.order) << each.a << " " << each.b;
        EXPECT_EQ(compareVersions(each.b, each.a), -each.order) << each.b << " " << each.a;
    }
}

TEST(Versions, OfFolderNames) {
    const struct {
        const char* name;
        const char* product;
        const char* version;
    } cases[] = {
        {"mspm0_sdk_2_09_00_01", "mspm0_sdk", "2.09.00.01"},
        {"C2000Ware_5_05_00_00", "C2000Ware", "5.05.00.00"},
        {"sysconfig_1.24.0", "sysconfig", "1.24.0"},
        {"simplelink_cc13xx_cc26xx_sdk_7_10_00_98", "simplelink_cc13xx_cc26xx_sdk", "7.10.00.98"},
        {"controlSUITE", "controlSUITE", ""},
        {"xdctools_3_62_01_15_core", "xdctools_3_62_01_15_core", ""},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(folderProduct(each.name), each.product) << each.name;
        EXPECT_EQ(folderVersion(each.name), each.version) << each.name;
    }
}

TEST(ProductMetadata, MacroPrefixesAfterTheId) {
    EXPECT_EQ(macroPrefixOf("C2000WARE"), "COM_TI_C2000WARE");
    EXPECT_EQ(macroPrefixOf("c2000ware_software_package"), "COM_TI_C2000WARE_SOFTWARE_PACKAGE");
    EXPECT_EQ(macroPrefixOf("com.ti.MCU_PLUS_SDK_AM64X"), "COM_TI_MCU_PLUS_SDK_AM64X");
    EXPECT_EQ(macroPrefixOf("MSPM0-SDK"), "COM_TI_MSPM0_SDK");
}

TEST(ProductRequests, ListsOfIdsAndVersions) {
    const std::vector<ProductRequest> requests = productRequests(" sysconfig:1.24.0;MSPM0-SDK:2.5.1.00;;C2000WARE, :x");
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].id, "sysconfig");
    EXPECT_EQ(requests[0].version, "1.24.0");
    EXPECT_EQ(requests[1].id, "MSPM0-SDK");
    EXPECT_EQ(requests[1].version, "2.5.1.00");
    EXPECT_EQ(requests[2].id, "C2000WARE");
    EXPECT_EQ(requests[2].version, "");
}

class TiFolderTest : public ::testing::Test {
protected:
    TiFolderTest() { writeTiFolder(dir / "ti"); }

    std::string at(const std::string& relative) const { return korrinPath(dir / relative); }
    TiInstalls discover() const { return discoverTiInstalls({at("ti")}); }

    TempDir dir;
};

TEST_F(TiFolderTest, FindsCcsCompilersAndProducts) {
    const TiInstalls installs = discover();
    EXPECT_EQ(installs.tiFolders, Names{at("ti")});
    ASSERT_EQ(installs.ccsInstalls.size(), 2u);
    EXPECT_EQ(installs.ccsInstalls[0].folder, at("ti/ccs1281/ccs"));
    EXPECT_EQ(installs.ccsInstalls[0].version, "12.8.1");
    EXPECT_EQ(installs.ccsInstalls[1].version, "20.2.0");
    Names compilers;
    for (const CompilerInstall& compiler : installs.compilers)
        compilers.push_back(compiler.family + " " + compiler.version + " " + compiler.folder + " " + compiler.ccsFolder);
    EXPECT_EQ(compilers, (Names{"c2000 15.12.3.LTS " + at("ti/ccs1281/ccs/tools/compiler/c2000_15.12.3.LTS") + " " + at("ti/ccs1281/ccs"),
                                "c2000 21.6.1.LTS " + at("ti/ccs1281/ccs/tools/compiler/ti-cgt-c2000_21.6.1.LTS") + " " + at("ti/ccs1281/ccs"),
                                "armllvm 4.0.3.LTS " + at("ti/ccs2020/ccs/tools/compiler/ti-cgt-armllvm_4.0.3.LTS") + " " + at("ti/ccs2020/ccs"),
                                "c2000 22.6.1.LTS " + at("ti/ccs2020/ccs/tools/compiler/ti-cgt-c2000_22.6.1.LTS") + " " + at("ti/ccs2020/ccs"),
                                "pru 2.3.3 " + at("ti/ti-cgt-pru_2.3.3") + " "}));
    Names products;
    for (const ProductInstall& product : installs.products)
        products.push_back(product.id + " " + product.version + " " + product.macroPrefix + " " + product.folder);
    // The broken description tells nothing: the folder's name does.
    EXPECT_EQ(products, (Names{"broken_sdk 1.00 COM_TI_BROKEN_SDK " + at("ti/broken_sdk_1_00"),
                               "C2000WARE 5.05.00.00 COM_TI_C2000WARE " + at("ti/c2000/C2000Ware_5_05_00_00"),
                               "MSPM0-SDK 1.30.00.03 COM_TI_MSPM0_SDK " + at("ti/mspm0_sdk_1_30_00_03"),
                               "MSPM0-SDK 2.09.00.01 COM_TI_MSPM0_SDK " + at("ti/mspm0_sdk_2_09_00_01")}));
    EXPECT_EQ(installs.products[3].includePaths, (Names{"source/ti/driverlib", "${COM_TI_MSPM0_SDK_INSTALL_DIR}/source"}));
    EXPECT_EQ(installs.products[3].symbols, (Names{"DeviceFamily_MSPM0", "SDK_LEVEL=2"}));
}

// A folder given twice, reached through a link, missing, or a file counts
// once or not at all.
TEST_F(TiFolderTest, EachFolderOnceAndNoneThatIsNoFolder) {
    fs::create_directory_symlink(dir / "ti", dir / "link");
    fs::create_directory_symlink(dir / "ti", dir / "ti/loop");
    const TiInstalls installs =
        discoverTiInstalls({at("missing"), at("ti/readme.txt"), at("link"), at("ti") + "\\", at("ti")});
    EXPECT_EQ(installs.tiFolders, Names{at("link")});
    EXPECT_EQ(installs.ccsInstalls.size(), 2u);
    EXPECT_EQ(installs.products.size(), 4u);
}

TEST_F(TiFolderTest, VersionsAskedForElseNearestNewerElseNewest) {
    const TiInstalls installs = discover();
    const struct {
        const char* family;
        const char* asked;
        const char* compiler;
        const char* ccs;
    } cases[] = {
        {"c2000", "21.6.1.LTS", "ti/ccs1281/ccs/tools/compiler/ti-cgt-c2000_21.6.1.LTS", "ti/ccs1281/ccs"},
        {"c2000", "16.9", "ti/ccs1281/ccs/tools/compiler/ti-cgt-c2000_21.6.1.LTS", "ti/ccs1281/ccs"},
        {"c2000", "15.12.03.LTS", "ti/ccs1281/ccs/tools/compiler/c2000_15.12.3.LTS", "ti/ccs1281/ccs"},
        {"c2000", "23.0.0", "ti/ccs2020/ccs/tools/compiler/ti-cgt-c2000_22.6.1.LTS", "ti/ccs2020/ccs"},
        {"c2000", "", "ti/ccs2020/ccs/tools/compiler/ti-cgt-c2000_22.6.1.LTS", "ti/ccs2020/ccs"},
        // A compiler installed alone; CCS is then the newest.
        {"pru", "2.3.3", "ti/ti-cgt-pru_2.3.3", "ti/ccs2020/ccs"},
    };
    for (const auto& each : cases) {
        InstallValues values(installs, {});
        values.setCompiler(each.family, each.asked);
        EXPECT_EQ(values.valueOf("CG_TOOL_ROOT"), at(each.compiler)) << each.asked;
        EXPECT_EQ(values.valueOf("CG_TOOL_INCLUDE_PATH"), at(each.compiler) + "\\include") << each.asked;
        EXPECT_EQ(values.valueOf("CCS_INSTALL_ROOT"), at(each.ccs)) << each.asked;
        EXPECT_EQ(values.valueOf("CCS_BASE_ROOT"), at(each.ccs) + "\\ccs_base") << each.asked;
    }
    InstallValues values(installs, {});
    values.setCompiler("c6000", "8.3.0");
    EXPECT_EQ(values.valueOf("CG_TOOL_ROOT"), std::nullopt);
    EXPECT_EQ(values.valueOf("PROJECT_ROOT"), std::nullopt);
}

TEST_F(TiFolderTest, NotesEveryValueOnceAndEveryOtherVersionTaken) {
    const TiInstalls installs = discover();
    InstallValues values(installs, productRequests("MSPM0-SDK:1.20.0.05;"));
    values.setCompiler("c2000", "16.9.1.LTS");
    for (int twice = 0; twice < 2; ++twice) {
        values.valueOf("CG_TOOL_ROOT");
        EXPECT_EQ(values.valueOf("COM_TI_MSPM0_SDK_INSTALL_DIR"), at("ti/mspm0_sdk_1_30_00_03"));
    }
    values.setCompiler("c2000", "22.6.1.LTS");
    values.valueOf("CG_TOOL_ROOT");
    std::vector<std::string> found;
    for (const MacroValue& macro : values.found())
        found.push_back(macro.name + "=" + macro.value);
    EXPECT_EQ(found, (Names{"${CG_TOOL_ROOT}=" + at("ti/ccs1281/ccs/tools/compiler/ti-cgt-c2000_21.6.1.LTS"),
                            "${COM_TI_MSPM0_SDK_INSTALL_DIR}=" + at("ti/mspm0_sdk_1_30_00_03"),
                            "${CG_TOOL_ROOT}=" + at("ti/ccs2020/ccs/tools/compiler/ti-cgt-c2000_22.6.1.LTS")}));
    EXPECT_EQ(values.versionNotes(), (Names{"c2000 compiler 21.6.1.LTS for 16.9.1.LTS", "MSPM0-SDK 1.30.00.03 for 1.20.0.05"}));
}

TEST_F(TiFolderTest, ProductListsAsTheirMetadataWritesThem) {
    const TiInstalls installs = discover();
    InstallValues values(installs, {});
    EXPECT_EQ(values.listOf("COM_TI_MSPM0_SDK_INCLUDE_PATH"),
              (Names{at("ti/mspm0_sdk_2_09_00_01/source/ti/driverlib"), "${COM_TI_MSPM0_SDK_INSTALL_DIR}\\source"}));
    EXPECT_EQ(values.listOf("COM_TI_MSPM0_SDK_SYMBOLS"), (Names{"DeviceFamily_MSPM0", "SDK_LEVEL=2"}));
    for (const char* empty : {"COM_TI_MSPM0_SDK_LIBRARIES", "COM_TI_MSPM0_SDK_LIBRARY_PATH", "COM_TI_C2000WARE_INCLUDE_PATH",
                              "COM_TI_C2000WARE_SYSCONFIG_MANIFEST"})
        EXPECT_EQ(values.listOf(empty), Names()) << empty;
    EXPECT_EQ(values.listOf("COM_TI_SIMPLELINK_SDK_INCLUDE_PATH"), std::nullopt);
    EXPECT_EQ(values.listOf("SYSCONFIG_TOOL_INCLUDE_PATH"), std::nullopt);
}

TEST_F(TiFolderTest, PathsOfAnotherMachinesTiFolderFoundInThisOne) {
    const TiInstalls installs = discover();
    const InstallValues values(installs, {});
    const std::string headers = "c2000\\C2000Ware_5_05_00_00\\device_support\\f2833x\\headers\\include";
    for (const std::string foreign : {"C:\\ti\\" + headers, "D:/TI/" + headers, "\\Applications\\ti\\" + headers,
                                      "\\home\\someone\\ti\\" + headers, "\\Users\\someone\\ti\\" + headers,
                                      "\\opt\\ti\\" + headers})
        EXPECT_EQ(values.relocated(foreign), at("ti\\" + headers)) << foreign;
    for (const std::string other : {std::string("C:\\ti\\c2000\\missing"), "C:\\work\\ti\\" + headers, "ti\\" + headers, at("ti")})
        EXPECT_EQ(values.relocated(other), std::nullopt) << other;
}

}  // namespace
