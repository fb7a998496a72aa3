#include "windows/input_guard.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "calculation/input_guard.h"
#include "translations/texts.h"
#include "windows/controls.h"

namespace coldesign {
namespace {

constexpr int kHintMilliseconds = 4000;
constexpr int kHintGap = 3;  // between the field and the hint below it

struct FieldState {
  QString text;
  int caret = 0;
};

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool IsModifierKey(int key) { return key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock; }

// The field hands every change of its text to validate() before it takes it; the guard's
// settled text is what the field then takes, with no further event.
class NumberFieldGuard : public QValidator {
 public:
  explicit NumberFieldGuard(QLineEdit* field)
      : QValidator(field), field_(field), settled_{field->text(), field->cursorPosition()} {
    // A long paste is taken whole or refused by the guard, never cut short by the field into
    // another number.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setValidator(this);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &NumberFieldGuard::takeChange);
    connect(field, &QLineEdit::cursorPositionChanged, this,
            [this](int /*old*/, int now) { settled_.caret = now; });
    hint_timer_.setSingleShot(true);
    hint_timer_.setInterval(kHintMilliseconds);
    connect(&hint_timer_, &QTimer::timeout, this, &NumberFieldGuard::hideHint);
  }

  State validate(QString& text, int& caret) const override {
    const_cast<NumberFieldGuard*>(this)->settle(text, caret);
    return Acceptable;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!IsModifierKey(key->key())) hideHint();
        if (key->matches(QKeySequence::Undo)) {
          undo();
          return true;
        }
        if (key->matches(QKeySequence::Redo)) {
          redo();
          return true;
        }
        break;
      }
      case QEvent::Drop:
        takeDrop(static_cast<QDropEvent*>(event));
        return true;
      case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      case QEvent::FocusOut:
        hideHint();
        break;
      default:
        break;
    }
    return QValidator::eventFilter(watched, event);
  }

 private:
  // Text the program sets leaves the field unmodified and passes as it is, and so does the
  // check of the text already in the field (Return asks for it).
  void settle(QString& text, int& caret) {
    if (!field_->isModified() || text == settled_.text) return;
    const QByteArray edited = text.toUtf8();
    const QByteArray before = settled_.text.toUtf8();
    const QStringView before_caret =
        QStringView(text).first(std::clamp<qsizetype>(caret, 0, text.size()));
    const auto caret_bytes = static_cast<std::size_t>(before_caret.toUtf8().size());
    const GuardedInput guarded = GuardedText(View(edited), caret_bytes, View(before));
    discarded_ = guarded.text != View(edited);
    if (discarded_) {
      text = QString::fromStdString(guarded.text);
      caret = static_cast<int>(
          QString::fromUtf8(guarded.text.data(), static_cast<qsizetype>(guarded.caret)).size());
    }
    // A refused edit leaves the text as it was: no change follows, and no undo step.
    edit_under_way_ = text != settled_.text;
    if (guarded.dropped_separator) showHint();
  }

  // The field takes the drop through the guard; a source told Move would delete the text it
  // gave, so a drop the guard did not take whole is a Copy.
  void takeDrop(QDropEvent* drop) {
    discarded_ = false;
    static_cast<QObject*>(field_)->event(drop);
    if (discarded_ && drop->isAccepted()) drop->setDropAction(Qt::CopyAction);
  }

  // Every change of the text, settled: an edit by the user is one undo step; text set by the
  // program starts the history anew, as in any line edit.
  void takeChange(const QString& text) {
    const bool user_edit = std::exchange(edit_under_way_, false);
    if (text != settled_.text && !restoring_) {
      if (user_edit) {
        undo_.push_back(settled_);
      } else {
        undo_.clear();
      }
      redo_.clear();
    }
    settled_.text = text;
  }

  void undo() { restore(undo_, redo_); }
  void redo() { restore(redo_, undo_); }

  void restore(std::vector<FieldState>& from, std::vector<FieldState>& to) {
    if (from.empty()) return;
    to.push_back({field_->text(), field_->cursorPosition()});
    const FieldState state = std::move(from.back());
    from.pop_back();
    restoring_ = true;
    field_->setText(state.text);
    field_->setCursorPosition(state.caret);
    restoring_ = false;
  }

  // Qt's edit menu, its entries without mnemonics, with undo and redo through the guard.
  void showContextMenu(const QPoint& position) {
    QMenu* menu = field_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
      if (IsEntryFor(*action, QKeySequence::Undo)) {
        routeThroughGuard(action, u"edit-undo", &NumberFieldGuard::undo, !undo_.empty());
      } else if (IsEntryFor(*action, QKeySequence::Redo)) {
        routeThroughGuard(action, u"edit-redo", &NumberFieldGuard::redo, !redo_.empty());
      }
      action->setText(WithoutMnemonics(action->text()));
    }
    menu->popup(position);
  }

  // Qt's entries name their keys after a tab.
  static bool IsEntryFor(const QAction& action, QKeySequence::StandardKey key) {
    return action.text().section(u'\t', 1) == QKeySequence(key).toString(QKeySequence::NativeText);
  }

  void routeThroughGuard(QAction* action, QStringView name, void (NumberFieldGuard::*step)(),
                         bool enabled) {
    action->setObjectName(name.toString());
    disconnect(action, &QAction::triggered, field_, nullptr);
    connect(action, &QAction::triggered, this, step);
    action->setEnabled(enabled);
  }

  // A note on a ground of its own next to the field, centred on it: below it, or above, where it
  // covers none of the window's other controls and captions.
  void showHint() {
    QWidget* window = field_->window();
    if (hint_ == nullptr) {
      hint_ = new QLabel(window);
      hint_->setObjectName(QStringLiteral("DecimalMarkHint"));
      hint_->setTextFormat(Qt::PlainText);
    }
    hint_->setText(DecimalMarkHint());
    hint_->adjustSize();
    const QRect field_box(field_->mapTo(window, QPoint(0, 0)), field_->size());
    const int widest_left = std::max(0, window->width() - hint_->width());
    const int left = std::clamp(field_box.center().x() - hint_->width() / 2, 0, widest_left);
    hint_->move(freeSpot(window, field_box, left));
    hint_->raise();
    hint_->show();
    hint_timer_.start();
  }

  // The nearest place below or above the field where the hint, its left edge at `left`, lies
  // inside the window and over no other visible control; below the field when there is none.
  QPoint freeSpot(const QWidget* window, const QRect& field_box, int left) const {
    const QList<QWidget*> others = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const auto free = [&](const QRect& place) {
      return window->rect().contains(place) &&
             std::ranges::none_of(others, [&](const QWidget* other) {
               return other != hint_ && other->isVisible() && other->geometry().intersects(place);
             });
    };
    const int below = field_box.bottom() + 1 + kHintGap;
    const int above = field_box.top() - kHintGap - hint_->height();
    for (int distance = 0; distance <= window->height(); ++distance) {
      for (const int top : {below + distance, above - distance}) {
        if (free(QRect(QPoint(left, top), hint_->size()))) return {left, top};
      }
    }
    return {left, below};
  }

  void hideHint() {
    if (hint_ != nullptr) hint_->hide();
  }

  QLineEdit* field_;
  FieldState settled_;  // the text before the edit under way, and its caret
  bool edit_under_way_ = false;
  bool discarded_ = false;  // the guard took out or changed some of the user's edit
  bool restoring_ = false;
  std::vector<FieldState> undo_;
  std::vector<FieldState> redo_;
  QLabel* hint_ = nullptr;
  QTimer hint_timer_;
};

}  // namespace

QString DecimalMarkHint() {
  return Texts::tr("العلامة العشرية هي النقطة «.» أو «٫»", "input.decimal-mark-hint");
}

void GuardNumericInput(QLineEdit* field) { new NumberFieldGuard(field); }

QLineEdit* NewNumberField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QLatin1StringView(name));
  field->setLayoutDirection(Qt::LeftToRight);  // a number reads left to right
  GuardNumericInput(field);
  return field;
}

}  // namespace coldesign
