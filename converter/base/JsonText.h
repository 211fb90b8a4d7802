#ifndef KORRIN_JSON_TEXT_H
#define KORRIN_JSON_TEXT_H

#include <string>

// The bytes as a JSON string, quotes included. Quotes, backslashes and
// control characters are escaped; so is every byte that is not part of a
// valid UTF-8 sequence, as the character of the same number (its Latin-1
// reading), so that the text is always valid JSON.
std::string jsonString(const std::string& bytes);

#endif
