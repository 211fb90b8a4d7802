#include "writers/cdb/IncludeOverlay.h"

#include <map>

#include "host/Host.h"
#include "writers/cdb/DiskSpelling.h"
#include "base/JsonText.h"
#include "writers/OutputFile.h"
#include "base/PathText.h"

namespace {

// The files of the folder whose names no other file there matches with
// letter case ignored.
std::vector<std::string> filesWithoutTwins(const std::vector<host::FolderEntry>& entries) {
    std::map<std::string, int> spellings;
    for (const host::FolderEntry& entry : entries)
        if (!entry.isFolder)
            ++spellings[upperCase(entry.name)];
    std::vector<std::string> files;
    for (const host::FolderEntry& entry : entries)
        if (!entry.isFolder && spellings[upperCase(entry.name)] == 1)
            files.push_back(entry.name);
    return files;
}

void writeFolder(OutputFile& overlay, const std::string& folder, const std::vector<std::string>& files, bool last) {
    const std::string name = host::systemPath(folder);
    overlay.writeLine("    {");
    overlay.writeLine("      \"type\": \"directory\",");
    overlay.writeLine("      \"name\": " + jsonString(name) + ",");
    overlay.writeLine("      \"contents\": [");
    for (std::size_t i = 0; i < files.size(); ++i)
        overlay.writeLine("        {\"type\": \"file\", \"name\": " + jsonString(files[i]) +
                          ", \"external-contents\": " + jsonString(host::systemPath(folder + "\\" + files[i])) + "}" +
                          (i + 1 < files.size() ? "," : ""));
    overlay.writeLine("      ]");
    overlay.writeLine(last ? "    }" : "    },");
}

}  // namespace

void writeIncludeOverlay(const std::string& path, const std::vector<std::string>& folders, DiskSpelling& disk) {
    OutputFile overlay(path);
    overlay.writeLine("{");
    overlay.writeLine("  \"version\": 0,");
    overlay.writeLine("  \"case-sensitive\": \"false\",");
    overlay.writeLine("  \"roots\": [");
    for (std::size_t i = 0; i < folders.size(); ++i)
        writeFolder(overlay, folders[i], filesWithoutTwins(disk.entriesOf(folders[i])), i + 1 == folders.size());
    overlay.writeLine("  ]");
    overlay.writeLine("}");
    overlay.close();
}
