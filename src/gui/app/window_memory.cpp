#include "gui/app/window_memory.h"

#include "core/settings/settings_store.h"

#include <QByteArray>
#include <QWidget>

#include <string>
#include <string_view>

namespace vex {
namespace {

constexpr std::string_view kWindowKey = "SOFTWARE\\Vexilor\\Window";
constexpr std::string_view kGeometryName = "Geometry";

} // namespace

bool restoreWindowGeometry(QWidget& window, const SettingsStore& store) {
    std::string kept;
    if (!GETREGKEYDATA(store, kWindowKey, kGeometryName, kept, SettingsValueBufferBytes))
        return false;
    const QByteArray geometry = QByteArray::fromBase64(QByteArray::fromStdString(kept));
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

void rememberWindowGeometry(const QWidget& window, SettingsStore& store) {
    // A failure to store it costs the user only the window's place next time.
    SETREGKEYDATA(store, kWindowKey, kGeometryName, window.saveGeometry().toBase64().toStdString());
}

} // namespace vex
