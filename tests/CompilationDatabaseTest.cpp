#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "KorrinFolder.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

// The arguments of a database's first entry after the driver, up to its
// first include folder.
Lines targetPart(const std::string& text) {
    Lines target;
    const nlohmann::json database = nlohmann::json::parse(text);
    for (const nlohmann::json& argument : database.at(0)["arguments"]) {
        const std::string each = argument;
        if (each.rfind("-I", 0) == 0)
            break;
        target.push_back(each);
    }
    target.erase(target.begin());
    return target;
}

// Converts with "-cdb" in a fresh folder and reads back what it wrote.
class CompilationDatabase : public KorrinFolder {
protected:
    // How the file system names a path below the folder.
    std::string host(const std::string& relative) const { return (dir / relative).string(); }

    struct Entry {
        std::string file;  // below the folder
        Lines settings;    // "-I" and "-D" arguments
        std::string overlay;
    };

    // A database in the layout Korrin writes, with the arguments that tell
    // the target of the example's CPU family and its intrinsics header.
    std::string database(const std::string& directory, const std::vector<Entry>& entries, const Lines& target,
                         const std::string& intrinsics) const {
        Lines lines{"["};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            Lines arguments{"cc"};
            arguments.insert(arguments.end(), target.begin(), target.end());
            arguments.insert(arguments.end(), entries[i].settings.begin(), entries[i].settings.end());
            arguments.insert(arguments.end(), {"-include", host(intrinsics), "-ivfsoverlay" + host(entries[i].overlay),
                                               "-x", "c", "-c", host(entries[i].file)});
            lines.insert(lines.end(), {"  {", "    \"directory\": \"" + host(directory) + "\",",
                                       "    \"file\": \"" + host(entries[i].file) + "\",", "    \"arguments\": ["});
            for (std::size_t j = 0; j < arguments.size(); ++j)
                lines.push_back("      \"" + arguments[j] + "\"" + (j + 1 < arguments.size() ? "," : ""));
            lines.insert(lines.end(), {"    ]", i + 1 < entries.size() ? "  }," : "  }"});
        }
        lines.push_back("]");
        return crlfLines(lines);
    }
};

TEST_F(CompilationDatabase, BundledExampleWithAndWithoutFolderGroups) {
    fs::copy(KORRIN_EXAMPLES "/app", dir / "app", fs::copy_options::recursive);
    const Lines debugSettings{"-IC:/ti/c2000/include", "-I" + host("app/include"), "-DCPUFamily=TMS320C28XX",
                              "-DLARGE_MODEL", "-D_DEBUG"};
    // VERSION was written -dVERSION="1.2": it stands for a string.
    const Lines releaseSettings{"-I" + host("app/include"), "-DBOARD=2", "-DCPUFamily=TMS320C28XX", "-DLARGE_MODEL",
                                "-DVERSION=\\\"1.2\\\""};
    const std::string debugOverlay = "out/app/Debug/include-overlay.yaml";
    const std::string releaseOverlay = "out/app/Release/include-overlay.yaml";
    const std::vector<Entry> debugEntries{{"app/src/main.c", debugSettings, debugOverlay},
                                          {"app/src/pwm.c", debugSettings, debugOverlay},
                                          {"app/src/trace.c", debugSettings, debugOverlay},
                                          {"app/lib/filter.c", debugSettings, debugOverlay}};
    const std::vector<Entry> releaseEntries{{"app/src/main.c", releaseSettings, releaseOverlay},
                                            {"app/src/trace.c", releaseSettings, releaseOverlay},
                                            {"app/lib/filter.c", releaseSettings, releaseOverlay}};
    const std::string overlay =
        crlfLines({"{", "  \"version\": 0,", "  \"case-sensitive\": \"false\",", "  \"roots\": [", "    {",
                   "      \"type\": \"directory\",", "      \"name\": \"" + host("app/include") + "\",",
                   "      \"contents\": [",
                   "        {\"type\": \"file\", \"name\": \"board.h\", \"external-contents\": \"" +
                       host("app/include/board.h") + "\"},",
                   "        {\"type\": \"file\", \"name\": \"filter.h\", \"external-contents\": \"" +
                       host("app/include/filter.h") + "\"}",
                   "      ]", "    }", "  ]", "}"});

    for (const Lines& options : {Lines{}, Lines{"-rp"}}) {
        SCOPED_TRACE(options.empty() ? "flat" : "-rp");
        Lines arguments{"app/app.pjt", "out", "-cdb"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        ProgramRun result = run(arguments);
        ASSERT_EQ(result.status, 0) << result.output;
        const std::string tail = "  Creating Compilation Database - " + at("out\\app\\Debug\\compile_commands.json") +
                                 hostText("\n  Not found - C:\\ti\\c2000\\include\n  Not found - D:\\shared\\crc\\crc16.c\n") +
                                 "  Creating Compilation Database - " +
                                 at("out\\app\\Release\\compile_commands.json") +
                                 "\nCorvel/Corvel++ Project Completed!\n";
        ASSERT_GE(result.output.size(), tail.size());
        EXPECT_EQ(result.output.substr(result.output.size() - tail.size()), tail);
        // The target's arguments come from the C28x family's table, which
        // the analysers' tests check; the same for every entry.
        const Lines target = targetPart(readFile(dir / "out/app/Debug/compile_commands.json"));
        EXPECT_EQ(readFile(dir / "out/app/Debug/compile_commands.json"),
                  database("app", debugEntries, target, "out/app/Debug/ti-intrinsics.h"));
        EXPECT_EQ(readFile(dir / "out/app/Release/compile_commands.json"),
                  database("app", releaseEntries, target, "out/app/Release/ti-intrinsics.h"));
        EXPECT_EQ(readFile(dir / "out/app/Debug/include-overlay.yaml"), overlay);
        for (const char* written : {"out/app/Debug/compile_commands.json", "out/app/Release/compile_commands.json",
                                    "out/app/Debug/include-overlay.yaml"})
            EXPECT_NO_THROW(nlohmann::json::parse(readFile(dir / written))) << written;
    }
}

TEST_F(CompilationDatabase, PathsTakeTheirSpellingOnDisk) {
    // Written on Windows, which ignores letter case in names.
    writeFile(dir / "proj/Proj.pjt", crlfLines({"Source=\"SRC\\Main.C\"", "Source=\"src\\dup.C\"",
                                                "Source=\"src\\gone.c\"", "[\"Compiler\" Settings: \"Debug\"]",
                                                "Options=-i\"INC\" -i\"Missing\""}));
    for (const char* file : {"proj/src/main.c", "proj/src/dup.c", "proj/src/DUP.c", "proj/inc/Defs.h",
                             "proj/inc/defs.H", "proj/inc/Other.h"})
        writeFile(dir / file, "");
    ProgramRun result = run({"proj/Proj.pjt", "out", "-cdb"});
    ASSERT_EQ(result.status, 0) << result.output;
    // Nothing on disk, or two spellings: the path stays as built.
    EXPECT_NE(result.output.find("  Creating Compilation Database - " + at("out\\Proj\\Debug\\compile_commands.json") +
                                 "\n  Not found - " + at("proj\\Missing") + "\n  Not found - " +
                                 at("proj\\src\\dup.C") + "\n  Not found - " + at("proj\\src\\gone.c") + "\n"),
              std::string::npos)
        << result.output;

    const nlohmann::json database = nlohmann::json::parse(readFile(dir / "out/Proj/Debug/compile_commands.json"));
    ASSERT_EQ(database.size(), 1u);
    EXPECT_EQ(database[0]["file"], host("proj/src/main.c"));
    EXPECT_EQ(database[0]["arguments"],
              nlohmann::json(Lines{"cc", "-I" + host("proj/inc"), "-I" + host("proj/Missing"),
                                   "-ivfsoverlay" + host("out/Proj/Debug/include-overlay.yaml"), "-x", "c", "-c",
                                   host("proj/src/main.c")}));
    // Defs.h and defs.H would be one file to a case-blind reader.
    EXPECT_EQ(readFile(dir / "out/Proj/Debug/include-overlay.yaml"),
              crlfLines({"{", "  \"version\": 0,", "  \"case-sensitive\": \"false\",", "  \"roots\": [", "    {",
                         "      \"type\": \"directory\",", "      \"name\": \"" + host("proj/inc") + "\",",
                         "      \"contents\": [",
                         "        {\"type\": \"file\", \"name\": \"Other.h\", \"external-contents\": \"" +
                             host("proj/inc/Other.h") + "\"}",
                         "      ]", "    }", "  ]", "}"}));
}

TEST_F(CompilationDatabase, FailureToWriteEndsTheRun) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    writeFile(dir / "a.c", "");
    fs::create_directories(dir / "out/app/compile_commands.json");
    ProgramRun result = run({"app.pjt", "out", "-cdb"});
    EXPECT_EQ(result.status, 1);
    const std::string database = at("out\\app\\compile_commands.json");
    EXPECT_EQ(result.output, lfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                      "  Creating Compilation Database - " + database,
                                      "Could not write file: " + database}));
}

}  // namespace
