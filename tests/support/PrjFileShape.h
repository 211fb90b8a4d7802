#ifndef KORRIN_PRJ_FILE_SHAPE_H
#define KORRIN_PRJ_FILE_SHAPE_H

#include <string>
#include <vector>

namespace testing_support {

// One project block of a .prj file as read back.
struct ProjectBlock {
    std::string name;
    std::vector<std::string> keys;  // SourcePath= to CompPers=, as written
    std::vector<std::string> files;
    std::vector<ProjectBlock> children;
};

// Whether a CR that does not end a line is accepted; names read from a
// project file with CR-only line ends carry them into the .prj.
enum class StrayCarriageReturns { Refused, Accepted };

// Reads a whole .prj file; throws std::runtime_error naming the first line
// that breaks the format (a missing CR LF, an unbalanced marker).
ProjectBlock readPrjFile(const std::string& bytes,
                             StrayCarriageReturns carriageReturns = StrayCarriageReturns::Refused);

// The files of the block and of every block below it, in file order.
std::vector<std::string> filesBelow(const ProjectBlock& block);

// The path lines of the .prj files and analyser personalities below
// destination that are no POSIX paths: a "\" in a line of a path (any line
// but a group's name, a marker or a definition), or a SourcePath or
// OutputPath that does not start at "/".
std::vector<std::string> nonPosixPathLines(const std::string& destination);

}  // namespace testing_support

#endif
