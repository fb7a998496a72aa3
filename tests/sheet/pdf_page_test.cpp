// A page written as PDF shows its shapes and text where they were drawn, as a viewer renders it.

#include "sheet/pdf_page.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "resources/fonts/embedded_fonts.h"
#include "sheet/page_painter.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kDotsPerInch = 1200;
constexpr qreal kUnit = kDotsPerInch / 72.0;  // device pixels a point

QString RunTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page saved as a PDF file in `dir`.
QString Saved(const PdfPage& page, const QTemporaryDir& dir) {
  QFile file(dir.filePath(u"page.pdf"_s));
  if (file.open(QIODevice::WriteOnly)) file.write(page.document({u"عنوان"_s, u"Test"_s}));
  return file.fileName();
}

TEST(PdfPage, ShapesAndTextLandWhereTheyWereDrawn) {
  RegisterEmbeddedFonts();
  PdfPage page(QSizeF(200, 100), kDotsPerInch);
  QPainterPath square;
  square.addRect(QRectF(QPointF(20, 10) * kUnit, QSizeF(40, 40) * kUnit));
  page.fill(square, Qt::red);
  QPainterPath line(QPointF(100, 80) * kUnit);
  line.lineTo(QPointF(190, 80) * kUnit);
  page.stroke(line, QPen(Qt::blue, 4 * kUnit, Qt::SolidLine, Qt::FlatCap));
  QTextLayout text(u"Sheet ورقة 30 cm"_s, SheetFont(12), &page.layoutDevice());
  text.beginLayout();
  text.createLine();
  text.endLayout();
  page.text(text, QPointF(80, 20) * kUnit, Qt::black);

  const QTemporaryDir dir;
  const QString file = Saved(page, dir);
  RunTool(u"pdftoppm"_s,
          {u"-r"_s, u"72"_s, u"-png"_s, u"-singlefile"_s, file, dir.filePath(u"page"_s)});
  const QImage image(dir.filePath(u"page.png"_s));
  ASSERT_EQ(image.size(), QSize(200, 100));
  EXPECT_EQ(image.pixelColor(40, 30), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(10, 30), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(150, 80), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(150, 70), QColor(Qt::white));
  int ink = 0;  // the text's, beside the square
  for (int y = 20; y < 40; ++y) {
    for (int x = 80; x < 200; ++x) ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  EXPECT_GT(ink, 50);

  const QString words = RunTool(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, file, u"-"_s});
  for (const QString& word : {u"Sheet"_s, u"ورقة"_s, u"30"_s, u"cm"_s}) {
    EXPECT_TRUE(words.contains(word)) << word.toStdString() << " not in " << words.toStdString();
  }
  EXPECT_TRUE(RunTool(u"pdfinfo"_s, {file}).contains(u"عنوان"_s));
}

// More glyphs than one section of the text map holds (a hundred): each reads back as its letter,
// those at the ends of the sections too.
TEST(PdfPage, EveryGlyphReadsBackAsItsLetter) {
  RegisterEmbeddedFonts();
  PdfPage page(QSizeF(400, 200), kDotsPerInch);
  QString letters;
  for (char16_t c = u'!'; c <= u'~'; ++c) letters += QChar(c);
  for (char16_t c = u'\u00C0'; c <= u'\u00FF'; ++c) letters += QChar(c);
  letters += u"office"_s;  // "ffi" drawn as one glyph where the font has the ligature
  QTextLayout text(letters, SheetFont(10), &page.layoutDevice());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAnywhere);
  text.setTextOption(option);
  text.beginLayout();
  qreal y = 0;
  for (QTextLine line = text.createLine(); line.isValid(); line = text.createLine()) {
    line.setLineWidth(380 * kUnit);
    line.setPosition({0, y});
    y += line.height();
  }
  text.endLayout();
  page.text(text, QPointF(10, 10) * kUnit, Qt::black);

  const QTemporaryDir dir;
  QString read = RunTool(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, Saved(page, dir), u"-"_s});
  EXPECT_EQ(letters.toStdString(), read.remove(QRegularExpression(u"\\s"_s)).toStdString());
}

// The first page's content stream, inflated.
QByteArray Content(const QByteArray& pdf) {
  const QByteArray head = "\n5 0 obj\n<< /Length ";  // the first page's content
  const qsizetype at = pdf.indexOf(head) + head.size();
  const qsizetype length = pdf.mid(at, pdf.indexOf(' ', at) - at).toLongLong();
  const qsizetype data = pdf.indexOf("stream\n", at) + 7;
  return qUncompress(QByteArray::fromHex("00100000") + pdf.mid(data, length));
}

// Right-to-left words are written in reading order, for readers that take the text in the order
// it is drawn: the first word drawn is the rightmost.
TEST(PdfPage, WritesArabicWordsInReadingOrder) {
  RegisterEmbeddedFonts();
  PdfPage page(QSizeF(200, 100), kDotsPerInch);
  QTextLayout text(u"ورقة حساب عمود"_s, SheetFont(12), &page.layoutDevice());
  QTextOption option;
  option.setTextDirection(Qt::RightToLeft);
  text.setTextOption(option);
  text.beginLayout();
  text.createLine();
  text.endLayout();
  page.text(text, {}, Qt::black);
  QList<double> starts;  // of each run of glyphs, in the order they are drawn
  for (const QByteArray& line : Content(page.document({})).split('\n')) {
    if (line.contains(" Tm [<")) starts.append(line.split(' ')[4].toDouble());
  }
  ASSERT_GE(starts.size(), 3);
  EXPECT_TRUE(std::ranges::is_sorted(starts, std::greater<>()));
}

}  // namespace
}  // namespace coldesign
