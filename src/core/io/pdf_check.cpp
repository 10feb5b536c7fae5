#include "core/io/pdf_check.h"

#include "core/io/file_access.h"

namespace vex {

bool isPdfFile(const std::string& path) {
    constexpr std::size_t kLargestDocument = std::size_t(1) << 30;
    constexpr std::size_t kMarkWithin = 1024;
    ReadableFile file;
    std::string head;
    if (file.open(path, kLargestDocument) || !file.readAt(0, kMarkWithin, head)) return false;
    return head.find("%PDF-") != std::string::npos;
}

} // namespace vex
