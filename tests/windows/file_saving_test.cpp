// Saving a file the user names, as both windows do: the name checked and completed, the file
// written whole through links, refused where no regular file can be, and every failure named in
// words the user can act on with the system's reason.

#include "windows/file_saving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "tests/windows/modal_box_answerer.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using namespace Qt::Literals::StringLiterals;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class FileSavingTest : public QObject {
  Q_OBJECT

 private slots:
  void pathIsCheckedAndCompleted_data() {
    QTest::addColumn<QString>("typed");  // in a folder that holds "kept.pdf"
    QTest::addColumn<int>("answer");     // to a question about replacing a file
    QTest::addColumn<QString>("path");   // in the folder; empty when refused
    QTest::addColumn<QString>("told");   // part of what the user is told; empty when nothing
    const int none = QMessageBox::NoButton;
    QTest::newRow("no extension") << u"sheet"_s << none << u"sheet.pdf"_s << QString();
    QTest::newRow("capital extension") << u"a.PDF"_s << none << u"a.PDF"_s << QString();
    QTest::newRow("trailing blank") << u"trail.pdf "_s << none << u"trail.pdf"_s << QString();
    QTest::newRow("trailing blanks, no extension")
        << u"trail \t"_s << none << u"trail.pdf"_s << QString();
    QTest::newRow("leading blank kept") << u" lead.pdf"_s << none << u" lead.pdf"_s << QString();
    QTest::newRow("blank name") << u"   "_s << none << QString() << u"اسم الملف فارغ"_s;
    QTest::newRow("a folder's path") << u"sub/"_s << none << QString() << u"اسم الملف فارغ"_s;
    QTest::newRow("a line break") << u"two\nlines.pdf"_s << none << QString() << u"سطر جديد"_s;
    QTest::newRow("a tab inside") << u"a\tb"_s << none << QString() << u"رمز تحكم"_s;
    QTest::newRow("completed name of a file, kept")
        << u"kept"_s << int{QMessageBox::No} << QString() << u"kept.pdf"_s;
    QTest::newRow("completed name of a file, replaced")
        << u"kept"_s << int{QMessageBox::Yes} << u"kept.pdf"_s << u"kept.pdf"_s;
    QTest::newRow("the file the dialog named")
        << u"kept.pdf"_s << none << u"kept.pdf"_s << QString();
  }

  void pathIsCheckedAndCompleted() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, path);
    QFETCH(QString, told);
    QTemporaryDir folder;
    Put(folder.filePath(u"kept.pdf"_s), "kept");
    QWidget window;
    const FileSaver saver(&window, u"title"_s, [](const QString& at, const QString& reason) {
      return at + u": "_s + reason;
    });
    ModalBoxAnswerer answerer({static_cast<QMessageBox::StandardButton>(answer)});
    const QString checked = saver.pathFor(folder.filePath(typed), u"pdf"_s);
    QCOMPARE(checked, path.isEmpty() ? QString() : folder.filePath(path));
    QCOMPARE(answerer.seen().size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
      QVERIFY2(answerer.seen().front().text.contains(told),
               qPrintable(answerer.seen().front().text));
      QCOMPARE(answerer.seen().front().title, u"title"_s);
    }
  }

  void writesOrSaysWhy_data() {
    QTest::addColumn<QString>("target");  // in the folder, unless absolute
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("said");      // parts of the reason; empty when written
    QTest::addColumn<QString>("written_file");  // the file that then holds the bytes
    const QByteArray csv = "mark,load\n";
    QTest::newRow("new name") << u"new.csv"_s << csv << QStringList() << u"new.csv"_s;
    QTest::newRow("link to a file: the file replaced")
        << u"link.csv"_s << csv << QStringList() << u"old.csv"_s;
    QTest::newRow("folder") << u"folder"_s << csv << QStringList{u"ليس ملفا عاديا"_s} << QString();
    QTest::newRow("link to a device")
        << u"device.csv"_s << csv << QStringList{u"ليس ملفا عاديا"_s} << QString();
    QTest::newRow("missing folder")
        << u"missing/new.csv"_s << csv
        << QStringList{u"المجلد غير موجود"_s, u"(No such file or directory)"_s} << QString();
    QTest::newRow("a file for a folder")
        << u"old.csv/new.csv"_s << csv << QStringList{u"لا يشير إلى مجلد"_s, u"(Not a directory)"_s}
        << QString();
    // Refused even to root.
    QTest::newRow("unwritable place")
        << u"/sys/new.csv"_s << csv << QStringList{u"لا توجد صلاحية للكتابة"_s} << QString();
    QTest::newRow("nothing to write")
        << u"new.csv"_s << QByteArray() << QStringList{u"تعذر إنشاء الملف"_s} << QString();
  }

  void writesOrSaysWhy() {
    QFETCH(QString, target);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, said);
    QFETCH(QString, written_file);
    QTemporaryDir folder;
    const auto at = [&folder](const QString& name) { return QDir(folder.path()).filePath(name); };
    Put(at(u"old.csv"_s), "old");
    QVERIFY(QFile::link(at(u"old.csv"_s), at(u"link.csv"_s)));
    QVERIFY(QFile::link(u"/dev/null"_s, at(u"device.csv"_s)));
    QVERIFY(QDir(folder.path()).mkdir(u"folder"_s));
    const QStringList before = FilesIn(folder.path());

    const auto written = WriteWholeFileOrSayWhy(at(target), bytes);
    if (said.isEmpty()) {
      QVERIFY2(written.has_value(), qPrintable(written ? QString() : written.error()));
      QCOMPARE(Contents(at(written_file)), bytes);
      QVERIFY(QFileInfo(at(target)).isSymLink() == (target == u"link.csv"_s));
    } else {
      QVERIFY(!written.has_value());
      for (const QString& part : said) {
        QVERIFY2(written.error().contains(part), qPrintable(written.error()));
      }
      QCOMPARE(Contents(at(u"old.csv"_s)), QByteArray("old"));
      QCOMPARE(FilesIn(folder.path()), before);      // nothing left beside
      QVERIFY(!QFileInfo(u"/dev/null"_s).isFile());  // a device stays a device
    }
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::FileSavingTest)
#include "file_saving_test.moc"
