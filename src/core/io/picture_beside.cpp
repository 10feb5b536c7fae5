#include "core/io/picture_beside.h"

#include "core/io/file_access.h"

#include <filesystem>
#include <system_error>

namespace vex {

std::string pictureFileBeside(const std::string& projectPath) {
    const std::filesystem::path project = pathFromUtf8(projectPath);
    const std::filesystem::path folder = project.parent_path();
    const std::string stem = pathToUtf8(project.stem());
    std::error_code ec;
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? stem + ".png" : stem + "-" + std::to_string(n) + ".png";
        const std::filesystem::path candidate = folder / pathFromUtf8(name);
        if (!std::filesystem::exists(candidate, ec) && !ec) return pathToUtf8(candidate);
        if (ec) return pathToUtf8(candidate); // the write that follows reports the trouble
    }
}

} // namespace vex
