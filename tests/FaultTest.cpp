#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "KorrinFolder.h"
#include "PrjFileShape.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

// Korrin on hostile input and in hostile places.
using Faults = KorrinFolder;

TEST_F(Faults, DestinationIsAFile) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    writeFile(dir / "file", "not a folder");
    ProgramRun result = run({"app.pjt", "file"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, lfLines({"Could not write file: " + at("file\\app.prj")}));
    EXPECT_EQ(readFile(dir / "file"), "not a folder");
}

TEST_F(Faults, FileInTheWayOfAFolder) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\\ARM\"]"}));
    struct Case {
        const char* file;
        std::string folder;
        Lines groups;
    };
    const Case cases[] = {
        {"out/app/output", at("out\\app\\output\\"), {}},
        {"out/app/person", at("out\\app\\person\\"), {}},
        {"out/person", at("out\\person\\"), {"  Creating Group - app"}},
        {"out/app/Debug", at("out\\app\\Debug"), {"  Creating Group - app"}},
    };
    for (const Case& blocked : cases) {
        fs::remove_all(dir / "out");
        writeFile(dir / blocked.file, "in the way");
        ProgramRun result = run({"app.pjt", "out"});
        EXPECT_EQ(result.status, 1) << blocked.file;
        Lines expected{started};
        expected.insert(expected.end(), blocked.groups.begin(), blocked.groups.end());
        expected.push_back("Could not create directory: " + blocked.folder);
        EXPECT_EQ(result.output, lfLines(expected)) << blocked.file;
        EXPECT_EQ(readFile(dir / blocked.file), "in the way") << blocked.file;
    }
}

TEST_F(Faults, DefaultPersonalitiesThatCannotBeCreated) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    // The default message personality is left unchecked on purpose.
    fs::create_directories(dir / "out/person/app.p_s");
    ProgramRun result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, lfLines({started, "  Creating Group - app", completed}));
    EXPECT_EQ(readPrjFile(readFile(dir / "out/app.prj")).keys.at(2), "SubsPers=" + at("out\\person\\app.p_s"));

    fs::remove(dir / "out/person/app.p_c");
    fs::create_directory(dir / "out/person/app.p_c");
    result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output,
              lfLines({started, "  Creating Group - app", "Could not write file: " + at("out\\person\\app.p_c")}));
}

// A failure in a long list of files stops the groups that follow too.
TEST_F(Faults, FileSizeLimitFailsTheProjectFile) {
    const struct {
        int sources;
        long long limit;
        Lines configurations;
        Lines groups;
    } cases[] = {
        {200, 4096, {}, {"  Creating Group - app"}},
        {60000, 1500000, {"Debug", "Release"}, {"  Creating Group - app", "  Creating Group - Debug"}},
    };
    for (const auto& each : cases) {
        Lines project;
        for (int i = 0; i < each.sources; ++i)
            project.push_back("Source=\"src\\file" + std::to_string(i) + ".c\"");
        for (const std::string& configuration : each.configurations)
            project.push_back("[\"Compiler\" Settings: \"" + configuration + "\"]");
        writeFile(dir / "app.pjt", lfLines(project));
        ASSERT_EQ(run({"app.pjt", "out"}).status, 0);
        const std::string whole = readFile(dir / "out/app.prj");
        ASSERT_GT(whole.size(), static_cast<std::size_t>(each.limit));

        ProgramRun result = run({"app.pjt", "out"}, {each.limit});
        EXPECT_EQ(result.status, 1) << each.sources;
        Lines expected{started};
        expected.insert(expected.end(), each.groups.begin(), each.groups.end());
        expected.push_back("Could not write file: " + at("out\\app.prj"));
        EXPECT_EQ(result.output, lfLines(expected)) << each.sources;
        EXPECT_EQ(readFile(dir / "out/app.prj"), whole.substr(0, each.limit)) << each.sources;
    }
}

TEST_F(Faults, FileSizeLimitFailsTheSharedAnalyserPersonality) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    const std::string copy = crlfLines(Lines(400, "-d \"TEMPLATE\""));
    writeFile(dir / "tpl.p_a", copy);
    ProgramRun result = run({"app.pjt", "out", "-ap", "tpl.p_a"}, {1000});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output,
              lfLines({started, "  Creating Group - app", "Could not write file: " + at("out\\person\\app.p_a")}));
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), copy.substr(0, 1000));
    std::string prj = readFile(dir / "out/app.prj");
    EXPECT_EQ(prj.substr(prj.rfind("\r\n", prj.size() - 3) + 2), "AnalPers=" + at("out\\person\\app.p_a") + "\r\n");
}

TEST_F(Faults, FileSizeLimitFailsAnOwnAnalyserPersonality) {
    std::string options = "Options=";
    Lines includes;
    for (int i = 0; i < 100; ++i) {
        options += " -i\"include" + std::to_string(i) + "\"";
        includes.push_back("-i \"" + at("include" + std::to_string(i)) + "\"");
    }
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", options}));
    ProgramRun result = run({"app.pjt", "out"}, {1000});
    EXPECT_EQ(result.status, 1);
    const std::string own = at("out\\app\\person\\app.p_a");
    EXPECT_EQ(result.output, lfLines({started, "  Creating Group - app", "  Creating Analyser Personality - " + own,
                                      "Could not write file: " + own}));
    std::string written = readFile(dir / "out/app/person/app.p_a");
    EXPECT_EQ(written.size(), 1000u);
    std::set<std::string> ordered(includes.begin(), includes.end());
    EXPECT_EQ(written, crlfLines(Lines(ordered.begin(), ordered.end())).substr(0, 1000));
}

TEST_F(Faults, FiftyMegabyteLine) {
    // A name holding ":" stays as it is, and without a "\\" it has no folder
    // chain, so it lands in the root with or without "-rp".
    const std::string source = "C:" + std::string(50 * 1024 * 1024, 'x') + ".c";
    writeFile(dir / "app.pjt", "Source=\"" + source + "\"");
    for (const Lines& arguments : {Lines{"app.pjt", "out"}, Lines{"app.pjt", "out", "-rp", "-ext", "c"}}) {
        ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.output, lfLines({started, "  Creating Group - app", completed}));
        ProjectBlock root = readPrjFile(readFile(dir / "out/app.prj"));
        EXPECT_EQ(root.files, Lines{source});
        EXPECT_TRUE(root.children.empty());
    }
}

// Every failure ends with a line that says why, running out of memory too.
TEST_F(Faults, OutOfMemorySaysSo) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer reserves more address space than any limit leaves";
#endif
    writeFile(dir / "app.pjt", "Source=\"" + std::string(100 * 1024 * 1024, 'x') + ".c\"");
    ProgramRun result = run({"app.pjt", "out"}, {-1, 64 * 1024 * 1024});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "Out of memory\n");
    EXPECT_TRUE(listTree(dir / "out").empty());
}

TEST_F(Faults, FolderChainTooDeepForAnyHost) {
    // 60,000 folder levels: refused while reading, before anything is written.
    std::string deep;
    for (int level = 0; level < 60000; ++level)
        deep += "a\\";
    writeFile(dir / "app.pjt", "Source=\"" + deep + "f.c\"\n");
    ProgramRun result = run({"app.pjt", "out", "-rp"});
    EXPECT_EQ(result.status, 1);
    const std::string prefix = "Could not create directory: " + at("out\\app\\");
    EXPECT_EQ(result.output.compare(0, prefix.size(), prefix), 0) << result.output.substr(0, 200);
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1);
    EXPECT_TRUE(listTree(dir / "out").empty());
}

TEST_F(Faults, NulBytesInNames) {
    const std::string configuration("De\0bug", 6);
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"" + configuration + "\"]"}));
    ProgramRun result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, lfLines({"Refusing to write outside the destination folder: " + configuration}));
    EXPECT_TRUE(listTree(dir / "out").empty());

    // A NUL in a source path is only text in the project file, unless it
    // names a folder group.
    const std::string source("C:\\in\0side\\a.c", 14);
    writeFile(dir / "app.pjt", lfLines({"Source=\"" + source + "\""}));
    result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(readPrjFile(readFile(dir / "out/app.prj")).files, Lines{hostText(source)});
    fs::remove_all(dir / "out");
    fs::create_directory(dir / "out");
    result = run({"app.pjt", "out", "-rp"});
    EXPECT_EQ(result.output,
              lfLines({"Refusing to write outside the destination folder: " + std::string("in\0side", 7)}));
    EXPECT_TRUE(listTree(dir / "out").empty());
}

TEST_F(Faults, EightBitBytesInNamesAndPaths) {
    const std::string latin = "D\xE9" "bug\xFF";
    fs::create_directory(dir / ("out" + latin));
    writeFile(dir / ("pr\xF6j.pjt"), lfLines({"Source=\"C:\\\x80\\a.c\"", "[\"Compiler\" Settings: \"" + latin + "\"]"}));
    ProgramRun result = run({"pr\xF6j.pjt", "out" + latin, "-rp"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, lfLines({started, "  Creating Group - pr\xF6j", "  Creating Group - " + latin,
                                      "  Creating Group - C_colon", "  Creating Group - \x80", completed}));
    ProjectBlock root = readPrjFile(readFile(dir / ("out" + latin) / "pr\xF6j.prj"));
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0].name, latin);
    EXPECT_EQ(filesBelow(root), Lines{hostText("C:\\\x80\\a.c")});
    EXPECT_TRUE(fs::is_directory(dir / ("out" + latin) / ("pr\xF6j/" + latin + "/C_colon/\x80/person")));
}

TEST_F(Faults, CarriageReturnsOnlyMakeOneLine) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\r[\"Compiler\" Settings: \"Debug\"]\rSource=\"b.c\"\r");
    ProgramRun result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, lfLines({started, "  Creating Group - app", completed}));
    // One source line: its path runs from the first to the last quote and,
    // holding a ":", is taken as it stands.
    ProjectBlock root = readPrjFile(readFile(dir / "out/app.prj"), StrayCarriageReturns::Accepted);
    EXPECT_EQ(root.files, Lines{"a.c\"\r[\"Compiler\" Settings: \"Debug\"]\rSource=\"b.c"});
    EXPECT_TRUE(root.children.empty());
}

}  // namespace
