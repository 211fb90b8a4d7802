#include "GeneratedProjects.h"

#include <algorithm>
#include <random>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

// Draws from one seeded engine; modulo keeps the cases the same on every
// standard library, which its distributions would not.
class Draw {
public:
    explicit Draw(unsigned seed) : engine(seed) {}
    std::size_t below(std::size_t n) { return n == 0 ? 0 : engine() % n; }
    bool chance(unsigned percent) { return below(100) < percent; }
    const std::string& pick(const Lines& from) { return from[below(from.size())]; }

private:
    std::mt19937 engine;
};

const Lines folderNames{"src", "lib", "inc", "..", ".", "my dir", "d\xE9v", "C:", "D:\\shared", "$(Proj_dir)",
                        "$(Install_dir)", "$(install_DIR)", "a/b", "", "x.y", "\x80"};
const Lines fileNames{"main.c", "pwm.C", "board.h", "app.cmd", "crc.cpp", "boot.asm", "noext", "t r.c", "x.cxx",
                      "lib.lib", "\xFC.c", "A.H"};
const Lines configurationNames{"Debug", "Release", "Debug\\ARM", "My Config", "R\xE9lease", "src/../lib", "", "x.y"};
const Lines cpuFamilies{"TMS320C28XX", "TMS320C64XX", "TMS320C67XX", "TMS320C54XX", "TMS320C55XX", "MSP430",
                        "TMS470R1X", "", "DSPX"};
const Lines rootNames{"app.pjt", "app.pjt", "app.pjt", ".pjt", "pjt", "my app.pjt", "pr\xF6j.pjt", "a.old.pjt"};
const Lines lineEnds{"\n", "\r\n", "\r\n", "\r\r\n", "\r"};

std::string sourcePath(Draw& draw) {
    std::string path;
    for (std::size_t depth = draw.below(4); depth > 0; --depth)
        path += draw.pick(folderNames) + "\\";
    return path + draw.pick(fileNames);
}

std::string option(Draw& draw, const Lines& sources) {
    const std::string name = draw.pick({"LEVEL", "_DEBUG", "NUMST", "HAVE STDIO", "V\xE9"});
    switch (draw.below(12)) {
    case 0: return "-i\"" + sourcePath(draw) + "\"";
    case 1: return "-i\"" + draw.pick(folderNames) + "\"";
    case 2: return "-i" + draw.pick(folderNames);
    case 3: return "-d\"" + name + "=1\"";
    case 4: return "-d" + name;
    case 5: return "-d\"" + name + "=\"";
    case 6: return "-d" + name + "=\"abc\"";
    case 7: return "-d\"" + name + "=\"x y\"\"";
    case 8: return "-i\"$(Install_dir)\\c2000\\include\"";
    case 9: return "-fr\".\\Debug\"";
    case 10: return sources.empty() ? "-g" : "-i\"" + draw.pick(sources) + "\"";
    default: return draw.pick({"-g", "-o2", "-q", "-ml", "-mf", "-pdsw225", "-al"});
    }
}

std::string optionsLine(Draw& draw, const Lines& sources) {
    std::string line = "Options=";
    for (std::size_t count = draw.below(6); count > 0; --count)
        line += (line.size() > 8 ? " " : "") + option(draw, sources);
    return draw.chance(10) ? line + " " : line;
}

Lines projectLines(Draw& draw) {
    Lines lines;
    if (draw.chance(70))
        lines.insert(lines.end(), {"[Project Settings]", "ProjectDir=\"C:\\work\\app\\\"", "ProjectType=Executable"});
    if (draw.chance(60))
        lines.push_back("CPUFamily=" + draw.pick(cpuFamilies));
    Lines sources;
    for (std::size_t count = draw.below(8); count > 0; --count)
        sources.push_back(sourcePath(draw));
    if (draw.chance(20) && !sources.empty())
        sources.push_back(sources.front());  // listed twice
    Lines sourceLines{"[Source Files]"};
    for (const std::string& source : sources)
        sourceLines.push_back("Source=\"" + source + "\"");
    Lines configurations;
    for (std::size_t count = draw.below(4); count > 0; --count)
        configurations.push_back(draw.pick(configurationNames));
    Lines settings;
    for (const std::string& configuration : configurations) {
        settings.push_back("[\"Compiler\" Settings: \"" + configuration + "\"]");
        for (std::size_t count = draw.below(3); count > 0; --count)
            settings.push_back(optionsLine(draw, sources));
        if (draw.chance(30))
            settings.insert(settings.end(), {"[\"Linker\" Settings: \"" + configuration + "\"]", "Options=-q -m\"a.map\""});
    }
    for (std::size_t count = sources.empty() ? 0 : draw.below(4); count > 0; --count) {
        const std::string configuration = configurations.empty() ? "Debug" : draw.pick(configurations);
        settings.push_back("[\"" + draw.pick(sources) + "\" Settings: \"" + configuration + "\"]");
        settings.push_back(draw.chance(85) ? "ExcludeFromBuild=true" : "ExcludeFromBuild=false");
    }
    // Sources mostly come first, as Code Composer writes them.
    if (draw.chance(80)) {
        lines.insert(lines.end(), sourceLines.begin(), sourceLines.end());
        lines.insert(lines.end(), settings.begin(), settings.end());
    } else {
        lines.insert(lines.end(), settings.begin(), settings.end());
        lines.insert(lines.end(), sourceLines.begin(), sourceLines.end());
    }
    return lines;
}

std::string joinLines(Draw& draw, const Lines& lines) {
    const bool mixed = draw.chance(20);
    const std::string end = draw.pick(lineEnds);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || draw.chance(80))
            text += mixed ? draw.pick(lineEnds) : end;
    }
    return text;
}

Lines commandLine(Draw& draw, const std::string& project, const std::string& destination) {
    Lines options;
    for (std::size_t count = draw.below(7); count > 0; --count) {
        switch (draw.below(11)) {
        case 0: options.push_back("-rp"); break;
        case 1: options.push_back("-cdb"); break;
        case 2: options.insert(options.end(), {"-pn", draw.pick({"name", "my prj", "", "n\xE9"})}); break;
        case 3: options.insert(options.end(), {"-mp", draw.pick({"given.p_s", "missing.p_s"})}); break;
        case 4: options.insert(options.end(), {"-ap", draw.pick({"given.p_a", "missing.p_a"})}); break;
        case 5: options.insert(options.end(), {"-cp", draw.pick({"given.p_c", "missing.p_c"})}); break;
        case 6: options.insert(options.end(), {"-ext", draw.pick({"c,h", "C", "c,", "", "cpp,asm,H", "h"})}); break;
        case 7:
            options.insert(options.end(), {"-var", draw.pick({"Install_dir=C:\\ti", "INSTALL_DIR=\\opt\\ti",
                                                              "Proj_dir=D:\\p", "noequals", "Install_dir="})});
            break;
        case 8: options.push_back(draw.pick({"-RP", "-x", "rp", "-rp2"})); break;
        default: options.push_back(draw.chance(50) ? "-rp" : "-cdb"); break;
        }
    }
    if (draw.chance(5))
        options.push_back(draw.pick({"-pn", "-mp", "-ap", "-cp", "-ext", "-var"}));  // a value option last
    Lines arguments{project, destination};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return arguments;
}

ComparisonCase generatedProject(Draw& draw, int number) {
    ComparisonCase run;
    run.name = "generated " + std::to_string(number);
    const std::string root = draw.pick(rootNames);
    run.files[root] = joinLines(draw, projectLines(draw));
    run.files["given.p_s"] = "message\r\n";
    run.files["given.p_a"] = "-d \"TEMPLATE\"\r\n";
    run.files["given.p_c"] = "compiler\r\n";
    for (const char* present : {"src/main.c", "src/board.h", "inc/x.h", "lib/crc.cpp", "SRC/PWM.c"})
        if (draw.chance(50))
            run.files[present] = "int x;\n";
    run.folders.push_back("out");
    run.arguments = commandLine(draw, root, draw.pick({"out", "out/", "out/.", "./out"}));
    return run;
}

}  // namespace

std::vector<ComparisonCase> generatedProjects(unsigned seed, int count) {
    Draw draw(seed);
    std::vector<ComparisonCase> cases;
    for (int number = 0; number < count; ++number)
        cases.push_back(generatedProject(draw, number));
    return cases;
}

std::vector<ComparisonCase> hostileProjects() {
    std::string deep = "C:";
    for (int level = 0; level < 3000; ++level)
        deep += "\\d";
    deep += "\\f.c";
    std::vector<ComparisonCase> cases;
    for (const char* name : {"..\\..\\x", "a/../../..", "..", "x\\..\\..", "..\\out2"}) {
        for (const Lines& sources : {Lines{"a.c"}, Lines{deep}, Lines{"a.c", deep}, Lines{"C:\\a/../../../..\\f.c"}}) {
            for (const Lines& options : {Lines{}, Lines{"-rp"}, Lines{"-rp", "-cdb"}}) {
                ComparisonCase run;
                run.name = std::string("hostile ") + name + ", sources: " + std::to_string(sources.size()) +
                           (sources.back().size() > 100 ? " with a deep chain" : "");
                Lines lines;
                for (const std::string& source : sources)
                    lines.push_back("Source=\"" + source + "\"");
                lines.insert(lines.end(), {"[\"Compiler\" Settings: \"A\"]", std::string("[\"Compiler\" Settings: \"") + name + "\"]"});
                std::string text;
                for (const std::string& line : lines)
                    text += line + "\r\n";
                run.files["app.pjt"] = text;
                run.folders.push_back("out/inner");
                run.arguments = {"app.pjt", "out/inner"};
                run.arguments.insert(run.arguments.end(), options.begin(), options.end());
                cases.push_back(run);
            }
        }
    }
    return cases;
}

std::vector<ComparisonCase> corpusProjects(const fs::path& corpus) {
    std::vector<fs::path> projects;
    if (fs::is_directory(corpus))
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(corpus)) {
            if (!entry.is_regular_file())
                continue;
            const fs::path& path = entry.path();
            if (path.extension() == ".pjt" || path.extension() == ".projectspec")
                projects.push_back(fs::absolute(path));
            else if (path.filename() == ".project")
                projects.push_back(fs::absolute(path.parent_path()));
        }
    std::sort(projects.begin(), projects.end());
    std::vector<ComparisonCase> cases;
    for (const fs::path& project : projects) {
        for (const Lines& options : {Lines{}, Lines{"-rp"}, Lines{"-cdb"}, Lines{"-rp", "-cdb", "-ext", "c,h"}}) {
            ComparisonCase run;
            run.name = fs::relative(project, fs::absolute(corpus)).string();
            for (const std::string& option : options)
                run.name += " " + option;
            run.folders.push_back("out");
            run.arguments = {project.string(), "out"};
            run.arguments.insert(run.arguments.end(), options.begin(), options.end());
            cases.push_back(run);
        }
    }
    return cases;
}
