#ifndef KORRIN_PATH_TEXT_H
#define KORRIN_PATH_TEXT_H

#include <string>
#include <string_view>

// Paths as text, with "\" as the separator: nothing here asks the file system.

// Every "/" becomes "\".
void toNativeSeparators(std::string& path);

// The same folder without its trailing "\", which not every host's folder
// test or overlay accepts; a root such as "\" or "C:\" keeps it.
std::string withoutTrailingSeparator(const std::string& path);

// The text before the last "\" of path; empty when it holds none.
std::string folderOf(const std::string& path);

// path with its "." folders and doubled "\" left out and each ".." taken
// back with the folder before it, as text: 'a\b\..\.\c' is 'a\c'. A ".."
// stays at the start of a relative path and goes at a root; a trailing
// "\" stays. A path that still holds a variable ("${") is returned whole,
// since its value may span any number of folders.
std::string foldedPath(const std::string& path);

// Whether a folder path relative to some base, with "\" and "/" as
// separators, stays inside that base at every step: "." and empty segments
// stay, ".." goes up one level.
bool staysInside(const std::string& relativePath);

// The text after the last "\", or else after the last "/"; the whole name
// when it holds neither.
std::string baseName(const std::string& name);

// The text after the last separator of a parent path. When it holds both
// "\" and "/", the separator is the one whose first occurrence lies further
// right: 'a\b/c\d' gives 'c\d'.
std::string lastFolderName(const std::string& parentPath);

// Whether a path begins at a root: "\" or a drive ("C:"). Any other is
// relative to a folder that the project's format names.
bool isRootedPath(const std::string& path);

// text without the runs of c at its start and at its end.
std::string stripChar(const std::string& text, char c);

// Whether text begins with head, or ends with tail.
bool startsWith(std::string_view text, std::string_view head);
bool endsWith(std::string_view text, std::string_view tail);

// text without the blanks, tabs and line ends around it.
std::string trimmed(std::string_view text);

// text without one pair of double quotes around it, if it has one.
std::string withoutEnclosingQuotes(const std::string& text);

// Letter case aside, for names that Windows compares so: every ASCII letter
// in upper case.
std::string upperCase(std::string text);
// Every ASCII letter in lower case.
std::string lowerCase(std::string text);

#endif
