#pragma once
// Undo and redo of every edit of the document. After anything the user
// did, the document is compared with the one the history last saw; a change
// becomes one step, named by what the user did. A drag is recorded when
// its button is released, and typing into one edit box is one step. The
// project is modified exactly when the history is away from the state last
// saved or loaded.

#include "core/document/document.h"
#include "core/ui/edit_kinds.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;

namespace vex {

struct AppState;

class EditHistory : public QObject {
    Q_OBJECT
  public:
    // `refresh` brings the screen up to date after a step was undone or redone.
    EditHistory(AppState& s, std::function<void()> refresh, QObject* parent = nullptr);
    ~EditHistory() override;

    // The document may have changed through `kind`: record the change, if any.
    void record(EditKind kind);
    // A change that cannot be stepped back over (another picture): the
    // document is taken as it is, and the project is modified until saved.
    void takeAsIs();
    // A new or loaded project: no history, and not modified.
    void startAfresh();
    // The project was saved: this is the state not modified.
    void markSaved();

    void undo();
    void redo();
    QUndoStack& stack() { return stack_; }
    // Memory the steps hold.
    std::size_t bytes() const;

  signals:
    // The modified flag was brought up to date with the history.
    void modifiedFlagShown();

  private:
    friend class DocumentStepCommand;
    void showFlag();

    AppState& s_;
    std::function<void()> refresh_;
    QUndoStack stack_;
    Document known_; // the document as the history last saw it
};

} // namespace vex
