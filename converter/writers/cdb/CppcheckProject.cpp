#include "writers/cdb/CppcheckProject.h"

#include "model/Families.h"
#include "writers/OutputFile.h"

namespace {

// A size in chars of the type's storage: bits that are no power of two
// (a 40-bit long) lie in the next one.
std::string chars(int bits, int charBits) {
    int storage = charBits;
    while (storage < bits)
        storage *= 2;
    return std::to_string(storage / charBits);
}

void writePlatform(const std::string& path, const TypeSizes& sizes) {
    OutputFile platform(path);
    platform.writeLine("<?xml version=\"1.0\"?>");
    platform.writeLine("<platform>");
    platform.writeLine("  <char_bit>" + std::to_string(sizes.charBits) + "</char_bit>");
    platform.writeLine(std::string("  <default-sign>") + (sizes.plainCharSigned ? "signed" : "unsigned") + "</default-sign>");
    platform.writeLine("  <sizeof>");
    const std::pair<const char*, int> types[] = {
        {"bool", sizes.charBits},           {"short", sizes.shortBits},         {"int", sizes.intBits},
        {"long", sizes.longBits},           {"long-long", sizes.longLongBits},  {"float", sizes.floatBits},
        {"double", sizes.doubleBits},       {"long-double", sizes.longDoubleBits}, {"pointer", sizes.pointerBits},
        {"size_t", sizes.sizeBits},         {"wchar_t", sizes.wcharBits},
    };
    for (const auto& [type, bits] : types)
        platform.writeLine(std::string("    <") + type + ">" + chars(bits, sizes.charBits) + "</" + type + ">");
    platform.writeLine("  </sizeof>");
    platform.writeLine("</platform>");
    platform.close();
}

}  // namespace

void writeCppcheckProject(const std::string& folder, const std::string& name, const Target& target, bool claSources) {
    const Family* family = familyOf(target);
    const std::string platform = family == nullptr ? std::string() : family->name + "-platform.xml";
    if (family != nullptr)
        writePlatform(folder + "\\" + platform, typeSizesOf(*family, target));
    OutputFile project(folder + "\\" + name + ".cppcheck");
    project.writeLine("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    project.writeLine("<project version=\"1\">");
    if (claSources)
        project.writeLine("    <!-- cppcheck leaves out the .cla sources of the database: it reads C and C++ alone. -->");
    project.writeLine("    <importproject>compile_commands.json</importproject>");
    if (!platform.empty())
        project.writeLine("    <platform>" + platform + "</platform>");
    project.writeLine("</project>");
    project.close();
}
