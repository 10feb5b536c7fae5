#include "gui/platform/qt_settings_store.h"

#include "core/io/file_access.h"

#include <QSettings>
#include <QStandardPaths>

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

// Elsewhere than Windows the store is one INI file in the user's
// configuration folder, named here so that it can be looked at before
// QSettings reads it.
QtSettingsStore::QtSettingsStore()
#ifndef Q_OS_WIN
    : iniFile_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/Vexilor/vexilor.ini"))
#endif
{
}

QtSettingsStore::QtSettingsStore(QString iniFile) : iniFile_(std::move(iniFile)) {}

namespace {

// QSettings reads its file whole as soon as it is made, and writes by
// putting a new file in its place: a pipe there would stop the program for
// good, a device would be read without end (and replaced), a huge file fill
// the memory. Only a missing file or a regular one of modest size is used.
bool usableSettingsFile(const QString& iniFile) {
    constexpr std::size_t kLargestSettingsFile = 1u << 20;
    const std::string path = iniFile.toStdString();
    std::error_code ec;
    const bool present = std::filesystem::exists(pathFromUtf8(path), ec) || ec;
    return !present || !checkReadableFile(path, kLargestSettingsFile);
}

// Nothing when the settings file must be left alone.
std::unique_ptr<QSettings> openSettings(const QString& iniFile, std::string_view key) {
#ifdef Q_OS_WIN
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>("HKEY_LOCAL_MACHINE\\" + keyPath(key).replace('/', '\\'),
                                           QSettings::NativeFormat);
#endif
    if (!usableSettingsFile(iniFile)) return nullptr;
    auto s = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    s->beginGroup(keyPath(key));
    return s;
}

} // namespace

std::optional<SettingsStore::Values> QtSettingsStore::values(std::string_view key) const {
    const std::unique_ptr<QSettings> settings = openSettings(iniFile_, key);
    if (!settings || settings->status() != QSettings::NoError) return std::nullopt;
    Values values;
    for (const QString& name : settings->childKeys())
        values.emplace_back(name.toStdString(), settings->value(name).toString().toStdString());
    return values;
}

bool QtSettingsStore::setValue(std::string_view key, std::string_view name, std::string_view data) {
    const std::unique_ptr<QSettings> settings = openSettings(iniFile_, key);
    if (!settings) return false;
    settings->setValue(QString::fromStdString(std::string(name)), valueText(data));
    settings->sync();
    return settings->status() == QSettings::NoError && settings->isWritable();
}

} // namespace vex
