#include "core/ui/window_title.h"

#include "core/messages/catalogue.h"
#include "core/state/app_state.h"

namespace vex {

std::string windowTitleText(const AppState& s) {
    const std::string caption = GETSS(msg::Caption, s.InterfaceLanguage);
    if (s.work.ProjectNamed == 0 || s.ProjectPath.empty()) return caption + "[*]";
    const std::string& path = s.ProjectPath;
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name + "[*] \u2014 " + caption;
}

} // namespace vex
