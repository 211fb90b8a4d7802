#include "installs/Version.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The field of text that begins at start, up to the next "." or the end.
std::string_view fieldAt(std::string_view text, std::string_view::size_type start) {
    if (start >= text.size())
        return std::string_view();
    return text.substr(start, text.find('.', start) - start);
}

// A field's number and the text after it; a long number is compared by its
// digits, so that no field overflows.
int compareFields(std::string_view a, std::string_view b) {
    std::string_view::size_type aDigits = 0;
    std::string_view::size_type bDigits = 0;
    while (aDigits < a.size() && isDigit(a[aDigits]))
        ++aDigits;
    while (bDigits < b.size() && isDigit(b[bDigits]))
        ++bDigits;
    std::string_view aNumber = a.substr(0, aDigits);
    std::string_view bNumber = b.substr(0, bDigits);
    while (!aNumber.empty() && aNumber.front() == '0')
        aNumber.remove_prefix(1);
    while (!bNumber.empty() && bNumber.front() == '0')
        bNumber.remove_prefix(1);
    if (aNumber.size() != bNumber.size())
        return aNumber.size() < bNumber.size() ? -1 : 1;
    if (const int numbers = aNumber.compare(bNumber); numbers != 0)
        return numbers < 0 ? -1 : 1;
    const int rest = a.substr(aDigits).compare(b.substr(bDigits));
    return rest < 0 ? -1 : rest > 0 ? 1 : 0;
}

// Where the version of a folder name starts; npos when it has none.
std::string::size_type versionStart(const std::string& name) {
    for (std::string::size_type underscore = name.find('_'); underscore != std::string::npos;
         underscore = name.find('_', underscore + 1)) {
        const std::string::size_type start = underscore + 1;
        if (start < name.size() && isDigit(name[start]) &&
            name.find_first_not_of("0123456789._", start) == std::string::npos)
            return start;
    }
    return std::string::npos;
}

}  // namespace

int compareVersions(std::string_view a, std::string_view b) {
    std::string_view::size_type aAt = 0;
    std::string_view::size_type bAt = 0;
    while (aAt < a.size() || bAt < b.size()) {
        const std::string_view aField = fieldAt(a, aAt);
        const std::string_view bField = fieldAt(b, bAt);
        if (const int order = compareFields(aField, bField); order != 0)
            return order;
        aAt += aField.size() + 1;
        bAt += bField.size() + 1;
    }
    return 0;
}

std::string folderVersion(const std::string& folderName) {
    const std::string::size_type start = versionStart(folderName);
    if (start == std::string::npos)
        return std::string();
    std::string version = folderName.substr(start);
    for (char& c : version)
        if (c == '_')
            c = '.';
    return version;
}

std::string folderProduct(const std::string& folderName) {
    const std::string::size_type start = versionStart(folderName);
    return start == std::string::npos ? folderName : folderName.substr(0, start - 1);
}
