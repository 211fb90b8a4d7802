#include <gtest/gtest.h>

#include "readers/pjt/LineKinds.h"

namespace {

TEST(ClassifyLine, MarkersAreFoundAnywhereInTheLine) {
    EXPECT_EQ(classifyLine("; Source=\"old.c\""), LineKind::Source);
    EXPECT_EQ(classifyLine("   CPUFamily=X"), LineKind::CpuFamily);
    EXPECT_EQ(classifyLine("ProjectName=\"app\""), LineKind::ProjectName);
    EXPECT_EQ(classifyLine("[\"Compiler\" Settings: \"Debug\"]"), LineKind::CompilerSettings);
    EXPECT_EQ(classifyLine("[\"Linker\" Settings: \"Debug\"]"), LineKind::LinkerSettings);
    EXPECT_EQ(classifyLine("Options=-g"), LineKind::Options);
    EXPECT_EQ(classifyLine("ExcludeFromBuild=true"), LineKind::Exclusion);
}

TEST(ClassifyLine, EarlierMarkersWin) {
    EXPECT_EQ(classifyLine("Source=\"..\\ProjectNameDir\\a.c\""), LineKind::ProjectName);
    EXPECT_EQ(classifyLine("Options=-dCPUFamily=1"), LineKind::CpuFamily);
    EXPECT_EQ(classifyLine("Options=-i\"Source=\""), LineKind::Source);
}

TEST(ClassifyLine, EverythingElseIsAnOtherLine) {
    for (const char* line : {"", "cpufamily=X", "[Project Settings]", "[Source Files]",
                             "[\"main.c\" Settings: \"Debug\"]", "[\"Compiler\"Settings: \"Debug\"]"})
        EXPECT_EQ(classifyLine(line), LineKind::Other) << line;
}

TEST(LineFields, CpuFamilyValue) {
    EXPECT_EQ(cpuFamilyValue("CPUFamily=DSPX"), "DSPX");
    EXPECT_EQ(cpuFamilyValue("CPUFamily=DSPX\r"), "DSPX");
    EXPECT_EQ(cpuFamilyValue("CPUFamily=a=b "), "a=b ");
    EXPECT_EQ(cpuFamilyValue("CPUFamily"), "");
}

TEST(LineFields, SourcePathLiesBetweenFirstAndLastQuote) {
    EXPECT_EQ(sourcePath("Source=\"..\\lib\\util.c\""), "..\\lib\\util.c");
    EXPECT_EQ(sourcePath("Source=\"a \"b\" c.c\"\r"), "a \"b\" c.c");
    EXPECT_EQ(sourcePath("Source=\"a.c\r\""), "a.c");
    EXPECT_EQ(sourcePath("Source=\"a.c"), "");
    EXPECT_EQ(sourcePath("Source=a.c"), "");
}

TEST(LineFields, ConfigurationName) {
    EXPECT_EQ(configurationName("[\"Compiler\" Settings: \"Debug\"]"), "Debug");
    EXPECT_EQ(configurationName("[\"Compiler\" Settings: \"Debug\\ARM\"]\r"), "Debug\\ARM");
    EXPECT_EQ(configurationName("[\"Compiler\" Settings: \"Debug"), "Debug");
    EXPECT_EQ(configurationName("[\"Compiler\" Settings: Debug"), "");
}

TEST(LineFields, ExclusionTakesItsFieldsFromThePreviousLine) {
    ExclusionFields fields = exclusionFields("ExcludeFromBuild=true", "[\"main.c\" Settings: \"Release\"]");
    EXPECT_EQ(fields.file, "main.c");
    EXPECT_EQ(fields.configuration, "Release");

    fields = exclusionFields("ExcludeFromBuild=true", "[\"Compiler\" Settings: \"Debug\"]");
    EXPECT_EQ(fields.file, "Compiler");
    EXPECT_EQ(fields.configuration, "Debug");

    for (const char* previous : {"", "ExcludeFromBuild=true", "[\"main.c\"]", "Settings: \"Release\""}) {
        fields = exclusionFields("ExcludeFromBuild=true", previous);
        EXPECT_EQ(fields.file, "") << previous;
        EXPECT_EQ(fields.configuration, "") << previous;
    }
    fields = exclusionFields("ExcludeFromBuild=TRUE", "[\"main.c\" Settings: \"Release\"]");
    EXPECT_EQ(fields.file, "");
}

}  // namespace
