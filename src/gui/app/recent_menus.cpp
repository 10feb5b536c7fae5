#include "gui/app/recent_menus.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace vex {
namespace {

// "&1 example.vxr [/home/user/charts]": the name to find, the folder to tell
// two of one name apart; '&' in a path is shown, not taken as a mnemonic.
QString entryText(std::size_t index, const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    const QString text = QStringLiteral("%1 [%2]").arg(
        file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
    return QStringLiteral("&%1 ").arg(index + 1) + QString(text).replace('&', "&&");
}

} // namespace

RecentMenus::RecentMenus(QMenu& fileMenu, QAction* before, SettingsStore& settings,
                         std::int32_t interfaceLanguage, Opener open)
    : QObject(&fileMenu), settings_(settings), russian_(interfaceLanguage == 1),
      open_(std::move(open)) {
    projects_ = new QMenu(russian_ ? QStringLiteral("Недавние &проекты")
                                   : QStringLiteral("&Recent projects"),
                          &fileMenu);
    pictures_ = new QMenu(russian_ ? QStringLiteral("Недавние &изображения")
                                   : QStringLiteral("Recent &pictures"),
                          &fileMenu);
    fileMenu.insertMenu(before, projects_);
    fileMenu.insertMenu(before, pictures_);
    fileMenu.insertSeparator(before);
    projectFiles_ = readRecentFiles(settings_, RecentList::Projects);
    pictureFiles_ = readRecentFiles(settings_, RecentList::Pictures);
    fill(RecentList::Projects);
    fill(RecentList::Pictures);
}

QMenu* RecentMenus::menu(RecentList list) const {
    return list == RecentList::Projects ? projects_ : pictures_;
}

std::vector<std::string>& RecentMenus::filesOf(RecentList list) {
    return list == RecentList::Projects ? projectFiles_ : pictureFiles_;
}

void RecentMenus::note(RecentList list, const std::string& path) {
    const QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    store(list, withRecentFile(filesOf(list), absolute.toStdString()));
}

void RecentMenus::forget(RecentList list, const std::string& path) {
    store(list, withoutRecentFile(filesOf(list), path));
}

void RecentMenus::store(RecentList list, std::vector<std::string> files) {
    // A list the store refuses is still the list of this run.
    writeRecentFiles(settings_, list, files);
    filesOf(list) = std::move(files);
    fill(list);
}

void RecentMenus::setAvailable(RecentList list, bool available) {
    (list == RecentList::Projects ? projectsAvailable_ : picturesAvailable_) = available;
    enable(list); // asked after every command: the entries stay as they are
}

void RecentMenus::enable(RecentList list) {
    const bool available = list == RecentList::Projects ? projectsAvailable_ : picturesAvailable_;
    menu(list)->menuAction()->setEnabled(available && !filesOf(list).empty());
}

void RecentMenus::fill(RecentList list) {
    QMenu* m = menu(list);
    // Later, not now: the entry being triggered may be the one that refills.
    for (QAction* old : m->actions()) {
        m->removeAction(old);
        old->deleteLater();
    }
    const std::vector<std::string>& files = filesOf(list);
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* entry = m->addAction(entryText(i, files[i]));
        const std::string path = files[i];
        connect(entry, &QAction::triggered, this, [this, list, path] { open_(list, path); });
    }
    if (!files.empty()) {
        m->addSeparator();
        QAction* clear = m->addAction(russian_ ? QStringLiteral("&Очистить список")
                                               : QStringLiteral("&Clear list"));
        connect(clear, &QAction::triggered, this, [this, list] { store(list, {}); });
    }
    enable(list);
}

} // namespace vex
