#include "base/Extensions.h"

#include <algorithm>

#include "base/PathText.h"

bool hasAcceptedExtension(const std::string& path, const std::list<std::string>& extensions) {
    if (extensions.empty())
        return true;
    std::string::size_type dot = path.rfind('.');
    std::string extension = upperCase(dot == std::string::npos ? path : path.substr(dot + 1));
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](const std::string& entry) { return upperCase(entry) == extension; });
}

std::optional<Language> languageOf(std::string_view path) {
    std::string_view::size_type dot = path.rfind('.');
    std::string extension =
        upperCase(std::string(dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1)));
    if (extension == "C")
        return Language::C;
    if (extension == "CC" || extension == "CPP" || extension == "CXX")
        return Language::Cxx;
    if (extension == "CLA")
        return Language::Cla;
    return std::nullopt;
}
