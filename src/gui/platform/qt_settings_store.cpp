#include "gui/platform/qt_settings_store.h"

#include <QSettings>

#include <memory>

namespace vex {
namespace {

QString keyPath(std::string_view key) {
    return QString::fromStdString(std::string(key)).replace('\\', '/');
}

// A string value's terminating NUL is the registry's own business; QSettings
// adds it where the platform needs one.
QString valueText(std::string_view data) {
    while (!data.empty() && data.back() == '\0') data.remove_suffix(1);
    return QString::fromUtf8(data.data(), static_cast<qsizetype>(data.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(QString iniFile) : iniFile_(std::move(iniFile)) {}

namespace {

std::unique_ptr<QSettings> openSettings(const QString& iniFile, std::string_view key) {
    if (!iniFile.isEmpty()) {
        auto s = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
        s->beginGroup(keyPath(key));
        return s;
    }
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>("HKEY_LOCAL_MACHINE\\" + keyPath(key).replace('/', '\\'),
                                       QSettings::NativeFormat);
#else
    auto s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Vexilor",
                                         "vexilor");
    s->beginGroup(keyPath(key));
    return s;
#endif
}

} // namespace

std::optional<SettingsStore::Values> QtSettingsStore::values(std::string_view key) const {
    const std::unique_ptr<QSettings> settings = openSettings(iniFile_, key);
    if (settings->status() != QSettings::NoError) return std::nullopt;
    Values values;
    for (const QString& name : settings->childKeys())
        values.emplace_back(name.toStdString(), settings->value(name).toString().toStdString());
    return values;
}

bool QtSettingsStore::setValue(std::string_view key, std::string_view name, std::string_view data) {
    const std::unique_ptr<QSettings> settings = openSettings(iniFile_, key);
    settings->setValue(QString::fromStdString(std::string(name)), valueText(data));
    settings->sync();
    return settings->status() == QSettings::NoError && settings->isWritable();
}

} // namespace vex
