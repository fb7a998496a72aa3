// The calculation sheet as a reader of its PDF finds it: one A4 page, the fonts embedded, and
// text that holds the design's own result texts.

#include "sheet/calculation_sheet.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "calculation/design_rules.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

SheetContent Design(const std::string& load, const std::string& floors,
                    const DesignMaterials& materials = {}) {
  SheetContent content;
  content.input = DesignInput(load, floors, materials);
  content.bar_diameter_text = FormatInteger(materials.bar_diameter_mm);
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
    written_ = WriteCalculationSheetPdf(content, buffer);
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

// Arabic words read back in their plain letters, not as positional forms.
TEST(CalculationSheet, ArabicReadsBackInPlainLetters) {
  const QString text = SheetPdf(Design("10", "5")).run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s});
  for (const QString& words :
       {u"زركولت"_s, u"ورقة حساب عمود خرساني مسلح"_s, u"تصميم مبدئي"_s, u"مساحة حديد التسليح"_s}) {
    EXPECT_TRUE(text.contains(words)) << words.toStdString() << "\nin\n" << text.toStdString();
  }
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

struct SheetCase {
  std::string load;
  std::string floors;
  QStringList words;  // on the page, as text
  DesignMaterials materials{};
  friend std::ostream& operator<<(std::ostream& os, const SheetCase& c) {
    os << c.load << " t x " << c.floors << " floors";
    return c.materials == DesignMaterials{} ? os : os << ", own materials";
  }
};

class SheetText : public ::testing::TestWithParam<SheetCase> {};

// What the words say, whatever the blanks, direction marks and sentence stops the reader puts
// between the runs of Arabic and of figures; a lam-alef reads back as its ligature character.
QString Squeezed(const QString& text) {
  static const QRegularExpression kLayout(u"[\\s\\x{202A}-\\x{202E}.:،]"_s);
  return text.normalized(QString::NormalizationForm_KC).remove(kLayout);
}

TEST_P(SheetText, HoldsTheResultTextsAndTheRulesThatRaisedThem) {
  const SheetContent content = Design(GetParam().load, GetParam().floors, GetParam().materials);
  const QString text = Squeezed(SheetPdf(content).run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s}));
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
