#include "gui/platform/dialog_folders.h"

#include "core/settings/settings_store.h"

#include <QFileInfo>

#include <string>
#include <string_view>

namespace vex {
namespace {

constexpr std::string_view kFoldersKey = "SOFTWARE\\Vexilor\\Folders";

std::string nameOf(FileKind kind) {
    return "Kind" + std::to_string(static_cast<int>(kind));
}

} // namespace

std::optional<QString> rememberedFolder(const SettingsStore& store, FileKind kind) {
    std::string kept;
    if (!GETREGKEYDATA(store, kFoldersKey, nameOf(kind), kept, SettingsValueBufferBytes))
        return std::nullopt;
    const QString folder = QString::fromStdString(kept);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return std::nullopt;
    return folder;
}

void rememberFolder(SettingsStore& store, FileKind kind, const QString& folder) {
    const std::string text = folder.toStdString();
    // A longer path would come back cut short: better none than a wrong one.
    if (text.size() >= SettingsValueBufferBytes) return;
    SETREGKEYDATA(store, kFoldersKey, nameOf(kind), text);
}

} // namespace vex
