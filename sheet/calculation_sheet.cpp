#include "sheet/calculation_sheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "calculation/design_rules.h"
#include "calculation/section_layout.h"
#include "resources/fonts/embedded_fonts.h"
#include "sheet/page_painter.h"
#include "sheet/pdf_page.h"
#include "sheet/program_version.h"
#include "sheet/section_drawing.h"
#include "translations/program_language.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qreal kMargin = 42;
constexpr qreal kWidth = kSheetPageSize.width() - 2 * kMargin;
constexpr qreal kGap = 6;
constexpr int kPdfResolution = 1200;

const QColor kBand(0xEC, 0xEF, 0xF3);
const QColor kRule(0x9A, 0xA3, 0xAE);
const QColor kNote(0x44, 0x44, 0x44);
const QColor kEmphasis(0x12, 0x2C, 0x4A);  // headings and results, in place of a bold face
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A number of the design's rules as the calculation writes numbers.
QString Figure(double value) { return Text(FormatNumber(value)); }
// A share as a percentage: 0.006 gives "0.6%".
QString Percent(double share) { return Figure(share * 100) + u'%'; }

// A figure with its unit inside an Arabic sentence, kept together left to right.
QString Ltr(const QString& figure) { return QChar(0x202A) + figure + QChar(0x202C); }

QString LengthRuleNote(const DesignWorking& working, const QString& length,
                       const DesignMaterials& materials) {
  const QString least = Figure(materials.width_cm);
  const QString step = Figure(rules::kLengthStepCm);
  const QString rule =
      Texts::tr("يقرب الناتج لأقرب سنتيمتر، ولا يقل الطول عن %1 ويكون من مضاعفات %2. ",
                "sheet.length-rule")
          .arg(Ltr(least + u" cm"_s), Ltr(step + u" cm"_s));
  switch (working.length_rule) {
    case LengthRule::RaisedToLeast:
      return rule + Texts::tr("الناتج أقل من %1، فرفع الطول إلى الحد الأدنى %2.",
                              "sheet.length-raised-to-least")
                        .arg(least, Ltr(least + u" cm"_s));
    case LengthRule::RaisedToMultipleOfFive:
      return rule + Texts::tr("قرب الناتج إلى %1 ثم رفع إلى مضاعف %2، فصار الطول %3.",
                              "sheet.length-raised-to-multiple")
                        .arg(Text(working.rounded_length_text), step, Ltr(length + u" cm"_s));
    case LengthRule::None:
      break;
  }
  return rule + Texts::tr("لم ترفع القاعدة الطول.", "sheet.length-kept");
}

QString BarRuleNote(const DesignWorking& working, const QString& bars,
                    const DesignMaterials& materials) {
  const QString least = Figure(rules::kLeastBars);
  const QString rule =
      Texts::tr(
          "يحسب لكل سيخ قطر %1 مساحة %2، ويقرب الناتج لأقرب عدد صحيح، ولا يقل عدد الأسياخ "
          "عن %3 ويكون زوجيا. ",
          "sheet.bar-rule")
          .arg(Ltr(Figure(materials.bar_diameter_mm) + u" mm"_s),
               Ltr(Figure(BarAreaCm2(materials.bar_diameter_mm)) + u" cm²"_s), least);
  switch (working.bar_rule) {
    case BarRule::RaisedToLeast:
      return rule + Texts::tr("الناتج أقل من %1، فرفع العدد إلى الحد الأدنى %1 أسياخ.",
                              "sheet.bars-raised-to-least")
                        .arg(least);
    case BarRule::RaisedToEven:
      return rule +
             Texts::tr("قرب الناتج إلى %1 ثم رفع إلى العدد الزوجي %2.", "sheet.bars-raised-to-even")
                 .arg(Text(working.rounded_bar_text), bars);
    case BarRule::None:
      break;
  }
  return rule + Texts::tr("لم ترفع القاعدة العدد.", "sheet.bars-kept");
}

class SheetPainter {
 public:
  // `page_height` in points: taller than A4 when the sheet is shrunk to fit its page.
  // `drawing_height` keeps the section drawing as tall as in an earlier laying out.
  SheetPainter(PagePainter& page, const SheetContent& content, qreal page_height,
               std::optional<qreal> drawing_height = std::nullopt)
      : page_(page),
        content_(content),
        page_height_(page_height),
        drawing_height_(drawing_height),
        load_(Text(content.input.load_text)),
        floors_(Text(content.input.floors_text)),
        width_(Text(content.input.width_text)),
        length_(Text(content.result.length_text)),
        area_(Text(content.result.required_area_text)),
        steel_(Text(content.result.steel_area_text)),
        bars_(Text(content.result.bar_count_text)) {}

  // Lays the sheet out on the page painter, which holds it until drawn. Gives the foot of its
  // last text, in points from the top of the page.
  qreal paint() {
    heading();
    inputs();
    steps();
    chosenSection();
    drawing();
    limits();
    return y_;
  }

  [[nodiscard]] qreal drawingHeight() const { return drawing_height_.value_or(0); }

 private:
  void heading() {
    const qreal title = page_.text({kMargin, y_, kWidth, 40}, ProgramName(), SheetFont(22), kRight,
                                   Qt::RightToLeft, kEmphasis);
    const qreal subtitle = page_.text(
        {kMargin, y_ + title, kWidth, 30},
        Texts::tr("ورقة حساب عمود خرساني مسلح — تصميم مبدئي", "sheet.subtitle"), SheetFont(13));
    const QFont small = SheetFont(9.5);
    labelledFigure(y_ + 4, Texts::tr("الإصدار", "sheet.version"), kProgramVersion.toString(),
                   small);
    labelledFigure(y_ + 20, Texts::tr("التاريخ", "sheet.date"), content_.date.toString(Qt::ISODate),
                   small);
    y_ += title + subtitle + 4;
    page_.line({kMargin, y_}, {kMargin + kWidth, y_}, 1.2);
    y_ += 10;
  }

  // A label and its figure at the page's left margin: the figure left to right, so that a date
  // keeps its order.
  void labelledFigure(qreal top, const QString& label, const QString& figure, const QFont& font) {
    const qreal figure_width = page_.textWidth(figure, font) + 1;
    page_.text({kMargin, top, figure_width, 16}, figure, font, Qt::AlignLeft | Qt::AlignTop,
               Qt::LeftToRight);
    page_.text({kMargin + figure_width + 4, top, 120, 16}, label, font,
               Qt::AlignLeft | Qt::AlignTop);
  }

  void band(const QString& title) {
    const qreal height = 20;
    page_.rect({kMargin, y_, kWidth, height}, 0, Qt::transparent, kBand);
    page_.text({kMargin + 6, y_ + 1, kWidth - 12, height}, title, SheetFont(12),
               Qt::AlignRight | Qt::AlignVCenter, Qt::RightToLeft, kEmphasis);
    y_ += height + kGap;
  }

  // A label on the right of its half of the row, [left, right], and the value to its left:
  // smaller when it is too long for its cell, and wrapped inside it when even that is not enough.
  // Gives the row's height.
  qreal labelledValue(qreal left, qreal right, const QString& label, const QString& value) {
    const qreal label_width = 150;
    const QRectF cell(left + 4, y_, right - label_width - 5 - (left + 4), 18);
    constexpr qreal kValueSize = 11;
    constexpr qreal kSmallestValueSize = 8;
    const qreal fits = cell.width() / page_.textWidth(value, SheetFont(kValueSize));
    const QFont value_font = SheetFont(
        fits >= 1 ? kValueSize
                  : std::max(kSmallestValueSize, std::floor(kValueSize * fits * 10) / 10));
    const qreal label_height =
        page_.text({right - label_width, y_, label_width, 18}, label, SheetFont(10.5));
    const qreal value_height =
        page_.text(cell, value, value_font, kRight, Qt::LeftToRight, kEmphasis,
                   QTextOption::WrapAnywhere);  // full lines of digits
    return std::max({label_height, value_height + 4, qreal{20}});
  }

  void inputs() {
    band(Texts::tr("المدخلات", "sheet.inputs"));
    const qreal right = kMargin + kWidth - 6;
    const qreal middle = kMargin + kWidth / 2;
    y_ += std::max(labelledValue(middle, right, Texts::tr("حمل العمود لكل طابق P", "sheet.load"),
                                 load_ + u" t"_s),
                   labelledValue(kMargin, middle, Texts::tr("عرض القطاع b", "sheet.width"),
                                 width_ + u" cm"_s));
    y_ +=
        std::max(labelledValue(middle, right, Texts::tr("عدد الطوابق n", "sheet.floors"), floors_),
                 labelledValue(kMargin, middle, Texts::tr("قطر الأسياخ", "sheet.bar-diameter"),
                               Text(content_.bar_diameter_text) + u" mm"_s));
    // Every other value the design used, and the carrying stress worked out from them.
    const DesignMaterials& materials = content_.input.materials;
    const QString fcu = Figure(materials.concrete_strength_kg_per_cm2);
    const QString fy = Figure(materials.steel_yield_kg_per_cm2);
    y_ += std::max(
        labelledValue(middle, right, Texts::tr("مقاومة الخرسانة fcu", "sheet.concrete-strength"),
                      fcu + u" kg/cm²"_s),
        labelledValue(kMargin, middle, Texts::tr("إجهاد خضوع الحديد fy", "sheet.steel-yield"),
                      fy + u" kg/cm²"_s));
    const QString stress = Figure(CarryingStressKgPerCm2(materials));
    y_ += std::max(labelledValue(middle, right, InProgramLanguage(kLoadFactorCaption),
                                 Figure(materials.load_factor)),
                   labelledValue(kMargin, middle, CarryingStressCaption(), stress + u" kg/cm²"_s));
    y_ += page_.text({kMargin + 18, y_, kWidth - 24, 20},
                     u"%1 × fcu + %2 × fy × %3 = %1 × %4 + %2 × %5 × %3 = %6 kg/cm²"_s.arg(
                         Figure(rules::kConcreteStressShare), Figure(rules::kSteelStressShare),
                         Percent(rules::kSteelShareOfRequiredArea), fcu, fy, stress),
                     SheetFont(9.5), Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight);
    y_ += kGap;
  }

  // One step: its title with the result on the left, the formula and the numbers put in, one
  // line each, and a note under them.
  void step(const QString& title, const QString& result, const QStringList& formula,
            const QString& note) {
    const QFont emphasis = SheetFont(11);
    const qreal title_height = page_.text({kMargin + 6, y_, kWidth - 12, 20}, title, emphasis,
                                          kRight, Qt::RightToLeft, kEmphasis);
    const qreal result_height =
        page_.text({kMargin + 6, y_, kWidth / 2, 20}, result, emphasis,
                   Qt::AlignLeft | Qt::AlignTop, Qt::LeftToRight, kEmphasis);
    y_ += std::max(title_height, result_height);
    for (const QString& line : formula) {
      y_ += page_.text({kMargin + 18, y_, kWidth - 24, 40}, line, SheetFont(9.5),
                       Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight);
    }
    y_ += page_.text({kMargin + 18, y_, kWidth - 24, 60}, note, SheetFont(9),
                     Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
    y_ += kGap;
    page_.line({kMargin + 6, y_ - kGap / 2}, {kMargin + kWidth - 6, y_ - kGap / 2}, 0.3, kRule);
  }

  void steps() {
    band(Texts::tr("خطوات الحساب", "sheet.steps"));
    const DesignMaterials& materials = content_.input.materials;
    const QString factor = Figure(materials.load_factor);
    const QString tons = Figure(rules::kKilogramsPerTon);
    const QString stress = Figure(CarryingStressKgPerCm2(materials));
    step(
        Texts::tr("1. مساحة الخرسانة المطلوبة Ac", "sheet.step-required-area"),
        u"Ac = "_s + area_ + u" cm²"_s,
        {u"Ac = n × (%1 × P) × %2 ÷ %3"_s.arg(factor, tons, stress),
         u"= %1 × (%2 × %3) × %4 ÷ %5 = %6 cm²"_s.arg(floors_, factor, load_, tons, stress, area_)},
        Texts::tr("%1 زيادة %2 على الحمل، %3 للتحويل من الطن إلى الكيلوجرام، ويحمل السنتيمتر "
                  "المربع %4 kg.",
                  "sheet.required-area-note")
            .arg(factor, Percent(materials.load_factor - 1), tons, stress));
    const DesignWorking& working = content_.result.working;
    step(Texts::tr("2. طول القطاع t", "sheet.step-length"), u"t = "_s + length_ + u" cm"_s,
         {u"Ac ÷ b = "_s + area_ + u" ÷ "_s + width_ + u" = "_s +
          Text(working.length_quotient_text)},
         LengthRuleNote(working, length_, materials));
    const bool share_governs = working.steel_rule == SteelRule::ShareOfRequiredArea;
    const QString share = Figure(rules::kSteelShareOfRequiredArea);
    const QString least_share = Figure(rules::kLeastSteelShareOfSection);
    step(Texts::tr("3. مساحة حديد التسليح As", "sheet.step-steel-area"),
         u"As = "_s + steel_ + u" cm²"_s,
         {u"As = max(%1 × Ac, %2 × b × t)"_s.arg(share, least_share),
          u"= max(%1 × %2, %3 × %4 × %5) = max(%6, %7) = %8 cm²"_s.arg(
              share, area_, least_share, width_, length_, Text(working.steel_share_text),
              Text(working.least_steel_text), steel_)},
         share_governs
             ? Texts::tr("حكمت نسبة %1 من مساحة الخرسانة المطلوبة.", "sheet.steel-share-governs")
                   .arg(Ltr(Percent(rules::kSteelShareOfRequiredArea)))
             : Texts::tr("حكم الحد الأدنى %1 من مساحة القطاع المختار.", "sheet.least-steel-governs")
                   .arg(Ltr(Percent(rules::kLeastSteelShareOfSection))));
    const QString bar_area = Figure(BarAreaCm2(materials.bar_diameter_mm));
    step(Texts::tr("4. عدد الأسياخ N", "sheet.step-bars"), u"N = "_s + bars_,
         {u"As ÷ %1 = %2 ÷ %1 = %3"_s.arg(bar_area, steel_, Text(working.bar_quotient_text))},
         BarRuleNote(working, bars_, materials));
  }

  void chosenSection() {
    band(Texts::tr("القطاع المختار", "sheet.chosen-section"));
    const qreal cell = kWidth / 3;
    const QFont big = SheetFont(15);
    const QFont label = SheetFont(9.5);
    const std::array<std::pair<QString, QString>, 3> cells = {{
        {Texts::tr("أبعاد القطاع b × t", "sheet.section"), SectionText(content_)},
        {Texts::tr("حديد التسليح الطولي", "sheet.longitudinal-steel"), BarsText(content_)},
        {Texts::tr("نسبة التسليح As ÷ (b·t)", "sheet.steel-ratio"),
         Text(content_.result.working.steel_ratio_percent_text) + u" %"_s},
    }};
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const qreal left = kMargin + kWidth - cell * static_cast<qreal>(i + 1);
      page_.text({left, y_, cell, 16}, cells[i].first, label, Qt::AlignHCenter | Qt::AlignTop);
      page_.text({left, y_ + 16, cell, 22}, cells[i].second, big, Qt::AlignHCenter | Qt::AlignTop,
                 Qt::LeftToRight, kEmphasis);
    }
    y_ += 42 + kGap;
  }

  void drawing() {
    band(Texts::tr("رسم القطاع", "sheet.drawing"));
    const qreal legend_width = 170;
    const QFont legend_font = SheetFont(9);
    SectionLayoutInput section;
    section.width_cm = ParseLeadingNumber(content_.input.width_text);
    section.length_cm = ParseLeadingNumber(content_.result.length_text);
    section.bar_count = static_cast<int>(ParseLeadingNumber(content_.result.bar_count_text));
    section.bar_diameter_mm = ParseLeadingNumber(content_.bar_diameter_text);
    section.tie_diameter_mm = rules::kTieDiameterMm;
    section.clear_cover_mm = rules::kClearCoverMm;
    const qreal drawing_width = kWidth - legend_width - 10;
    const qreal most = page_height_ - kMargin - 95 - y_;
    const qreal height = drawing_height_.value_or(std::clamp(
        SectionDrawingHeight(section, drawing_width, most), 110.0, std::max(most, 110.0)));
    drawing_height_ = height;
    const SectionDrawing drawn = DrawSection(page_, {kMargin, y_, drawing_width, height}, section);

    QString legend =
        QStringList{
            Texts::tr("افتراضات الرسم، لا فحوص للكود:", "sheet.drawing-assumptions"),
            Texts::tr("• غطاء خرساني صاف %1", "sheet.drawing-cover")
                .arg(Ltr(Figure(rules::kClearCoverMm) + u" mm"_s)),
            Texts::tr("• كانات Φ%1", "sheet.drawing-ties").arg(Figure(rules::kTieDiameterMm)),
            Texts::tr("• أسياخ Φ%1 مرسومة بقطرها الحقيقي", "sheet.drawing-bars")
                .arg(Text(content_.bar_diameter_text)),
        }
            .join(u'\n') +
        u'\n';
    if (drawn.scale > 0) {
      legend += Texts::tr("• أقل تباعد صاف بين الأسياخ %1", "sheet.drawing-spacing")
                    .arg(Ltr(QString::number(drawn.clear_spacing_mm, 'f', 1) + u" mm"_s)) +
                u'\n' +
                Texts::tr("• مقياس الرسم %1", "sheet.drawing-scale")
                    .arg(Ltr(u"1:"_s + QString::number(drawn.scale)));
    }
    page_.text({kMargin + kWidth - legend_width, y_ + 4, legend_width, height}, legend, legend_font,
               Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
    y_ += height + kGap;
  }

  void limits() {
    band(Texts::tr("حدود التصميم", "sheet.limits"));
    QString floors_note = u"• "_s + FloorLimitNote();
    if (content_.result.working.beyond_floor_limit) {
      floors_note +=
          Texts::tr("، وعدد الطوابق المدخل %1 يتجاوز هذا الحد", "sheet.beyond-floor-limit")
              .arg(floors_);
    }
    const QString text =
        floors_note + u"\n• "_s + NoWindLoadsNote() + u"\n• "_s +
        Texts::tr("هذا تصميم مبدئي، يراجعه مهندس إنشائي قبل التنفيذ", "sheet.preliminary");
    y_ += page_.text({kMargin + 6, y_, kWidth - 12, 80}, text, SheetFont(10));
  }

  PagePainter& page_;
  const SheetContent& content_;
  const qreal page_height_;
  std::optional<qreal> drawing_height_;
  const QString load_, floors_, width_, length_, area_, steel_, bars_;
  qreal y_ = kMargin;
};

}  // namespace

QString SheetTitle(const SheetContent& content) {
  return Texts::tr("ورقة حساب عمود خرساني مسلح %1", "sheet.title").arg(SectionText(content));
}

namespace {

// The sheet is laid out right to left; a left-to-right language reads it mirrored.
void MirrorForLanguage(PagePainter& painter) {
  if (CurrentLanguage() == Language::English) painter.mirror(kSheetPageSize.width());
}

void PaintSheet(PageOutput& output, const QRectF& page, qreal dots_per_inch,
                const SheetContent& content) {
  RegisterEmbeddedFonts();  // the sheet looks the same where no Noto font is installed
  const qreal points_per_pixel = kPointsPerInch / dots_per_inch;
  const qreal paper_fit = std::min({1.0, page.width() * points_per_pixel / kSheetPageSize.width(),
                                    page.height() * points_per_pixel / kSheetPageSize.height()});
  PagePainter page_painter(output, page, dots_per_inch, paper_fit);
  MirrorForLanguage(page_painter);
  SheetPainter sheet(page_painter, content, kSheetPageSize.height());
  const qreal height = sheet.paint() + kMargin;
  if (height <= kSheetPageSize.height()) {
    page_painter.draw();
    return;
  }
  // Inputs of many digits, wrapped in their cells, made the sheet taller than its page: it is
  // laid out again smaller, centred.
  const qreal shrink = kSheetPageSize.height() / height;
  const qreal unit = paper_fit / points_per_pixel;  // device pixels per point of the sheet
  const QRectF shrunk_page = page.translated(kSheetPageSize.width() * (1 - shrink) / 2 * unit, 0);
  PagePainter shrunk_painter(output, shrunk_page, dots_per_inch, paper_fit * shrink);
  MirrorForLanguage(shrunk_painter);
  SheetPainter(shrunk_painter, content, kSheetPageSize.height() / shrink, sheet.drawingHeight())
      .paint();
  shrunk_painter.draw();
}

}  // namespace

void PaintCalculationSheet(QPainter& painter, const QRectF& page, qreal dots_per_inch,
                           const SheetContent& content) {
  PainterPageOutput output(painter);
  PaintSheet(output, page, dots_per_inch, content);
}

SheetPdfResult WriteCalculationSheetPdf(const SheetContent& content, QIODevice& device) {
  PdfPage pdf(kSheetPageSize, kPdfResolution);
  PaintSheet(pdf, QRectF(QPointF(0, 0), kSheetPageSize * (kPdfResolution / kPointsPerInch)),
             kPdfResolution, content);
  const QByteArray file =
      pdf.document({SheetTitle(content), ProgramName() + u' ' + kProgramVersion.toString()});
  if (file.isEmpty()) return SheetPdfResult::NotMade;
  return device.write(file) == file.size() ? SheetPdfResult::Written : SheetPdfResult::WriteFailed;
}

}  // namespace coldesign
