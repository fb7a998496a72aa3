#include "windows/sheet_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/shown_preview.h"
#include "tests/windows/typing.h"
#include "windows/application_setup.h"
#include "windows/design_window.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using testing::TypeInto;
using namespace Qt::Literals::StringLiterals;

// The design window shown on the offscreen screen with Results pressed for the inputs typed.
class DesignedWindow {
 public:
  DesignedWindow(const QString& load, const QString& floors) {
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    if (!load.isEmpty()) design(load, floors);
  }

  void design(const QString& load, const QString& floors) {
    field(u"Text1"_s)->clear();
    field(u"Text3"_s)->clear();
    TypeInto(field(u"Text1"_s), load);
    TypeInto(field(u"Text3"_s), floors);
    QTest::mouseClick(window_.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
  }

  QLineEdit* field(const QString& name) { return window_.findChild<QLineEdit*>(name); }
  SheetActions& actions() { return *window_.findChild<SheetActions*>(); }
  DesignWindow& window() { return window_; }

  [[nodiscard]] bool available() {
    const SheetActions& a = actions();
    const bool save = a.saveAction()->isEnabled();
    if (save != a.printAction()->isEnabled() || save != a.copyAction()->isEnabled()) {
      qWarning("the three actions disagree");
      return false;
    }
    return save;
  }

 private:
  DesignWindow window_;
};

// The menu that a right click on `target` opens, with the titles of its enabled actions.
QStringList EnabledInContextMenu(QWidget* target) {
  QStringList enabled{u"no menu"_s};
  QTimer::singleShot(50, [&enabled] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    enabled.clear();
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->isEnabled()) enabled.append(action->text());
    }
    menu->close();
  });
  const QPoint inside = target->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, inside, target->mapToGlobal(inside));
  QApplication::sendEvent(target, &event);
  QTest::qWait(100);
  return enabled;
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class SheetActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }

  void availableOnlyAfterASuccessfulResults() {
    DesignedWindow window({}, {});
    QVERIFY(!window.available());
    window.design(u"10"_s, u"5"_s);
    QVERIFY(window.available());
    {
      ModalBoxAnswerer answerer({QMessageBox::Ok});
      window.design(u"1000"_s, u"100"_s);  // beyond the range of a length
      QCOMPARE(answerer.seen().size(), 1);
    }
    QVERIFY(!window.available());
    window.design(u"100"_s, u"7"_s);
    QVERIFY(window.available());
    // An empty field stops Results before the calculation: the design on show stays available.
    {
      ModalBoxAnswerer answerer({QMessageBox::Ok});
      window.field(u"Text3"_s)->clear();
      QTest::mouseClick(window.window().findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    }
    QVERIFY(window.available());
  }

  void contextMenuOutsideTheFields() {
    DesignedWindow window({}, {});
    QWidget* label = window.window().findChild<QWidget*>(u"SkinLabel1"_s);
    const QStringList always = {u"المواد والاختيارات…"_s, u"العزوم وارتفاع العمود…"_s,
                                u"جدول الأعمدة…"_s, u"English"_s};
    QCOMPARE(EnabledInContextMenu(label), always);
    window.design(u"100"_s, u"7"_s);
    QCOMPARE(EnabledInContextMenu(label).size(), 3 + always.size());
    // A field keeps its own menu.
    QVERIFY(!EnabledInContextMenu(window.field(u"Text1"_s))
                 .contains(window.actions().copyAction()->text()));
  }

  void shortcutBeforeResultsOnlyNotes() {
    DesignedWindow window({}, {});
    ModalBoxAnswerer answerer;
    QTest::keyClick(&window.window(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(answerer.seen().isEmpty());
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(u"النتائج"_s));
  }

  void copyGivesTheDesignOfTheLastResults() {
    DesignedWindow window(u"100"_s, u"7"_s);
    TypeInto(window.field(u"Text1"_s), u"5"_s);  // the load is now 1005, not yet designed
    QTest::keyClick(&window.window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->text().contains(u"100 t\n"_s));
    QVERIFY(copied->text().contains(u"6898.40530370901 cm²"_s));
    QVERIFY(copied->text().contains(u"34 Φ16"_s));
    QVERIFY(copied->html().contains(u"dir=\"rtl\""_s));
  }

  // The offscreen screen is 800 × 600, smaller than the page is shown at first elsewhere.
  void printPreviewFitsTheScreen() {
    DesignedWindow window(u"100"_s, u"7"_s);
    const testing::ShownPreview shown =
        testing::ShowPrintPreview([&window] { window.actions().printAction()->trigger(); });
    QVERIFY(!shown.frame.isEmpty());
    QVERIFY(shown.available.contains(shown.frame));
  }

  void saveWritesTheWholeSheetUnderANameEndingInPdf_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    // The name's checks and completions are FileSaver's (file_saving_test).
    QTest::newRow("no extension") << u"sheet"_s << u"sheet.pdf"_s;
    QTest::newRow("trailing blanks, no extension") << u"trail \t"_s << u"trail.pdf"_s;
  }

  void saveWritesTheWholeSheetUnderANameEndingInPdf() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    DesignedWindow window(u"100"_s, u"7"_s);
    QString suggested;
    window.actions().setAskFileName([&](QWidget*, const QString& path) {
      suggested = path;
      return folder.filePath(typed);
    });
    TypeInto(window.field(u"Text3"_s), u"0"_s);  // 70 floors typed after Results
    QTest::keyClick(&window.window(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(suggested.endsWith(u"/column-30x230.pdf"_s));
    QCOMPARE(FilesIn(folder.path()), QStringList{saved});
    QFile sheet(folder.filePath(saved));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QByteArray pdf = sheet.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
  }

  void saveFailureExplainsAndLeavesNoFile_data() {
    QTest::addColumn<QString>("target");  // within a fresh folder that holds a file "file"
    QTest::addColumn<QString>("reason");
    // One refused by the name's checks, one by the writer; the others are FileSaver's.
    QTest::newRow("missing folder") << u"missing/sheet.pdf"_s << u"المجلد غير موجود"_s;
    QTest::newRow("a line break in the name") << u"two\nlines.pdf"_s << u"سطر جديد"_s;
  }

  void saveFailureExplainsAndLeavesNoFile() {
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QFile blocker(folder.filePath(u"file"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DesignedWindow window(u"100"_s, u"7"_s);
    window.actions().setAskFileName(
        [&](QWidget*, const QString&) { return folder.filePath(target); });
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    window.actions().saveAction()->trigger();
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY2(answerer.seen().front().text.contains(reason),
             qPrintable(answerer.seen().front().text));
    QVERIFY(answerer.seen().front().text.contains(u"تعذر حفظ ورقة الحساب"_s));
    QCOMPARE(FilesIn(folder.path()), QStringList{u"file"_s});
    QVERIFY(window.window().isVisible());
  }

  // Needs a small file system of its own, which ctest mounts (sheet_actions_on_a_full_disk).
  void saveToAFullDiskSaysSo_data() {
    QTest::addColumn<qint64>("room");  // bytes left free, fewer than the sheet takes
    QTest::newRow("no room at all") << qint64{0};
    QTest::newRow("room for a part") << qint64{8192};
  }

  void saveToAFullDiskSaysSo() {
    QFETCH(qint64, room);
    const QString disk = qEnvironmentVariable("COLDESIGN_FULL_DISK");
    if (disk.isEmpty()) QSKIP("no small file system to fill (COLDESIGN_FULL_DISK)");
    QFile filler(QDir(disk).filePath(u"filler"_s));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (QStorageInfo(disk).bytesAvailable() > room && filler.write(block) == block.size()) {
      filler.flush();
    }
    filler.close();
    DesignedWindow window(u"100"_s, u"7"_s);
    window.actions().setAskFileName(
        [&](QWidget*, const QString&) { return QDir(disk).filePath(u"sheet.pdf"_s); });
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    window.actions().saveAction()->trigger();
    filler.remove();
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY2(answerer.seen().front().text.contains(u"القرص ممتلئ"_s),
             qPrintable(answerer.seen().front().text));
    QCOMPARE(FilesIn(disk), QStringList());
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::SheetActionsTest)
#include "sheet_actions_test.moc"
