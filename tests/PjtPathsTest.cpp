#include <gtest/gtest.h>

#include "base/Extensions.h"
#include "readers/pjt/PjtPaths.h"

namespace {

using Macros = std::vector<std::string>;

struct Resolution {
    const char* written;
    const char* resolved;
};

void expectResolved(PjtPaths& paths, std::initializer_list<Resolution> cases) {
    for (const Resolution& each : cases)
        EXPECT_EQ(paths.resolveSourcePath(each.written), each.resolved) << each.written;
}

TEST(ResolveSourcePath, RelativeAndAbsolutePaths) {
    PjtPaths paths("C:\\work\\app", {});
    expectResolved(paths, {{"lib\\util.c", "C:\\work\\app\\lib\\util.c"},
                           {"..\\lib\\util.c", "C:\\work\\app\\..\\lib\\util.c"},
                           {"D:\\shared\\crc.c", "D:\\shared\\crc.c"},
                           {"a:b", "a:b"},
                           {"", "C:\\work\\app\\"}});
}

TEST(ResolveSourcePath, ProjectFolderMacro) {
    PjtPaths paths("C:\\work\\app", {});
    expectResolved(paths, {{"$(Proj_dir)\\include", "C:\\work\\app\\include"},
                           {"$(PROJ_DIR)\\..\\common", "C:\\work\\app\\..\\common"},
                           {"$(proj_dir)", "C:\\work\\app"},
                           // Only a macro that begins the path counts.
                           {"src\\$(Proj_dir)\\a.c", "C:\\work\\app\\src\\$(Proj_dir)\\a.c"},
                           {"$(Proj_dir", "C:\\work\\app\\$(Proj_dir"}});
    EXPECT_TRUE(paths.unresolvedMacros().empty());
}

TEST(ResolveSourcePath, GivenMacrosInBothForms) {
    PjtPaths paths("C:\\work\\app", {{"INSTALL_DIR", "C:\\CCStudio_v3.3"},
                                         {"BIOS_INSTALL_DIR", "/opt/bios"},
                                         {"PROJ_DIR", "E:\\elsewhere"}});
    expectResolved(paths, {{"$(Install_dir)\\c5400\\lib", "C:\\CCStudio_v3.3\\c5400\\lib"},
                           {"%Install_Dir%\\x", "C:\\CCStudio_v3.3\\x"},
                           {"%BIOS_INSTALL_DIR%/packages", "/opt/bios/packages"},
                           {"$(Proj_dir)\\inc", "E:\\elsewhere\\inc"}});
}

TEST(ResolveSourcePath, MacrosWithoutValueStayAsWrittenAndAreNotedOnce) {
    PjtPaths paths("C:\\work\\app", {});
    expectResolved(paths, {{"$(Install_dir)\\c5400\\lib", "$(Install_dir)\\c5400\\lib"},
                           {"%FC_INSTALL_DIR%\\x", "%FC_INSTALL_DIR%\\x"},
                           {"$(INSTALL_DIR)\\y", "$(INSTALL_DIR)\\y"},
                           {"%Proj_dir%\\z", "%Proj_dir%\\z"}});
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
