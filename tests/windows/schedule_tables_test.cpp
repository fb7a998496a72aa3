// The schedule window's three tables as an Arabic reader sees them: every mark and figure left to
// right, whatever a mark holds.

#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include "windows/application_setup.h"
#include "windows/schedule_window.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// Every mark and figure a table shows sits inside a left-to-right isolate with no override or
// embedding of its own: "-5" reads "-5" and "C1-evil" in its order in the right-to-left table.
bool ReadsLeftToRight(const QString& shown) {
  int depth = 0;
  for (const QChar c : shown) {
    const char16_t code = c.unicode();
    if (code == u'\u2066') {
      ++depth;
    } else if (code == u'\u2069') {
      if (--depth < 0) return false;
    } else if ((code >= u'\u202A' && code <= u'\u202E') || code == u'\u2067' || code == u'\u2068' ||
               code < 0x20) {
      return false;
    } else if ((c.isDigit() || (code < 0x80 && c.isLetter()) || c == u'-') && depth == 0) {
      return false;
    }
  }
  return depth == 0;
}

}  // namespace

class ScheduleTablesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetUpApplication(*qApp);
  }

  // The tables' marks and figures read left to right inside the Arabic window, whatever a
  // mark holds; what a cell is edited as stays as typed.
  void marksAndFiguresReadLeftToRight() {
    ScheduleWindow window(DesignMaterials{});
    const std::vector<ColumnEntry> table = {{"C1-evil", "100", "3", "2"},
                                            {"\u202EB-2\u2069", "٥٠٫٥", "12", ""},
                                            {"ع-1", "-5", "2", "1"},
                                            {"A\nB", "20", "1", ""}};
    window.columnsModel()->setEntries(table);
    QTRY_VERIFY(!window.schedule().columns.empty());
    for (const QString& name : {u"ColumnsTable"_s, u"LevelsTable"_s, u"TypesTable"_s}) {
      const QAbstractItemModel* model = window.findChild<QTableView*>(name)->model();
      for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
          const QString shown = model->index(row, column).data().toString();
          QVERIFY2(ReadsLeftToRight(shown),
                   qPrintable(name + u' ' + QString::number(row) + u' ' + shown));
        }
      }
    }
    const QAbstractItemModel* columns = window.findChild<QTableView*>(u"ColumnsTable"_s)->model();
    QCOMPARE(columns->index(1, 0).data(Qt::EditRole).toString(), u"\u202EB-2\u2069"_s);
    QCOMPARE(columns->index(2, 1).data().toString(), u"\u2066-5\u2069"_s);
    QCOMPARE(columns->index(3, 0).data().toString(), u"\u2066A\u240AB\u2069"_s);
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::ScheduleTablesTest)
#include "schedule_tables_test.moc"
