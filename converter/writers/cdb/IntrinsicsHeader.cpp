#include "writers/cdb/IntrinsicsHeader.h"

#include "model/Families.h"
#include "writers/OutputFile.h"

const char* const intrinsicsHeaderName = "ti-intrinsics.h";

namespace {

void writeDeclarations(OutputFile& header, const Family* family) {
    if (family != nullptr)
        for (const std::string& intrinsic : family->intrinsics)
            header.writeLine(intrinsic);
}

}  // namespace

bool hasIntrinsics(const Target& target, bool cla) {
    const Family* family = familyOf(target, cla);
    return family != nullptr && !family->intrinsics.empty();
}

void writeIntrinsicsHeader(const std::string& path, const Target& target) {
    OutputFile header(path);
    header.writeLine("/* The intrinsics of TI's compiler, which it knows without a header, declared with its");
    header.writeLine("   signatures for the analysers; a call that is an lvalue is a macro. Written by Korrin. */");
    header.writeLine("#ifndef KORRIN_TI_INTRINSICS_H");
    header.writeLine("#define KORRIN_TI_INTRINSICS_H");
    header.writeLine("#ifdef __cplusplus");
    header.writeLine("extern \"C\" {");
    header.writeLine("#endif");
    const Family* cla = familyOf(target, true);
    if (cla != nullptr && cla->forCla) {
        header.writeLine("#ifdef __TMS320C28XX_CLA__");
        writeDeclarations(header, cla);
        header.writeLine("#else");
        writeDeclarations(header, familyOf(target));
        header.writeLine("#endif");
    } else {
        writeDeclarations(header, familyOf(target));
    }
    header.writeLine("#ifdef __cplusplus");
    header.writeLine("}");
    header.writeLine("#endif");
    header.writeLine("#endif");
    header.close();
}
