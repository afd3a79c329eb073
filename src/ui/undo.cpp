#include "ui/undo.h"

#include <QAction>
#include <QMenu>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace qm {

namespace {

// A step done before it is pushed: the stack's first redo() is the push
// itself and does nothing.
class DoneStep : public QUndoCommand {
 public:
  DoneStep(const QString& name, StateRestorer before, StateRestorer after, bool changesTable)
      : QUndoCommand(name),
        before_(std::move(before)),
        after_(std::move(after)),
        changesTable_(changesTable) {}

  bool ChangesTable() const { return changesTable_; }

  void undo() override { before_(); }
  void redo() override {
    if (std::exchange(pushed_, true)) after_();
  }

 private:
  StateRestorer before_;
  StateRestorer after_;
  bool changesTable_;
  bool pushed_ = false;
};

}  // namespace

UndoSteps::UndoSteps(QWidget* window, QMenu* menu, std::function<void()> after)
    : QObject(window), stack_(new QUndoStack(this)), after_(std::move(after)) {
  QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().front();
  undo_ = new QAction(QStringLiteral("Undo"), menu);
  undo_->setObjectName(QStringLiteral("Undo1"));
  undo_->setShortcut(QKeySequence::Undo);
  redo_ = new QAction(QStringLiteral("Redo"), menu);
  redo_->setObjectName(QStringLiteral("Redo1"));
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  menu->insertAction(first, undo_);
  menu->insertAction(first, redo_);
  if (first != nullptr) menu->insertSeparator(first);
  connect(undo_, &QAction::triggered, this, [this] {
    if (blocked_ || !stack_->canUndo()) return;
    stack_->undo();
    after_();
  });
  connect(redo_, &QAction::triggered, this, [this] {
    if (blocked_ || !stack_->canRedo()) return;
    stack_->redo();
    after_();
  });
  connect(stack_, &QUndoStack::indexChanged, this, [this] { ShowItems(); });
  ShowItems();
}

void UndoSteps::Record(const QString& name, StateRestorer before, StateRestorer after,
                       bool changesTable) {
  stack_->push(new DoneStep(name, std::move(before), std::move(after), changesTable));
}

void UndoSteps::Clear() { stack_->clear(); }

bool UndoSteps::AtSaved() const {
  const int saved = stack_->cleanIndex(), now = stack_->index();
  if (saved < 0) return false;
  for (int step = std::min(saved, now); step < std::max(saved, now); ++step)
    if (static_cast<const DoneStep*>(stack_->command(step))->ChangesTable()) return false;
  return true;
}

void UndoSteps::SetBlocked(bool blocked) {
  blocked_ = blocked;
  ShowItems();
}

void UndoSteps::ShowItems() {
  undo_->setEnabled(!blocked_ && stack_->canUndo());
  redo_->setEnabled(!blocked_ && stack_->canRedo());
  // As Qt's own undo items: no mnemonic, the shortcuts serve.
  undo_->setText(stack_->canUndo() ? QStringLiteral("Undo ") + stack_->undoText()
                                   : QStringLiteral("Undo"));
  redo_->setText(stack_->canRedo() ? QStringLiteral("Redo ") + stack_->redoText()
                                   : QStringLiteral("Redo"));
}

}  // namespace qm
