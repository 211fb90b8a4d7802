#ifndef KORRIN_CONVERSION_CHECKS_H
#define KORRIN_CONVERSION_CHECKS_H

#include <cstdint>
#include <string>
#include <vector>

// What a conversion must look like whatever the input; each check aborts
// with a description when it does not hold, which the fuzzer reports.

// Status 0 ends with the completion line; status 1 with exactly one
// failure line, the last one. No other status. When the last argument is an
// option that wants a value, only the usage text with status 1 will do.
void checkConsole(int status, const std::string& output, bool missingValue);

// Every line ends with CR LF; in a project file written to its end the
// markers are balanced too (one that failed part-way keeps the lines written
// so far).
void checkPrjFile(const std::string& bytes, bool complete);

// Everything found below where (listTree) when only the expected may be there.
void checkEntries(const std::string& where, const std::vector<std::string>& found,
                  const std::vector<std::string>& expected);

#endif
