#pragma once
// The settings store on top of QSettings: on Windows the registry key of the
// program under HKEY_LOCAL_MACHINE, elsewhere an INI file in the user's
// configuration folder.

#include "core/settings/settings_store.h"

#include <QString>

namespace vex {

class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();                         // the program's own place
    explicit QtSettingsStore(QString iniFile); // an explicit INI file (tests)

    std::optional<Values> values(std::string_view key) const override;
    bool setValue(std::string_view key, std::string_view name, std::string_view data) override;

  private:
    QString iniFile_; // empty: the native place
};

} // namespace vex
