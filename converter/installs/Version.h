#ifndef KORRIN_VERSION_H
#define KORRIN_VERSION_H

#include <string>
#include <string_view>

// Versions as TI writes them, fields between dots: "22.6.1.LTS",
// "2.09.00.01", "22.6.1A23259". They compare field by field, by the number
// a field begins with ("2.5.1.00" is "2.05.01.00"), then by the rest of it
// as text; a missing field counts as 0. Negative, 0 or positive as a is
// older than, the same as or newer than b.
int compareVersions(std::string_view a, std::string_view b);

// The version a folder name ends with, after the first "_" that a digit
// follows and only digits, "." and "_" then: 'mspm0_sdk_2_09_00_01' gives
// "2.09.00.01", 'sysconfig_1.24.0' "1.24.0"; "_" becomes ".". Empty when
// the name has none.
std::string folderVersion(const std::string& folderName);

// The name before that version: 'mspm0_sdk'; the whole name when it has none.
std::string folderProduct(const std::string& folderName);

#endif
