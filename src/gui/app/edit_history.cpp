#include "gui/app/edit_history.h"

#include "core/document/document_step.h"
#include "core/state/app_state.h"
#include "core/state/current_inside.h"

#include <QUndoCommand>

#include <utility>

namespace vex {
namespace {

constexpr int kMostSteps = 1000;

} // namespace

// One step: the edit is already in the document when the step is pushed,
// so its first redo does nothing.
class DocumentStepCommand : public QUndoCommand {
  public:
    DocumentStepCommand(EditHistory& history, DocumentStep step, EditKind kind)
        : history_(history), step_(std::move(step)), kind_(kind), line_(history.s_.work.CurLine),
          point_(history.s_.work.CurPoint) {
        setText(QString::fromStdString(editName(kind, history.s_.InterfaceLanguage)));
    }

    void undo() override { swap(); }
    void redo() override {
        if (pushed_) swap();
        pushed_ = true;
    }
    int id() const override { return typedEdit(kind_) ? static_cast<int>(kind_) : -1; }

    // Keystrokes into the same box for the same point are one step.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DocumentStepCommand*>(other);
        if (next->line_ != line_ || next->point_ != point_) return false;
        // The document before this step, got back through both steps.
        Document before = history_.known_;
        DocumentStep later = next->step_;
        later.swapWith(before);
        step_.swapWith(before);
        std::optional<DocumentStep> joined = DocumentStep::between(before, history_.known_);
        if (!joined) {
            setObsolete(true); // typed back to what it was
            return true;
        }
        step_ = std::move(*joined);
        return true;
    }

    std::size_t bytes() const { return step_.bytes(); }

  private:
    void swap() {
        step_.swapWith(history_.known_);
        history_.s_.doc = history_.known_;
        keepCurrentInsideData(history_.s_);
        history_.refresh_();
    }

    EditHistory& history_;
    DocumentStep step_;
    EditKind kind_;
    std::int32_t line_;
    std::int32_t point_;
    bool pushed_ = false;
};

EditHistory::EditHistory(AppState& s, std::function<void()> refresh, QObject* parent)
    : QObject(parent), s_(s), refresh_(std::move(refresh)), known_(s.doc) {
    // A step of a full document holds at most about 64 KB, most hold a few
    // hundred bytes: a thousand steps stay far below 64 MB.
    stack_.setUndoLimit(kMostSteps);
    connect(&stack_, &QUndoStack::cleanChanged, this, [this] { showFlag(); });
}

EditHistory::~EditHistory() {
    // The stack tells of its clean state once more as it goes, when the
    // window and its state may be gone already: nobody is to hear it.
    stack_.disconnect(this);
}

void EditHistory::record(EditKind kind) {
    std::optional<DocumentStep> step = DocumentStep::between(known_, s_.doc);
    if (!step) return;
    known_ = s_.doc;
    stack_.push(new DocumentStepCommand(*this, std::move(*step), kind));
    showFlag();
}

void EditHistory::takeAsIs() {
    known_ = s_.doc;
    stack_.resetClean();
    showFlag();
}

void EditHistory::startAfresh() {
    stack_.clear();
    known_ = s_.doc;
    showFlag();
}

void EditHistory::markSaved() {
    stack_.setClean();
    showFlag();
}

void EditHistory::undo() {
    if (s_.mouse.LeftButtonDown) return; // a drag is not over yet
    record(EditKind::Edit);              // nothing the user did is lost to the step back
    stack_.undo();
    showFlag();
}

void EditHistory::redo() {
    if (s_.mouse.LeftButtonDown) return;
    stack_.redo();
    showFlag();
}

std::size_t EditHistory::bytes() const {
    std::size_t total = 0;
    for (int i = 0; i < stack_.count(); ++i)
        total += static_cast<const DocumentStepCommand*>(stack_.command(i))->bytes();
    return total;
}

void EditHistory::showFlag() {
    s_.work.ProjectModified = stack_.isClean() ? 0 : 1;
    emit modifiedFlagShown();
}

} // namespace vex
