#pragma once
// The folder each kind of file dialog was last left in, kept in the settings
// store so that the next run opens there again.

#include "core/ui/file_kinds.h"

#include <QString>

#include <optional>

namespace vex {

class SettingsStore;

// The folder kept for `kind`, when one was kept and it still exists.
std::optional<QString> rememberedFolder(const SettingsStore& store, FileKind kind);
void rememberFolder(SettingsStore& store, FileKind kind, const QString& folder);

} // namespace vex
