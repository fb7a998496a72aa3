// The columns table under hurried hands: every edit taken back by Ctrl+Z and made again by
// Ctrl+Shift+Z or Ctrl+Y, a paste over rows one step, cells copied from a spreadsheet kept whole.

#include "windows/columns_table_edits.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <functional>

#include "windows/application_setup.h"
#include "windows/pasted_rows.h"
#include "windows/schedule_window.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

using Rows = std::vector<ColumnEntry>;
using Edit = std::function<void(ScheduleWindow& window, QTableView& table)>;

const Rows kTable = {{"C1", "100", "3", "2"}, {"C2", "50", "5", ""}, {"C3", "20", "2", "1"}};

void Select(QTableView& table, const QList<QPoint>& cells) {
  table.selectionModel()->clearSelection();
  for (const QPoint& cell : cells) {
    table.selectionModel()->select(table.model()->index(cell.y(), cell.x()),
                                   QItemSelectionModel::Select);
  }
}

}  // namespace

class ColumnsTableEditsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetUpApplication(*qApp);
  }

  void everyEditIsUndoneAndRedone_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Rows>("edited");
    QTest::newRow("a load typed") << Edit([](ScheduleWindow&, QTableView& table) {
      table.setCurrentIndex(table.model()->index(1, 1));
      table.edit(table.currentIndex());
      auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      QVERIFY(field != nullptr);
      field->selectAll();
      QTest::keyClicks(field, u"75"_s);
      QTest::keyClick(field, Qt::Key_Return);
    }) << Rows{kTable[0], {"C2", "75", "5", ""}, kTable[2]};
    QTest::newRow("rows pasted over two rows and below")
        << Edit([](ScheduleWindow&, QTableView& table) {
             QGuiApplication::clipboard()->setText(u"X1\t10\nX2\t20\r\nX3\t30\n"_s);
             table.setCurrentIndex(table.model()->index(1, 0));
             QTest::keyClick(&table, Qt::Key_V, Qt::ControlModifier);
           })
        << Rows{kTable[0], {"X1", "10", "5", ""}, {"X2", "20", "2", "1"}, {"X3", "30", "", ""}};
    QTest::newRow("values pasted from the second column")
        << Edit([](ScheduleWindow&, QTableView& table) {
             QGuiApplication::clipboard()->setText(u"7\t8\t9\t10\t-11\t12"_s);
             table.setCurrentIndex(table.model()->index(2, 1));
             QTest::keyClick(&table, Qt::Key_V, Qt::ControlModifier);
           })
        << Rows{kTable[0], kTable[1], {"C3", "7", "8", "9", "10", "-11"}};
    QTest::newRow("cells cleared in two rows apart")
        << Edit([](ScheduleWindow&, QTableView& table) {
             Select(table, {{1, 0}, {3, 2}, {0, 2}});
             QTest::keyClick(&table, Qt::Key_Delete);
           })
        << Rows{{"C1", "", "3", "2"}, kTable[1], {"", "20", "2", ""}};
    QTest::newRow("a row added") << Edit([](ScheduleWindow& window, QTableView& table) {
      window.findChild<QAction*>(u"AddRow"_s)->trigger();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      table.setFocus();
    }) << Rows{kTable[0], kTable[1], kTable[2], {}};
    QTest::newRow("two rows apart removed") << Edit([](ScheduleWindow& window, QTableView& table) {
      Select(table, {{0, 0}, {2, 2}, {1, 2}});
      window.findChild<QAction*>(u"RemoveRows"_s)->trigger();
    }) << Rows{kTable[1]};
  }

  // One step each: Ctrl+Z brings the table back as it was, Ctrl+Shift+Z and Ctrl+Y as edited,
  // and the schedule follows the table every time.
  void everyEditIsUndoneAndRedone() {
    QFETCH(Edit, edit);
    QFETCH(Rows, edited);
    ScheduleWindow window(DesignMaterials{});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* table = window.findChild<QTableView*>(u"ColumnsTable"_s);
    window.columnsModel()->setEntries(kTable);
    window.setWindowModified(false);
    table->setFocus();
    edit(window, *table);
    QTRY_COMPARE(window.columnsModel()->entries(), edited);  // Return commits after its key press
    QCOMPARE(window.edits()->steps()->count(), 1);
    QVERIFY(window.isWindowModified());

    const auto designed = [&window] {
      std::size_t filled = 0;
      for (const ColumnEntry& entry : window.columnsModel()->entries()) {
        if (ReadEntry(entry)) ++filled;
      }
      return filled;
    };
    for (const QKeyCombination redo : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}) {
      QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(window.columnsModel()->entries(), kTable);
      QTRY_COMPARE(window.schedule().columns.size(), designed());
      QVERIFY(!window.isWindowModified());  // back to the table as it was set
      QTest::keyClick(table, redo.key(), redo.keyboardModifiers());
      QCOMPARE(window.columnsModel()->entries(), edited);
      QTRY_COMPARE(window.schedule().columns.size(), designed());
      QVERIFY(window.isWindowModified());
    }
  }

  // Nothing changed makes no step: a cell left as it was, cells already empty.
  void noChangeNoStep() {
    ScheduleWindow window(DesignMaterials{});
    window.columnsModel()->setEntries({{"C1", "", "3", ""}});
    ColumnsTableEdits& edits = *window.edits();
    edits.type(window.columnsModel()->index(0, 0), u"C1"_s);
    edits.clear({window.columnsModel()->index(0, 1), window.columnsModel()->index(0, 3)});
    QCOMPARE(edits.steps()->count(), 0);
    QVERIFY(!window.findChild<QAction*>(u"Undo"_s)->isEnabled());
  }

  // A new table from a file starts with nothing to undo: an older step would name rows that are
  // no longer there.
  void aNewTableForgetsTheSteps() {
    ScheduleWindow window(DesignMaterials{});
    window.edits()->add(1);
    QCOMPARE(window.edits()->steps()->count(), 1);
    window.columnsModel()->setEntries(kTable);
    QCOMPARE(window.edits()->steps()->count(), 0);
    window.findChild<QAction*>(u"Undo"_s)->trigger();
    QCOMPARE(window.columnsModel()->entries(), kTable);
  }

  void spreadsheetCellsAreKeptWhole_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("CRLF rows") << u"C1\t100\t3\r\nC2\t50\t5\r\n"_s
                               << QList<QStringList>{{u"C1"_s, u"100"_s, u"3"_s},
                                                     {u"C2"_s, u"50"_s, u"5"_s}};
    QTest::newRow("bare CR rows") << u"a\rb\r"_s << QList<QStringList>{{u"a"_s}, {u"b"_s}};
    QTest::newRow("a quoted tab") << u"\"C1\tA\"\t100\n"_s
                                  << QList<QStringList>{{u"C1\tA"_s, u"100"_s}};
    QTest::newRow("a quoted line break")
        << u"\"C1\nB\"\t100\t3\nC2\t5\n"_s
        << QList<QStringList>{{u"C1\nB"_s, u"100"_s, u"3"_s}, {u"C2"_s, u"5"_s}};
    QTest::newRow("a quoted CRLF at the end")
        << u"x\t\"C1\r\nB\""_s << QList<QStringList>{{u"x"_s, u"C1\r\nB"_s}};
    QTest::newRow("doubled quotes")
        << u"\"say \"\"hi\"\"\"\t1"_s << QList<QStringList>{{u"say \"hi\""_s, u"1"_s}};
    QTest::newRow("text after a closing quote")
        << u"\"5\" cm\t2"_s << QList<QStringList>{{u"\"5\" cm"_s, u"2"_s}};
    QTest::newRow("a quote never closed")
        << u"\"open\t2\nx"_s << QList<QStringList>{{u"\"open"_s, u"2"_s}, {u"x"_s}};
    QTest::newRow("quotes closed before text")
        << u"\"a\n\"b\n\"c\n"_s << QList<QStringList>{{u"\"a"_s}, {u"\"b"_s}, {u"\"c"_s}};
    QTest::newRow("a quoted line break, then a lone quote")
        << u"\"\n\"\n\"\n"_s << QList<QStringList>{{u"\n"_s}, {u"\""_s}};
    QTest::newRow("a quote inside a value")
        << u"a\"b\t\"c\"\n"_s << QList<QStringList>{{u"a\"b"_s, u"c"_s}};
    QTest::newRow("one line break") << u"\n"_s << QList<QStringList>{{QString()}};
    QTest::newRow("nothing") << QString() << QList<QStringList>{};
  }

  void spreadsheetCellsAreKeptWhole() {
    QFETCH(QString, clipboard);
    QFETCH(QList<QStringList>, rows);
    QCOMPARE(ReadPastedRows(clipboard), rows);
  }

  // Pasted into the window, a cell with a line break stays one mark of one row.
  void aPastedLineBreakStaysInItsCell() {
    ScheduleWindow window(DesignMaterials{});
    window.edits()->paste(u"\"C1\nB\"\t100\t3\n"_s, window.columnsModel()->index(0, 0));
    QCOMPARE(window.columnsModel()->entries(), (Rows{{"C1\nB", "100", "3", ""}}));
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::ColumnsTableEditsTest)
#include "columns_table_edits_test.moc"
