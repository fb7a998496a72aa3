// The calculation sheet of a column with moments: the moment section and the interaction
// diagram in words a reader finds, on a second page only when the first is full; a column whose
// moments do not matter keeps today's one page.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "sheet/calculation_sheet.h"
#include "translations/program_language.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

BendingDesignInput Bending(double moment_x, double moment_y, double height_m = 3,
                           bool unbraced = false) {
  return {.column = DesignInput("50", "7", {}),
          .moment_x_t_m = moment_x,
          .moment_y_t_m = moment_y,
          .column_height_m = height_m,
          .unbraced = unbraced,
          .length_factor = std::nullopt};
}

SheetContent Sheet(const BendingDesignInput& input) {
  SheetContent content = SheetOf(input, *DesignBendingColumn(input));
  content.date = QDate(2026, 12, 7);
  return content;
}

QByteArray Pdf(const SheetContent& content) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_EQ(WriteCalculationSheetPdf(content, buffer), SheetPdfResult::Written);
  return bytes;
}

// The file without the moment it was made, its one part that changes from run to run.
QString Timeless(const QByteArray& pdf) {
  static const QRegularExpression kCreated(u"/CreationDate \\(D:\\d+Z?\\)"_s);
  return QString::fromLatin1(pdf).remove(kCreated);
}

// The PDF, kept in the test's working folder for a person to look at, and what a poppler tool
// prints of it.
QString Read(const QByteArray& pdf, const QString& name, const QString& tool,
             QStringList arguments = {}) {
  const QString path = QDir::current().filePath(name + u".pdf"_s);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
  file.close();
  QProcess process;
  arguments << path;
  if (tool == u"pdftotext"_s) arguments << u"-"_s;
  process.start(tool, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

int Pages(const QByteArray& pdf, const QString& name) {
  const QRegularExpressionMatch pages =
      QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(Read(pdf, name, u"pdfinfo"_s));
  return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

TEST(MomentSheet, MomentsWithinTheLeastEccentricityKeepTodaysSheet) {
  SheetContent axial;
  axial.input = DesignInput("50", "7", {});
  axial.result = *DesignColumn(axial.input);
  axial.date = QDate(2026, 12, 7);
  const QByteArray today = Pdf(axial);
  EXPECT_EQ(Timeless(Pdf(Sheet(Bending(0, 0)))), Timeless(today));
  EXPECT_EQ(Pages(today, u"sheet-axial"_s), 1);
}

struct MomentCase {
  const char* name;
  BendingDesignInput input;
  int pages;
  QStringList words;  // on the pages, as text
};

// The moment section's figures and the diagram's labels are on the sheet, every font embedded.
TEST(MomentSheet, HoldsTheMomentSectionAndItsDiagram) {
  const std::vector<MomentCase> cases = {
      {"Mx",
       Bending(150, 0),
       2,
       {u"Mx* = max(|Mx|, Pu × e min) + Madd = max(150, 25.99) + 0 = 150 t·m"_s,
        u"He = k × H = 0.85 × 3 = 2.55 m"_s, u"150.0, 7.7"_s, u"Mx (t·m"_s, u"30 × 135"_s}},
      {"slender, unbraced",
       Bending(0, 0, 4, true),
       2,
       {u"Madd = Pu × λy² × b ÷ 2000 = 385 × 20² × 30 ÷ 2000 ÷ 100 = 23.1 t·m"_s, u"My (t·m"_s,
        u"30 × 115"_s}},
  };
  for (const MomentCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray pdf = Pdf(Sheet(c.input));
    const QString name = u"sheet-moments-"_s + QString::fromLatin1(c.name).replace(u' ', u'-');
    EXPECT_EQ(Pages(pdf, name), c.pages);
    const QString text = Read(pdf, name, u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s});
    for (const QString& words : c.words) {
      EXPECT_TRUE(text.contains(words)) << words.toStdString() << "\nin\n" << text.toStdString();
    }
    const QStringList fonts =
        Read(pdf, name, u"pdffonts"_s).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
      const QStringList columns = font.split(u' ', Qt::SkipEmptyParts);
      ASSERT_GE(columns.size(), 5) << font.toStdString();
      EXPECT_EQ(u"yes"_s, columns[columns.size() - 5]) << "not embedded: " << font.toStdString();
    }
  }
}

// The diagram reads as plots do in both languages: the load point of positive moments stands
// right of the axes' most negative tick, though the English sheet is the Arabic one mirrored.
TEST(MomentSheet, TheDiagramIsNotMirroredInEnglish) {
  for (const Language language : {Language::Arabic, Language::English}) {
    UseLanguage(language);
    const QString boxes =
        Read(Pdf(Sheet(Bending(150, 0))), u"sheet-moments-words"_s, u"pdftotext"_s, {u"-bbox"_s});
    const auto centre_of = [&boxes](const QString& word) {
      const QRegularExpressionMatch match =
          QRegularExpression(
              u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
              u"yMax=\"([\\d.]+)\">"_s +
              QRegularExpression::escape(word) + u"</word>"_s)
              .match(boxes);
      EXPECT_TRUE(match.hasMatch()) << word.toStdString();
      return QPointF((match.captured(1).toDouble() + match.captured(3).toDouble()) / 2,
                     (match.captured(2).toDouble() + match.captured(4).toDouble()) / 2);
    };
    const QPointF load = centre_of(u"(150.0,"_s);
    EXPECT_GT(load.x(), centre_of(u"-200"_s).x() + 100);
  }
  UseLanguage(Language::Arabic);
}

}  // namespace
}  // namespace coldesign
