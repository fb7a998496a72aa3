// The schedule window as an engineer uses it: opened from the design window, rows pasted from a
// spreadsheet, saved and opened as CSV, thousands of columns, the schedule as PDF pages.

#include "windows/schedule_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "calculation/schedule_csv.h"
#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/shown_preview.h"
#include "translations/program_language.h"
#include "windows/application_setup.h"
#include "windows/program_windows.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using namespace Qt::Literals::StringLiterals;

QString Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rows of a saved table, as written: one entry for each line after the header.
std::vector<ColumnEntry> TableRows(const QString& path) {
  const QByteArray bytes = Contents(path);
  QList<QByteArray> lines = bytes.sliced(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0).split('\n');
  if (lines.isEmpty() || lines.takeFirst() != "mark,load,floors,count") return {};
  std::vector<ColumnEntry> rows;
  for (const QByteArray& line : lines) {
    if (line.isEmpty()) continue;
    const QList<QByteArray> values = line.split(',');
    if (values.size() != 4) return {};
    rows.push_back({values[0].toStdString(), values[1].toStdString(), values[2].toStdString(),
                    values[3].toStdString()});
  }
  return rows;
}

// A schedule window shown offscreen whose file dialogs answer `path`.
class ShownScheduleWindow {
 public:
  explicit ShownScheduleWindow(const QString& path = {}) : window_(DesignMaterials{}) {
    window_.setAskFileName([path](QWidget*, const ScheduleWindow::FileQuestion&) { return path; });
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
  }

  ScheduleWindow* operator->() { return &window_; }
  ScheduleWindow& operator*() { return window_; }
  QTableView* view(const QString& name) { return window_.findChild<QTableView*>(name); }
  void trigger(const QString& action) { window_.findChild<QAction*>(action)->trigger(); }

  void setColumns(int count) {
    std::vector<ColumnEntry> entries;
    for (int i = 0; i < count; ++i) {
      entries.push_back({"C" + std::to_string(i + 1), std::to_string(10 * (i % 9 + 1)),
                         std::to_string(i % 9 + 1), std::to_string(i % 3 + 1)});
    }
    window_.columnsModel()->setEntries(std::move(entries));
    QTRY_COMPARE(window_.schedule().columns.size(), static_cast<std::size_t>(count));
  }

 private:
  ScheduleWindow window_;
};

}  // namespace

class ScheduleWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetUpApplication(*qApp);
  }

  // Ctrl+B in the design window shows the one schedule window, beside it and not modal, with the
  // materials chosen there.
  void opensOnceFromTheDesignWindow() {
    ProgramWindows program([](int) {});
    program.showDesignWindow();
    DesignWindow* design = program.designWindow();
    QVERIFY(QTest::qWaitForWindowExposed(design));
    QTest::keyClick(design, Qt::Key_B, Qt::ControlModifier);
    ScheduleWindow* schedule = program.scheduleWindow();
    QVERIFY(schedule != nullptr);
    QVERIFY(schedule->isVisible() && design->isVisible());
    QCOMPARE(schedule->windowModality(), Qt::NonModal);
    schedule->close();
    design->setMaterials({.width_cm = 35});
    QTest::keyClick(design, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(program.scheduleWindow(), schedule);
    QVERIFY(schedule->isVisible());
    QTRY_COMPARE(schedule->schedule().materials.width_cm, 35);
  }

  // The preview of the schedule's pages fits the screen and takes most of its height, so that a
  // page can be read (Qt's own size is about half the offscreen screen's).
  void printPreviewFitsTheScreen() {
    ShownScheduleWindow window;
    window.setColumns(3);
    const testing::ShownPreview shown =
        testing::ShowPrintPreview([&window] { window.trigger(u"PrintSchedule"_s); });
    QVERIFY(shown.available.contains(shown.frame));
    QCOMPARE_GE(shown.frame.height(), shown.available.height() * 8 / 10);
  }

  // At the program's exit, after its confirmation, a table with changes not saved is saved, let
  // go or kept: the program ends only when the table is saved or let go.
  void exitAsksToSaveAChangedTable_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("file_chosen");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("refused_row");  // and a floor height out of range
    QTest::newRow("Save") << int{QMessageBox::Save} << true << true << true << false;
    QTest::newRow("Save, a refused row, no floor height")
        << int{QMessageBox::Save} << true << true << true << true;
    QTest::newRow("Save, file dialog cancelled")
        << int{QMessageBox::Save} << false << false << false << false;
    QTest::newRow("Discard") << int{QMessageBox::Discard} << true << true << false << true;
    QTest::newRow("Cancel") << int{QMessageBox::Cancel} << true << false << false << true;
  }

  void exitAsksToSaveAChangedTable() {
    QFETCH(int, answer);
    QFETCH(bool, file_chosen);
    QFETCH(bool, ends);
    QFETCH(bool, saved);
    QFETCH(bool, refused_row);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"building.csv"_s);
    std::optional<int> exit_status;
    ProgramWindows program([&exit_status](int status) { exit_status = status; });
    program.showDesignWindow();
    QVERIFY(QTest::qWaitForWindowExposed(program.designWindow()));
    QTest::keyClick(program.designWindow(), Qt::Key_B, Qt::ControlModifier);
    ScheduleWindow* schedule = program.scheduleWindow();
    QVERIFY(schedule != nullptr);
    schedule->setAskFileName([&](QWidget*, const ScheduleWindow::FileQuestion&) {
      return file_chosen ? path : QString();
    });
    std::vector<ColumnEntry> table = {{"C1", "100", "3", "2"}};
    if (refused_row) {
      table.push_back({"C7", "x", "0", ""});
      schedule->findChild<QLineEdit*>(u"FloorHeight"_s)->setText(u"50"_s);
    }
    schedule->columnsModel()->setEntries(table);
    QTRY_COMPARE(schedule->schedule().columns.size(), refused_row ? 0 : std::size_t{1});

    const ModalBoxAnswerer answerer(
        {QMessageBox::Yes, static_cast<QMessageBox::StandardButton>(answer), QMessageBox::Ok});
    QTest::mouseClick(program.designWindow()->findChild<QPushButton*>(u"Command2"_s),
                      Qt::LeftButton);
    QVERIFY(answerer.seen().size() >= 2);
    QCOMPARE(answerer.seen()[1].buttons,
             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    // The words say what each does; Qt's Arabic catalogue words Discard "ارفض" (refuse).
    QCOMPARE(answerer.seen()[1].button_captions,
             (QStringList{u"إلغاء"_s, u"حفظ"_s, u"عدم الحفظ"_s}));
    QCOMPARE(exit_status.has_value(), ends);
    QCOMPARE(QFile::exists(path), saved);
    if (saved) QCOMPARE(TableRows(path), table);
    QCOMPARE(schedule->columnsModel()->filledEntries(), table);
  }

  // Two rows copied from a spreadsheet in Arabic-Indic digits are designed level by level, and
  // saved as a CSV file that the engine reads back as the same columns.
  void pastedRowsAreDesignedAndSaved() {
    QTemporaryDir folder;
    ShownScheduleWindow window(folder.filePath(u"building"_s));
    QGuiApplication::clipboard()->setText(u"C1\t١٠٠\t٣\t٢\r\nC2\t٥٠٫٥\t٥\r\n"_s);
    QTableView* columns = window.view(u"ColumnsTable"_s);
    columns->setFocus();
    columns->setCurrentIndex(window->columnsModel()->index(0, 0));
    QTest::keyClick(columns, Qt::Key_V, Qt::ControlModifier);
    QTRY_COMPARE(window->schedule().columns.size(), std::size_t{2});
    QCOMPARE(window.view(u"LevelsTable"_s)->model()->rowCount(), 3 + 5);
    const Schedule& schedule = window->schedule();
    QCOMPARE(schedule.columns[0].input.count, 2);
    const std::vector<LevelDesign> levels = DesignLevels("١٠٠", 3, DesignMaterials{});
    for (int level = 1; level <= 3; ++level) {
      QCOMPARE(schedule.Level(schedule.columns[0], level), levels[level - 1]);
    }
    QVERIFY(window->isWindowModified());

    // Saved while a count is still being typed: the count is saved too.
    columns->edit(window->columnsModel()->index(1, 3));
    auto* count = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(count != nullptr);
    count->setText(u"٤"_s);
    window.trigger(u"SaveCsv"_s);
    QVERIFY(!window->isWindowModified());
    const QByteArray saved = Contents(folder.filePath(u"building.csv"_s));
    const auto read = ReadScheduleCsv(std::string_view(saved.constData(), saved.size()));
    QVERIFY(read.has_value());
    QCOMPARE(read->columns, window->columnsModel()->readColumns().columns);
    QCOMPARE(read->columns[1].count, 4);
  }

  void aBadFileKeepsTheTable_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("unclosed quote")
        << QByteArray("\xEF\xBB\xBFالرمز;الحمل;الأدوار\r\n\r\n\"C7;10;3\r\n")
        << u"bad.csv، السطر 3، العمود «الرمز»"_s;
    QTest::newRow("unknown column")
        << QByteArray("mark,load,weight\n") << u"bad.csv، السطر 1، العمود «weight»"_s;
    QTest::newRow("empty") << QByteArray() << u"bad.csv: الملف فارغ"_s;
  }

  void aBadFileKeepsTheTable() {
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"bad.csv"_s);
    QFile bad(path);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(file);
    bad.close();
    ShownScheduleWindow window(path);
    window.setColumns(3);
    window->setWindowModified(false);
    const auto before = window->columnsModel()->entries();
    ModalBoxAnswerer answerer;
    window.trigger(u"OpenCsv"_s);
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY2(answerer.seen().front().text.startsWith(message),
             qPrintable(answerer.seen().front().text));
    QCOMPARE(window->columnsModel()->entries(), before);
    QCOMPARE(window->schedule().columns.size(), std::size_t{3});
  }

  // Put in English while open, the window speaks English at once, and so do its messages.
  void speaksEnglishOnceChosen() {
    const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
    QTemporaryDir folder;
    const QString path = folder.filePath(u"bad.csv"_s);
    QFile bad(path);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("mark,load,weight\nC7,abc,3\n");
    bad.close();
    ShownScheduleWindow window(path);
    UseLanguage(Language::English);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window->windowTitle(), u"Column schedule[*]"_s);
    QCOMPARE(window.view(u"LevelsTable"_s)->model()->headerData(0, Qt::Horizontal).toString(),
             u"Mark"_s);
    ModalBoxAnswerer answerer;
    window.trigger(u"OpenCsv"_s);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text,
             u"bad.csv, line 1, column \"weight\": unknown column; the columns are mark, load, "
             u"floors and count"_s);
  }

  // The table is a model under one view: no widget is made for a cell.
  void thousandsOfColumnsWithoutAWidgetPerCell() {
    ShownScheduleWindow window;
    window.setColumns(2000);
    QTableView* columns = window.view(u"ColumnsTable"_s);
    const QAbstractItemModel* model = columns->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      for (int column = 0; column < model->columnCount(); ++column) {
        QVERIFY(columns->indexWidget(model->index(row, column)) == nullptr);
      }
    }
    QVERIFY(columns->viewport()->findChildren<QWidget*>().size() < 10);
    QCOMPARE(window.view(u"LevelsTable"_s)->model()->rowCount(), 2000 / 9 * 45 + 1 + 2);
  }

  void savesTheTableAsTyped_data() {
    QTest::addColumn<std::vector<ColumnEntry>>("table");
    QTest::addColumn<QString>("floor_height");
    const std::vector<ColumnEntry> good = {{"C1", "100", "3", "2"}, {"C2", "50", "5", ""}};
    QTest::newRow("refused values") << std::vector<ColumnEntry>{good[0],
                                                                {"C7", "abc", "0", ""},
                                                                {"", "5 t", "", "2.5"},
                                                                good[1]}
                                    << u"3"_s;
    QTest::newRow("floor height out of range") << good << u"50"_s;
    QTest::newRow("floor height not a number") << good << u"x"_s;
    QTest::newRow("floor height empty") << good << QString();
    QTest::newRow("digits as typed") << std::vector<ColumnEntry>{{"ع1", "١٠٠", "٣", ""}} << u"3"_s;
  }

  // Whatever the engine refuses and whatever the floor height, the table is saved as typed,
  // without a question, and has nothing left to save; rows left blank are not written.
  void savesTheTableAsTyped() {
    QFETCH(std::vector<ColumnEntry>, table);
    QFETCH(QString, floor_height);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"building.csv"_s);
    ShownScheduleWindow window(path);
    std::vector<ColumnEntry> with_blank_rows = table;
    with_blank_rows.insert(with_blank_rows.begin() + 1, {"", " ", "", ""});
    with_blank_rows.emplace_back();
    window->columnsModel()->setEntries(with_blank_rows);
    window->findChild<QLineEdit*>(u"FloorHeight"_s)->setText(floor_height);
    const ModalBoxAnswerer answerer;
    window.trigger(u"SaveCsv"_s);
    QVERIFY2(answerer.seen().isEmpty(), qPrintable(answerer.seen().value(0).text));
    QCOMPARE(TableRows(path), table);
    QVERIFY(!window->isWindowModified());

    // It opens again as it was, the rows still to put right marked as typed ones are.
    ShownScheduleWindow reopened(path);
    reopened.trigger(u"OpenCsv"_s);
    QVERIFY2(answerer.seen().isEmpty(), qPrintable(answerer.seen().value(0).text));
    QCOMPARE(reopened->columnsModel()->filledEntries(), table);
  }

  void pdfPagesReadBackWithPoppler_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("header");
    QTest::newRow("Arabic") << Language::Arabic << QStringList{u"الرمز"_s, u"المستوى"_s};
    QTest::newRow("English") << Language::English
                             << QStringList{u"Column schedule"_s, u"Mark"_s, u"Level"_s};
  }

  // A long schedule runs over several A4 pages, each with its table's header in the program's
  // language.
  void pdfPagesReadBackWithPoppler() {
    QFETCH(Language, language);
    QFETCH(QStringList, header);
    UseLanguage(language);
    const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
    QTemporaryDir folder;
    const QString path = folder.filePath(u"schedule.pdf"_s);
    ShownScheduleWindow window(path);
    window.setColumns(60);
    window.trigger(u"SavePdf"_s);
    const QString info = Run(u"pdfinfo"_s, {path});
    const QRegularExpressionMatch pages = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QVERIFY(pages.captured(1).toInt() > 1);
    QVERIFY(info.contains(u"A4"_s));
    const QString second = Run(u"pdftotext"_s, {u"-f"_s, u"2"_s, u"-l"_s, u"2"_s, path, u"-"_s})
                               .normalized(QString::NormalizationForm_KC);
    for (const QString& words : header) QVERIFY2(second.contains(words), qPrintable(second));
    if (language == Language::English) {
      QVERIFY2(!second.contains(QRegularExpression(u"[\\x{0600}-\\x{06FF}]"_s)),
               qPrintable(second));
    }
  }

  void drawingSavedInTheProgramsLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("Arabic") << Language::Arabic << u"جدول الأعمدة"_s;
    QTest::newRow("English") << Language::English << u"Column schedule"_s;
  }

  // The DXF file carries its letters outside ASCII as \U+XXXX, as R2000 files do.
  void drawingSavedInTheProgramsLanguage() {
    QFETCH(Language, language);
    QFETCH(QString, title);
    UseLanguage(language);
    const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
    QTemporaryDir folder;
    const QString path = folder.filePath(u"schedule.dxf"_s);
    ShownScheduleWindow window(path);
    window.setColumns(12);
    window.trigger(u"SaveDrawing"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString dxf = QString::fromLatin1(file.readAll());
    QString encoded;
    for (const QChar letter : title) {
      encoded +=
          letter.unicode() < 0x80
              ? QString(letter)
              : u"\\U+"_s + QString::number(letter.unicode(), 16).toUpper().rightJustified(4, u'0');
    }
    QVERIFY2(dxf.contains(encoded), qPrintable(encoded));
    QVERIFY(dxf.contains(u"$INSUNITS"_s));
    QCOMPARE(dxf.contains(u"\\U+06"_s), language == Language::Arabic);
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::ScheduleWindowTest)
#include "schedule_window_test.moc"
