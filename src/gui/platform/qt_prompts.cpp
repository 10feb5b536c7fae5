#include "gui/platform/qt_prompts.h"

#include "core/messages/catalogue.h"
#include "gui/platform/dialog_folders.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>

namespace vex {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::string> readablePicturePatterns() {
    std::vector<std::string> patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.push_back("*." + format.toLower().toStdString());
    return patterns;
}

QString filterText(const FileFilter& f) {
    QStringList patterns;
    for (const std::string& p : f.patterns) patterns << qt(p);
    return qt(f.description) + " (" + patterns.join(' ') + ")";
}

} // namespace

QtPrompts::QtPrompts(std::function<std::int32_t()> language)
    : language_(std::move(language)), startFolder_(QDir::currentPath()) {}

Answer QtPrompts::message(MessageKind kind, const QString& text) {
    QMessageBox box(owner_);
    box.setWindowTitle(qt(GETSS(msg::Caption, language_())));
    box.setText(text);
    switch (kind) {
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Information:
    case MessageKind::Question:
    case MessageKind::QuestionWithCancel:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (kind == MessageKind::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (kind == MessageKind::QuestionWithCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return kind == MessageKind::Question ? Answer::No : Answer::Cancel;
    }
}

std::optional<QString> QtPrompts::openFile(FileKind kind) {
    return askForFile(kind, false);
}

std::optional<QString> QtPrompts::saveFile(FileKind kind) {
    return askForFile(kind, true);
}

std::optional<QString> QtPrompts::askForFile(FileKind kind, bool save) {
    const std::int32_t lang = language_();
    const FileKindInfo info = fileKindInfo(
        kind, lang,
        kind == FileKind::ImageOpen ? readablePicturePatterns() : std::vector<std::string>{});
    QStringList filters;
    for (const FileFilter& f : info.filters) filters << filterText(f);

    QFileDialog dialog(owner_);
    const std::optional<QString> kept = folders_ ? rememberedFolder(*folders_, kind) : std::nullopt;
    dialog.setDirectory(kept.value_or(startFolder_));
    dialog.setNameFilters(filters);
    // The descriptions name their patterns already; the patterns in brackets
    // are for the dialog to match files by, not to show a second time.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(qt(info.defaultSuffix));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setWindowTitle(qt(GETSS(msg::SaveAs, lang)));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !info.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    const QString folder = QFileInfo(path).absolutePath();
    if (info.movesStartFolder) startFolder_ = folder;
    if (folders_) rememberFolder(*folders_, kind, folder);
    return path;
}

int QtPrompts::exec(QDialog& dialog) {
    return dialog.exec();
}

} // namespace vex
