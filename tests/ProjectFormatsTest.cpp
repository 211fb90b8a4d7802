#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "driver/ProjectFormats.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// Every kind of source chooses its reader, and a folder of many projects
// none; "-all" makes a project's folder one of many.
TEST(ProjectFormats, EachKindOfSourceChoosesItsReader) {
    TempDir dir;
    for (const char* folder : {"ccs", "many/app", "folder.pjt"})
        fs::create_directories(dir / folder);
    for (const char* file : {"ccs/.project", "many/app/.project", "ex/ex.projectspec", "app.PJT", "notes.txt"})
        writeFile(dir / file, "");
    const struct {
        const char* location;
        bool all;
        ProjectKind kind;
    } cases[] = {
        {"ex/ex.projectspec", false, ProjectKind::ProjectSpec}, {"app.PJT", false, ProjectKind::Pjt},
        {"folder.pjt", false, ProjectKind::Pjt},                 {"ccs", false, ProjectKind::Ccs},
        {"ccs/.project", false, ProjectKind::Ccs},               {"ccs", true, ProjectKind::FolderOfProjects},
        {"many", false, ProjectKind::FolderOfProjects},          {"notes.txt", false, ProjectKind::Pjt},
        {"missing.projectspec", false, ProjectKind::ProjectSpec},       {"missing", false, ProjectKind::Pjt},
    };
    for (const auto& each : cases) {
        const ProjectFormat& format = formatOf(korrinPath(dir / each.location), each.all);
        EXPECT_EQ(format.kind, each.kind) << each.location << (each.all ? " -all" : "");
        EXPECT_EQ(format.read == nullptr, each.kind == ProjectKind::FolderOfProjects) << each.location;
    }
}

}  // namespace
