#ifndef KORRIN_INTRINSICS_HEADER_H
#define KORRIN_INTRINSICS_HEADER_H

#include <string>

#include "model/Target.h"

// The name of the header, beside a configuration's database, that declares
// the intrinsics of its compiler.
extern const char* const intrinsicsHeaderName;

// Whether a source of the target's compiler (for the control law
// accelerator when cla) has intrinsics to declare.
bool hasIntrinsics(const Target& target, bool cla);

// Writes the header at path: the intrinsics of the target's family, and of
// its control law accelerator for the sources compiled for it, for C and C++.
// Throws ConversionError (CannotWriteFile) when it cannot be written.
void writeIntrinsicsHeader(const std::string& path, const Target& target);

#endif
