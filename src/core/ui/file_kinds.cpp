#include "core/ui/file_kinds.h"

namespace vex {
namespace {

struct Texts {
    const char* dataDat;
    const char* dataTxt;
    const char* project;
    const char* bitmap;
    const char* pictures;
    const char* all;
    const char* csv;
    const char* pdf;
};

constexpr Texts kEnglish{"Data text files *.dat",
                         "Data text files *.txt",
                         "Project files of the special format *.vxr",
                         "Bitmap images *.bmp",
                         "All pictures",
                         "All files *.*",
                         "Comma-separated values *.csv",
                         "PDF documents *.pdf"};
constexpr Texts kRussian{"Текстовые файлы с данными *.dat",
                         "Текстовые файлы с данными *.txt",
                         "Файл проекта специального формата *.vxr",
                         "Файлы с растровым изображением *.bmp",
                         "Все изображения",
                         "Все файлы *.*",
                         "Значения через запятую *.csv",
                         "Документы PDF *.pdf"};

} // namespace

FileKindInfo fileKindInfo(FileKind kind, std::int32_t interfaceLanguage,
                          const std::vector<std::string>& imagePatterns) {
    const Texts& t = interfaceLanguage == 1 ? kRussian : kEnglish;
    const FileFilter all{t.all, {"*"}};
    FileKindInfo info;
    switch (kind) {
    case FileKind::TableOpen:
    case FileKind::TableSave:
        info.filters = {{t.dataDat, {"*.dat"}}, {t.dataTxt, {"*.txt"}}, all};
        info.defaultSuffix = "dat";
        info.confirmOverwrite = kind == FileKind::TableSave;
        info.movesStartFolder = kind == FileKind::TableSave;
        break;
    case FileKind::ProjectOpen:
    case FileKind::ProjectSave:
        info.filters = {{t.project, {"*.vxr"}}, all};
        // A name typed without extension means a project file in both dialogs.
        info.defaultSuffix = "vxr";
        info.confirmOverwrite = kind == FileKind::ProjectSave;
        info.movesStartFolder = true;
        break;
    case FileKind::CsvSave:
        info.filters = {{t.csv, {"*.csv"}}, all};
        info.defaultSuffix = "csv";
        info.confirmOverwrite = true;
        info.movesStartFolder = true;
        break;
    case FileKind::ImageOpen:
        info.filters = {{t.bitmap, {"*.bmp"}}};
        if (!imagePatterns.empty()) {
            // A page of a PDF opens as a picture too.
            std::vector<std::string> patterns = imagePatterns;
            patterns.push_back("*.pdf");
            info.filters.push_back({t.pictures, patterns});
        }
        info.filters.push_back({t.pdf, {"*.pdf"}});
        info.filters.push_back(all);
        info.defaultSuffix = "bmp";
        break;
    }
    return info;
}

} // namespace vex
