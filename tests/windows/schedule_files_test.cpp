// The schedule window's files on disk: written whole through links, refused where no regular file
// can be, and every failure named with the system's reason.

#include "windows/schedule_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ScheduleFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void writesOrSaysWhy_data() {
    QTest::addColumn<QString>("target");        // the name written to, in the folder
    QTest::addColumn<QString>("said");          // part of the message; empty when written
    QTest::addColumn<QString>("written_file");  // the file that then holds the bytes
    QTest::newRow("new name") << u"new.csv"_s << QString() << u"new.csv"_s;
    QTest::newRow("link to a file: the file replaced")
        << u"link.csv"_s << QString() << u"old.csv"_s;
    QTest::newRow("folder") << u"folder"_s << u"ليس ملفا عاديا"_s << QString();
    QTest::newRow("link to a device") << u"device.csv"_s << u"ليس ملفا عاديا"_s << QString();
    QTest::newRow("missing folder")
        << u"missing/new.csv"_s << u"No such file or directory"_s << QString();
  }

  void writesOrSaysWhy() {
    QFETCH(QString, target);
    QFETCH(QString, said);
    QFETCH(QString, written_file);
    QTemporaryDir folder;
    const auto at = [&folder](const QString& name) { return folder.filePath(name); };
    QFile old(at(u"old.csv"_s));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QVERIFY(QFile::link(at(u"old.csv"_s), at(u"link.csv"_s)));
    QVERIFY(QFile::link(u"/dev/null"_s, at(u"device.csv"_s)));
    QVERIFY(QDir(folder.path()).mkdir(u"folder"_s));

    const auto written = WriteWholeFile(at(target), "mark,load\n");
    if (said.isEmpty()) {
      QVERIFY2(written.has_value(), qPrintable(written ? QString() : written.error()));
      QCOMPARE(Contents(at(written_file)), QByteArray("mark,load\n"));
      QVERIFY(QFileInfo(at(target)).isSymLink() == (target == u"link.csv"_s));
    } else {
      QVERIFY(!written.has_value());
      QVERIFY2(written.error().contains(said), qPrintable(written.error()));
      QCOMPARE(Contents(at(u"old.csv"_s)), QByteArray("old"));
      QVERIFY(!QFileInfo(u"/dev/null"_s).isFile());  // a device stays a device
    }
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::ScheduleFilesTest)
#include "schedule_files_test.moc"
