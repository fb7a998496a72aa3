#include "windows/controls.h"

#include <QKeyEvent>

#include "windows/program_fonts.h"

namespace coldesign {
namespace {

// Return and Enter on a focused button press it, as Space does.
class ReturnPressesButton : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
          modifiers == Qt::NoModifier) {
        static_cast<QPushButton*>(watched)->click();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

SkinLabel* PlaceLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                      QRect geometry) {
  auto* label = new SkinLabel(text, font, window);
  label->setLatinFamily(kLatinFontFamily.toString());
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

QPushButton* PlaceButton(QWidget* window, const char* name, const QString& caption,
                         QRect geometry) {
  auto* button = new QPushButton(caption, window);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->installEventFilter(new ReturnPressesButton(button));
  return button;
}

QString WithoutMnemonics(const QString& caption) {
  QString plain;
  plain.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      plain += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      plain += u"&&";
      ++i;
    }
  }
  return plain;
}

QAction* NamedAction(QWidget* owner, const char* name, const QKeySequence& keys) {
  auto* action = new QAction(owner);
  action->setObjectName(QLatin1StringView(name));
  action->setShortcut(keys);
  owner->addAction(action);
  return action;
}

}  // namespace coldesign
