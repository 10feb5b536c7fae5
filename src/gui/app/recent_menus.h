#pragma once
// File → "Recent projects" and "Recent pictures": the last files opened or
// saved, newest first, kept in the settings store for the next start.

#include "core/settings/settings_store.h"
#include "core/ui/recent_files.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace vex {

class RecentMenus : public QObject {
  public:
    using Opener = std::function<void(RecentList, const std::string&)>;

    // Puts both menus into `fileMenu` before `before`.
    RecentMenus(QMenu& fileMenu, QAction* before, SettingsStore& settings,
                std::int32_t interfaceLanguage, Opener open);

    // `path` goes to the front of its list (made absolute).
    void note(RecentList list, const std::string& path);
    void forget(RecentList list, const std::string& path);
    // Whether the list's menu may be used now (its command is enabled).
    void setAvailable(RecentList list, bool available);
    QMenu* menu(RecentList list) const;

  private:
    void fill(RecentList list);
    void enable(RecentList list);
    void store(RecentList list, std::vector<std::string> files);
    std::vector<std::string>& filesOf(RecentList list);

    SettingsStore& settings_;
    bool russian_;
    Opener open_;
    QMenu* projects_;
    QMenu* pictures_;
    std::vector<std::string> projectFiles_;
    std::vector<std::string> pictureFiles_;
    bool projectsAvailable_ = true;
    bool picturesAvailable_ = true;
};

} // namespace vex
