// The calculation sheet as a reader of its PDF finds it: one A4 page, the fonts embedded, and
// text that holds the design's own result texts.

#include "sheet/calculation_sheet.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "calculation/design_rules.h"
#include "translations/program_language.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

SheetContent Design(const std::string& load, const std::string& floors,
                    const DesignMaterials& materials = {}) {
  SheetContent content;
  content.input = DesignInput(load, floors, materials);
  content.result = *DesignColumn(content.input);
  content.date = QDate(2026, 12, 7);
  return content;
}

// Runs one of poppler's tools on the sheet's PDF and gives what it prints.
class SheetPdf {
 public:
  explicit SheetPdf(const SheetContent& content) {
    QBuffer buffer(&bytes_);
    buffer.open(QIODevice::WriteOnly);
    written_ = WriteCalculationSheetPdf(content, buffer) == SheetPdfResult::Written;
    path_ = dir_.filePath(u"sheet.pdf"_s);
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes_);
  }

  [[nodiscard]] bool written() const { return written_ && bytes_.startsWith("%PDF-"); }

  [[nodiscard]] QString run(const QString& tool, QStringList arguments = {}) const {
    QProcess process;
    arguments << path_;
    if (tool == u"pdftotext"_s) arguments << u"-"_s;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // What a strict reader finds wrong with the file, which poppler would repair unseen (a wrong
  // cross-reference table, a stream of the wrong length); empty when nothing.
  [[nodiscard]] QString faults() const {
    QProcess process;
    process.start(u"qpdf"_s, {u"--check"_s, path_});
    if (!process.waitForFinished()) return u"qpdf did not run"_s;
    const QString warnings = QString::fromUtf8(process.readAllStandardError());
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return warnings;
    return u"qpdf exit code %1\n"_s.arg(process.exitCode()) + warnings +
           QString::fromUtf8(process.readAllStandardOutput());
  }

 private:
  QTemporaryDir dir_;
  QByteArray bytes_;
  QString path_;
  bool written_ = false;
};

TEST(CalculationSheet, OneA4PageWithItsTitleAndFontsEmbedded) {
  const SheetPdf pdf(Design("100", "7"));
  ASSERT_TRUE(pdf.written());
  const QString info = pdf.run(u"pdfinfo"_s);
  EXPECT_TRUE(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s))) << info.toStdString();
  EXPECT_TRUE(info.contains(u"(A4)"_s)) << info.toStdString();
  EXPECT_TRUE(
      info.contains(QRegularExpression(u"Title:\\s+ورقة حساب عمود خرساني مسلح 30 × 230 cm\\n"_s)))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(u"Creator:\\s+زركولت \\d+\\.\\d+"_s)))
      << info.toStdString();

  // Every font on the page is embedded, and the two families asked for are among them.
  const QStringList fonts = pdf.run(u"pdffonts"_s).split(u'\n', Qt::SkipEmptyParts).mid(2);
  ASSERT_FALSE(fonts.isEmpty());
  for (const QString& font : fonts) {
    const QStringList columns = font.split(u' ', Qt::SkipEmptyParts);
    ASSERT_GE(columns.size(), 5) << font.toStdString();
    EXPECT_EQ(u"yes"_s, columns[columns.size() - 5]) << "not embedded: " << font.toStdString();
  }
  const QString all_fonts = fonts.join(u'\n');
  EXPECT_TRUE(all_fonts.contains(u"NotoNaskhArabic"_s)) << all_fonts.toStdString();
  EXPECT_TRUE(all_fonts.contains(u"NotoSans-"_s)) << all_fonts.toStdString();
}

// A device that takes nothing fails the writing, not the making of the sheet.
TEST(CalculationSheet, ADeviceThatTakesNothingIsAWriteFailure) {
  QBuffer closed;
  EXPECT_EQ(WriteCalculationSheetPdf(Design("100", "7"), closed), SheetPdfResult::WriteFailed);
}

// Arabic words read back in their plain letters as they are written, lam-alef as its two letters,
// never as presentation forms.
TEST(CalculationSheet, ArabicReadsBackInPlainLetters) {
  const QString text = SheetPdf(Design("10", "5")).run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s});
  for (const QString& words : {u"زركولت"_s, u"ورقة حساب عمود خرساني مسلح"_s, u"تصميم مبدئي"_s,
                               u"مساحة حديد التسليح"_s, u"المدخلات"_s, u"الأدوار"_s}) {
    EXPECT_TRUE(text.contains(words)) << words.toStdString() << "\nin\n" << text.toStdString();
  }
  static const QRegularExpression kPresentationForms(u"[\\x{FB50}-\\x{FDFF}\\x{FE70}-\\x{FEFF}]"_s);
  EXPECT_FALSE(text.contains(kPresentationForms)) << text.toStdString();
}

// In English the sheet reads left to right in English words only, its heading at the left
// margin where the Arabic sheet has it at the right.
TEST(CalculationSheet, InEnglishReadsLeftToRight) {
  UseLanguage(Language::English);
  const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
  const SheetPdf pdf(Design("100", "8"));
  const QString text = pdf.run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s});
  for (const QString& words : {u"Column Designer"_s, u"1. Required concrete area Ac"_s,
                               u"Limits of the design"_s, u"meant for at most 7"_s}) {
    EXPECT_TRUE(text.contains(words)) << words.toStdString() << "\nin\n" << text.toStdString();
  }
  EXPECT_FALSE(text.contains(QRegularExpression(u"[\\x{0600}-\\x{06FF}]"_s))) << text.toStdString();
  const QRegularExpressionMatch heading =
      QRegularExpression(u"<word xMin=\"([\\d.]+)\"[^>]*>Column</word>"_s)
          .match(pdf.run(u"pdftotext"_s, {u"-bbox"_s}));
  ASSERT_TRUE(heading.hasMatch());
  EXPECT_LT(heading.captured(1).toDouble(), kSheetPageSize.width() / 4);
}

// The lowest row with ink, as a fraction of the image's height.
double LowestInk(const QImage& image) {
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) return static_cast<double>(y + 1) / image.height();
    }
  }
  return 0;
}

// Printed on paper other than A4, the whole page still fits: shorter paper shrinks it.
TEST(CalculationSheet, FitsThePaperItIsPrintedOn) {
  struct Paper {
    const char* name;
    QSize points;
  };
  for (const Paper& paper :
       {Paper{"A4", {595, 842}}, Paper{"Letter", {612, 792}}, Paper{"A5", {420, 595}}}) {
    QImage image(paper.points * 2, QImage::Format_RGB32);  // 144 dots an inch
    image.setDotsPerMeterX(5669);                          // 144 dots an inch, for the fonts' sizes
    image.setDotsPerMeterY(5669);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCalculationSheet(painter, image.rect(), 144, Design("100", "7"));
    painter.end();
    const double lowest = LowestInk(image);
    EXPECT_GT(lowest, 0.75) << paper.name << ": the page is not drawn to its foot";
    EXPECT_LT(lowest, 0.97) << paper.name << ": the page runs off the paper";
  }
}

// The print preview records the page as a picture and draws that in its window, where the
// program reads right to left: it must show the pixels the page has when drawn directly.
TEST(CalculationSheet, ThePrintPreviewShowsWhatPrints) {
  QPicture picture;
  const int dots_per_inch = picture.logicalDpiX();
  const QSize size = kSheetPageSize.toSize() * dots_per_inch / 72;
  const SheetContent content = Design("100", "7");
  QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  {
    QPainter painter(&picture);
    PaintCalculationSheet(painter, QRect(QPoint(0, 0), size), dots_per_inch, content);
  }
  QImage previewed(size, QImage::Format_RGB32);
  previewed.fill(Qt::white);
  {
    QPainter painter(&previewed);
    picture.play(&painter);
  }
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  QImage printed(size, QImage::Format_RGB32);
  printed.setDotsPerMeterX(qRound(dots_per_inch / 0.0254));
  printed.setDotsPerMeterY(qRound(dots_per_inch / 0.0254));
  printed.fill(Qt::white);
  {
    QPainter painter(&printed);
    PaintCalculationSheet(painter, printed.rect(), dots_per_inch, content);
  }
  int ink = 0;
  int differing = 0;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const int shown = qGray(previewed.pixel(x, y));
      const int printed_here = qGray(printed.pixel(x, y));
      ink += printed_here < 128 ? 1 : 0;
      differing += std::abs(shown - printed_here) > 128 ? 1 : 0;
    }
  }
  EXPECT_LT(differing, ink / 100) << differing << " of " << ink << " pixels of ink differ";
}

struct SheetCase {
  std::string load;
  std::string floors;
  QStringList words;  // on the page, as text
  DesignMaterials materials{};
  friend std::ostream& operator<<(std::ostream& os, const SheetCase& c) {
    const auto shown = [](const std::string& text) {
      return text.size() <= 20
                 ? text
                 : text.substr(0, 12) + "… (" + std::to_string(text.size()) + " characters)";
    };
    os << shown(c.load) << " t x " << shown(c.floors) << " floors";
    return c.materials == DesignMaterials{} ? os : os << ", own materials";
  }
};

class SheetText : public ::testing::TestWithParam<SheetCase> {};

// What the words say, whatever the blanks, direction marks and sentence stops the reader puts
// between the runs of Arabic and of figures.
QString Squeezed(QString text) {
  static const QRegularExpression kLayout(u"[\\s\\x{202A}-\\x{202E}.:،]"_s);
  return text.remove(kLayout);
}

// The sheet's text, in a file a strict reader finds nothing wrong with.
TEST_P(SheetText, HoldsTheResultTextsAndTheRulesThatRaisedThem) {
  const SheetContent content = Design(GetParam().load, GetParam().floors, GetParam().materials);
  const SheetPdf pdf(content);
  const QString faults = pdf.faults();
  EXPECT_TRUE(faults.isEmpty()) << faults.toStdString();
  const QString text = Squeezed(pdf.run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s}));
  for (const std::string& result :
       {content.result.required_area_text, content.result.length_text,
        content.result.steel_area_text, content.result.bar_count_text}) {
    EXPECT_TRUE(text.contains(Squeezed(QString::fromStdString(result)))) << result;
  }
  for (const QString& word : GetParam().words) {
    EXPECT_TRUE(text.contains(Squeezed(word))) << word.toStdString() << "\nin\n"
                                               << text.toStdString();
  }
}

// A word's box as pdftotext -bbox gives it, in points from the page's top-left corner.
struct WordBox {
  QRectF box;
  QString word;
};

std::vector<WordBox> WordBoxes(const QString& bbox_html, QSizeF& page) {
  static const QRegularExpression kPage(u"<page width=\"([-\\d.]+)\" height=\"([-\\d.]+)\""_s);
  static const QRegularExpression kWord(
      u"<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
      u"yMax=\"([-\\d.]+)\">([^<]*)</word>"_s);
  const QRegularExpressionMatch size = kPage.match(bbox_html);
  page = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
  std::vector<WordBox> words;
  for (const QRegularExpressionMatch& word : kWord.globalMatch(bbox_html)) {
    const QPointF top_left(word.captured(1).toDouble(), word.captured(2).toDouble());
    const QPointF bottom_right(word.captured(3).toDouble(), word.captured(4).toDouble());
    words.push_back({QRectF(top_left, bottom_right), word.captured(5)});
  }
  return words;
}

// Every word on the page, and none printed over another. A box reaches from the font's ascent to
// its descent, so lines overlap a little: only the middle of each box counts.
TEST_P(SheetText, StaysOnThePageWithNoTextOverAnother) {
  QSizeF page;
  const std::vector<WordBox> words = WordBoxes(
      SheetPdf(Design(GetParam().load, GetParam().floors)).run(u"pdftotext"_s, {u"-bbox"_s}), page);
  ASSERT_GT(words.size(), 100U);
  std::vector<QRectF> middles;
  for (const WordBox& word : words) {
    EXPECT_TRUE(QRectF(QPointF(0, 0), page).contains(word.box))
        << "off the page: " << word.word.toStdString();
    const qreal height = word.box.height();
    middles.push_back(word.box.adjusted(0.5, height * 0.3, -0.5, -height * 0.3));
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      EXPECT_FALSE(middles[i].intersects(middles[j]))
          << words[i].word.toStdString() << " over " << words[j].word.toStdString();
    }
  }
}

const std::string kLong83 = "100." + std::string(79, '0');

INSTANTIATE_TEST_SUITE_P(
    Designs, SheetText,
    ::testing::Values(
        SheetCase{"100",
                  "7",
                  {u"زركولت"_s, u"2026-12-07"_s, u"30 × 230 cm"_s, u"34 Φ16"_s, u"1.00 %"_s,
                   u"229.946843456967"_s, u"34.4920265185451"_s, u"الرياح والزلازل"_s, u"7 ادوار"_s,
                   u"تصميم مبدئي"_s, u"1:25"_s}},
        // Both raised to their least values; the least steel governs.
        SheetCase{
            "10", "5", {u"الحد الأدنى 30 cm"_s, u"الحد الأدنى 4 أسياخ"_s, u"الحد الأدنى 0.6%"_s}},
        // 39 raised to 40; 17 bars raised to 18 in the next design.
        SheetCase{"30", "4", {u"فصار الطول 40 cm"_s, u"30 × 40 cm"_s}},
        SheetCase{"50", "7", {u"العدد الزوجي 18"_s}},
        // Eight floors: beyond the limit the notes state; the load as typed, in Arabic digits.
        SheetCase{"١٠", "8", {u"يتجاوز هذا الحد"_s, u"١٠ t"_s}},
        // Inputs as long as the fields take: wrapped in their cells, the sheet shrunk to its page.
        SheetCase{"100.000000000001", "7.00000000000001", {u"100.000000000001 t"_s}},
        SheetCase{kLong83, "7", {QString::fromStdString(kLong83)}},
        SheetCase{kLong83, "7." + std::string(78, '0') + "1", {QString::fromStdString(kLong83)}},
        SheetCase{"1." + std::string(1000, '0') + "1", "7", {u"4 Φ16"_s}},
        // Every value of the engineer's materials, and the stress worked out from them.
        SheetCase{"100",
                  "7",
                  {u"300 kg/cm²"_s, u"4000 kg/cm²"_s, u"1.2 × P"_s, u"ولا يقل الطول عن 25 cm"_s,
                   u"0.35 × 300 + 0.67 × 4000 × 1% = 131.8 kg/cm²"_s, u"As ÷ 3.1"_s, u"Φ20"_s},
                  {.concrete_strength_kg_per_cm2 = 300,
                   .steel_yield_kg_per_cm2 = 4000,
                   .width_cm = 25,
                   .bar_diameter_mm = 20,
                   .load_factor = 1.2}}));

// The formulas are written from the design's rules: a changed rule changes the printed formula.
TEST(CalculationSheet, WritesItsFormulasFromTheDesignRules) {
  const auto figure = [](double value) { return QString::fromStdString(FormatNumber(value)); };
  const QString text =
      Squeezed(SheetPdf(Design("100", "7")).run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s}));
  for (const QString& formula : {
           u"(%1 × P) × %2 ÷ %3"_s.arg(figure(rules::kLoadFactor), figure(rules::kKilogramsPerTon),
                                       figure(rules::kCarryingStressKgPerCm2)),
           u"max(%1 × Ac, %2 × b × t"_s.arg(figure(rules::kSteelShareOfRequiredArea),
                                            figure(rules::kLeastSteelShareOfSection)),
           u"As ÷ %1"_s.arg(figure(rules::kBarAreaCm2)),
           u"%1 cm"_s.arg(figure(rules::kLengthStepCm)),
           u"%1 ادوار"_s.arg(figure(rules::kFloorNoteLimit)),
           u"Φ%1"_s.arg(figure(rules::kTieDiameterMm)),
       }) {
    EXPECT_TRUE(text.contains(Squeezed(formula))) << formula.toStdString();
  }
}

}  // namespace
}  // namespace coldesign
