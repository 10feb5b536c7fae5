#include "core/cli/toolkit_options.h"

#include <algorithm>
#include <string_view>

namespace vex {
namespace {

constexpr std::string_view kTakingAValue[] = {"platform",      "platformpluginpath",
                                              "platformtheme", "plugin",
                                              "style",         "stylesheet",
                                              "geometry",      "qwindowgeometry",
                                              "qwindowtitle",  "qwindowicon",
                                              "display",       "session",
                                              "name",          "title",
                                              "visual",        "ncols",
                                              "dialogs",       "fontengine"};
constexpr std::string_view kStandingAlone[] = {"reverse", "widgetcount", "cmap",
                                               "nograb",  "dograb",      "sync"};

template <std::size_t N> bool among(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// How many arguments the toolkit takes from `arg` on: 0 when it is not its
// option, 2 for a name and the value after it.
std::size_t toolkitArguments(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-') return 0;
    std::string_view name(arg);
    name.remove_prefix(arg[1] == '-' ? 2 : 1);
    const std::size_t equals = name.find('=');
    if (equals != std::string_view::npos)
        return among(kTakingAValue, name.substr(0, equals)) ? 1 : 0;
    if (among(kTakingAValue, name)) return 2;
    return among(kStandingAlone, name) ? 1 : 0;
}

} // namespace

std::vector<std::string> withoutToolkitOptions(const std::vector<std::string>& args) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {
            kept.insert(kept.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        const std::size_t taken = toolkitArguments(args[i]);
        if (taken == 0)
            kept.push_back(args[i]);
        else
            i += taken - 1;
    }
    return kept;
}

} // namespace vex
