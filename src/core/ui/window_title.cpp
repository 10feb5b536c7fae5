#include "core/ui/window_title.h"

#include "core/messages/catalogue.h"
#include "core/state/app_state.h"

#include <filesystem>

namespace vex {

std::string windowTitleText(const AppState& s) {
    const std::string caption = GETSS(msg::Caption, s.InterfaceLanguage);
    if (s.work.ProjectNamed == 0 || s.ProjectPath.empty()) return caption + "[*]";
    return std::filesystem::path(s.ProjectPath).filename().string() + "[*] \u2014 " + caption;
}

} // namespace vex
