#pragma once
// The kinds of files the program asks for, with what the file dialogs offer
// for each: filters, default extension, whether to confirm an overwrite.

#include <cstdint>
#include <string>
#include <vector>

namespace vex {

enum class FileKind : int {
    TableOpen = 2,    // text table import
    ProjectOpen = 5,  // Load Project
    ImageOpen = 12,   // chart picture
    ProjectSave = 10, // Save Project As
    TableSave = 11,   // text table export
    CsvSave = 20,     // points or the family table as CSV
};

struct FileFilter {
    std::string description; // in the interface language
    std::vector<std::string> patterns;
};

struct FileKindInfo {
    std::vector<FileFilter> filters;
    std::string defaultSuffix;
    bool confirmOverwrite = false;
    // Project dialogs remember their folder for the dialogs that follow;
    // picture and table dialogs leave it alone.
    bool movesStartFolder = false;
};

// `imagePatterns`: the picture formats the toolkit can read, e.g. "*.png".
FileKindInfo fileKindInfo(FileKind kind, std::int32_t interfaceLanguage,
                          const std::vector<std::string>& imagePatterns = {});

} // namespace vex
