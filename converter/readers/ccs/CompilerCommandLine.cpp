#include "readers/ccs/CompilerCommandLine.h"

#include "base/PathText.h"
#include "host/SmallFile.h"
#include "readers/ccs/CompilerFlags.h"

namespace {

// The value of an option written "-X value", "-Xvalue" or "--name=value"
// when word is one; the value may be the next word.
bool takeValue(const std::vector<std::string>& words, std::size_t& at, std::initializer_list<std::string_view> forms,
               std::string& value) {
    const std::string& word = words[at];
    for (std::string_view form : forms) {
        if (!startsWith(word, form))
            continue;
        if (word.size() > form.size()) {
            value = word.substr(form.size());
            return true;
        }
        if (form.back() != '=' && at + 1 < words.size()) {
            value = words[++at];
            return true;
        }
    }
    return false;
}

// An option file holds a few lines; a device or a file of megabytes is none.
std::string optionFileText(const std::string& path) { return host::readSmallFile(path, 1 << 20).value_or(std::string()); }

}  // namespace

std::vector<std::string> commandWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\r' || c == '\n';
        if (lineEnd || (!quoted && (c == ' ' || c == '\t'))) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            quoted = quoted && !lineEnd;
            continue;
        }
        if (c == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
            word += "\\\"";
            ++i;
        } else {
            if (c == '"')
                quoted = !quoted;
            word += c;
        }
        inWord = true;
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

void addOptionFile(const std::string& written, const Locate& locate, CompilerCommandLine& line,
                   std::set<std::string>& read) {
    const std::string path = locate(written);
    if (read.insert(path).second)
        addCommandLine(optionFileText(path), locate, line, read);
}

void addCommandLine(std::string_view text, const Locate& locate, CompilerCommandLine& line,
                    std::set<std::string>& read) {
    const std::vector<std::string> words = commandWords(text);
    for (std::size_t at = 0; at < words.size(); ++at) {
        std::string value;
        if (takeValue(words, at, {"--include_path=", "-I"}, value)) {
            line.includePaths.push_back(value);
        } else if (takeValue(words, at, {"--define=", "-D"}, value)) {
            line.defines.push_back(value);
        } else if (takeValue(words, at, {"--cmd_file=", "-@", "@"}, value)) {
            addOptionFile(value, locate, line, read);
        } else if (takeValue(words, at, {"--preinclude="}, value)) {
            line.preincludes.push_back(value);
        } else {
            line.options.push_back(longFlag(words[at]));
        }
    }
}
