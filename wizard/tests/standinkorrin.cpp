// The stand-in Korrin of the wizard's tests, copied under Korrin's name into
// the folder that KORRIN_STAND_IN names (a test's StandInKorrin). It records
// the name it was started by and its arguments there, one a line: asked for
// the build macros ("-macros") in "listing", and answers with the file
// "macros"; asked for the project's name ("-name") in "naming", and answers
// with the file "name"; asked for the projects of a folder ("-projects") in
// "projecting", and answers with the file "projects"; otherwise in
// "arguments". Then it prints the file "first", waits until a file "release"
// exists, prints "second" and exits with the number in "status".

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What Korrin answers without converting: the option, the file the
// arguments are recorded in and the file that holds the answer.
struct Question
{
    const char *option;
    const char *record;
    const char *answer;
};

const Question questions[] = {
    {"-macros", "listing", "macros"}, {"-name", "naming", "name"}, {"-projects", "projecting", "projects"}};

// The bytes as they are, without Windows' line end translation.
void print(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const char *folder = std::getenv("KORRIN_STAND_IN");
    if (!folder) {
        std::fputs("standinkorrin: KORRIN_STAND_IN names no folder\n", stderr);
        return 2;
    }
    const fs::path here(folder);
    const Question *question = std::find_if(std::begin(questions), std::end(questions), [argc, argv](const Question &q) {
        return std::any_of(argv + 1, argv + argc, [&q](const char *a) { return std::string(a) == q.option; });
    });
    const bool answering = question != std::end(questions);
    {
        std::ofstream record(here / (answering ? question->record : "arguments"), std::ios::binary);
        record << fs::path(argv[0]).filename().string() << '\n';
        std::for_each(argv + 1, argv + argc, [&record](const char *a) { record << a << '\n'; });
    }
    if (answering) {
        const bool alone = std::string(question->option) == "-projects" && !fs::exists(here / question->answer) && argc > 1;
        print(alone ? std::string(argv[1]) + "\n" : contents(here / question->answer));
        return 0;
    }
    print(contents(here / "first"));
    while (!fs::exists(here / "release"))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    print(contents(here / "second"));
    return std::atoi(contents(here / "status").c_str());
}
