#include <gtest/gtest.h>

#include "reader/ProjectPaths.h"

namespace {

using Macros = std::vector<std::string>;

TEST(ResolveSourcePath, RelativeAndAbsolutePaths) {
    ProjectPaths paths("C:\\work\\app", {});
    EXPECT_EQ(paths.resolveSourcePath("lib\\util.c"), "C:\\work\\app\\lib\\util.c");
    EXPECT_EQ(paths.resolveSourcePath("..\\lib\\util.c"), "C:\\work\\app\\..\\lib\\util.c");
    EXPECT_EQ(paths.resolveSourcePath("D:\\shared\\crc.c"), "D:\\shared\\crc.c");
    EXPECT_EQ(paths.resolveSourcePath("a:b"), "a:b");
    EXPECT_EQ(paths.resolveSourcePath(""), "C:\\work\\app\\");
}

TEST(ResolveSourcePath, ProjectFolderMacro) {
    ProjectPaths paths("C:\\work\\app", {});
    EXPECT_EQ(paths.resolveSourcePath("$(Proj_dir)\\include"), "C:\\work\\app\\include");
    EXPECT_EQ(paths.resolveSourcePath("$(PROJ_DIR)\\..\\common"), "C:\\work\\app\\..\\common");
    EXPECT_EQ(paths.resolveSourcePath("$(proj_dir)"), "C:\\work\\app");
    // Only a macro that begins the path counts.
    EXPECT_EQ(paths.resolveSourcePath("src\\$(Proj_dir)\\a.c"), "C:\\work\\app\\src\\$(Proj_dir)\\a.c");
    EXPECT_EQ(paths.resolveSourcePath("$(Proj_dir"), "C:\\work\\app\\$(Proj_dir");
    EXPECT_TRUE(paths.unresolvedMacros().empty());
}

TEST(ResolveSourcePath, GivenMacrosInBothForms) {
    ProjectPaths paths("C:\\work\\app", {{"INSTALL_DIR", "C:\\CCStudio_v3.3"},
                                         {"BIOS_INSTALL_DIR", "/opt/bios"},
                                         {"PROJ_DIR", "E:\\elsewhere"}});
    EXPECT_EQ(paths.resolveSourcePath("$(Install_dir)\\c5400\\lib"), "C:\\CCStudio_v3.3\\c5400\\lib");
    EXPECT_EQ(paths.resolveSourcePath("%Install_Dir%\\x"), "C:\\CCStudio_v3.3\\x");
    EXPECT_EQ(paths.resolveSourcePath("%BIOS_INSTALL_DIR%/packages"), "/opt/bios/packages");
    EXPECT_EQ(paths.resolveSourcePath("$(Proj_dir)\\inc"), "E:\\elsewhere\\inc");
}

TEST(ResolveSourcePath, MacrosWithoutValueStayAsWrittenAndAreNotedOnce) {
    ProjectPaths paths("C:\\work\\app", {});
    EXPECT_EQ(paths.resolveSourcePath("$(Install_dir)\\c5400\\lib"), "$(Install_dir)\\c5400\\lib");
    EXPECT_EQ(paths.resolveSourcePath("%FC_INSTALL_DIR%\\x"), "%FC_INSTALL_DIR%\\x");
    EXPECT_EQ(paths.resolveSourcePath("$(INSTALL_DIR)\\y"), "$(INSTALL_DIR)\\y");
    EXPECT_EQ(paths.resolveSourcePath("%Proj_dir%\\z"), "%Proj_dir%\\z");
    EXPECT_EQ(paths.unresolvedMacros(), (Macros{"$(Install_dir)", "%FC_INSTALL_DIR%", "%Proj_dir%"}));
}

TEST(HasAcceptedExtension, ComparesInUpperCase) {
    EXPECT_TRUE(hasAcceptedExtension("a.c", {}));
    EXPECT_TRUE(hasAcceptedExtension("MAIN.C", {"h", "c"}));
    EXPECT_FALSE(hasAcceptedExtension("app.cmd", {"c"}));
    EXPECT_FALSE(hasAcceptedExtension("a.c", {".c"}));
    EXPECT_TRUE(hasAcceptedExtension("Makefile", {"makefile"}));
    EXPECT_TRUE(hasAcceptedExtension("a.", {""}));
}

}  // namespace
