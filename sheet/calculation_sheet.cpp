#include "sheet/calculation_sheet.h"

#include <algorithm>
#include <optional>

#include "calculation/design_rules.h"
#include "calculation/section_layout.h"
#include "resources/fonts/embedded_fonts.h"
#include "sheet/page_painter.h"
#include "sheet/pdf_page.h"
#include "sheet/program_version.h"
#include "sheet/section_drawing.h"

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

QString Text(const std::string& text) { return QString::fromStdString(text); }

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
  const QString rule = u"يقرب الناتج لأقرب سنتيمتر، ولا يقل الطول عن "_s + Ltr(least + u" cm"_s) +
                       u" ويكون من مضاعفات "_s + Ltr(step + u" cm"_s) + u". "_s;
  switch (working.length_rule) {
    case LengthRule::RaisedToLeast:
      return rule + u"الناتج أقل من "_s + least + u"، فرفع الطول إلى الحد الأدنى "_s +
             Ltr(least + u" cm"_s) + u'.';
    case LengthRule::RaisedToMultipleOfFive:
      return rule + u"قرب الناتج إلى "_s + Text(working.rounded_length_text) +
             u" ثم رفع إلى مضاعف "_s + step + u"، فصار الطول "_s + Ltr(length + u" cm"_s) + u'.';
    case LengthRule::None:
      break;
  }
  return rule + u"لم ترفع القاعدة الطول."_s;
}

QString BarRuleNote(const DesignWorking& working, const QString& bars,
                    const DesignMaterials& materials) {
  const QString least = Figure(rules::kLeastBars);
  const QString rule = u"يحسب لكل سيخ قطر "_s + Ltr(Figure(materials.bar_diameter_mm) + u" mm"_s) +
                       u" مساحة "_s +
                       Ltr(Figure(BarAreaCm2(materials.bar_diameter_mm)) + u" cm²"_s) +
                       u"، ويقرب الناتج لأقرب عدد صحيح، "_s
                       u"ولا يقل عدد الأسياخ عن "_s +
                       least + u" ويكون زوجيا. "_s;
  switch (working.bar_rule) {
    case BarRule::RaisedToLeast:
      return rule + u"الناتج أقل من "_s + least + u"، فرفع العدد إلى الحد الأدنى "_s + least +
             u" أسياخ."_s;
    case BarRule::RaisedToEven:
      return rule + u"قرب الناتج إلى "_s + Text(working.rounded_bar_text) +
             u" ثم رفع إلى العدد الزوجي "_s + bars + u'.';
    case BarRule::None:
      break;
  }
  return rule + u"لم ترفع القاعدة العدد."_s;
}

class SheetPainter {
 public:
  SheetPainter(PagePainter& page, const SheetContent& content)
      : page_(page),
        content_(content),
        load_(Text(content.input.load_text)),
        floors_(Text(content.input.floors_text)),
        width_(Text(content.input.width_text)),
        length_(Text(content.result.length_text)),
        area_(Text(content.result.required_area_text)),
        steel_(Text(content.result.steel_area_text)),
        bars_(Text(content.result.bar_count_text)) {}

  void paint() {
    heading();
    inputs();
    steps();
    chosenSection();
    drawing();
    limits();
  }

 private:
  void heading() {
    const qreal title = page_.text({kMargin, y_, kWidth, 40}, u"زركولت"_s, SheetFont(22), kRight,
                                   Qt::RightToLeft, kEmphasis);
    const qreal subtitle = page_.text({kMargin, y_ + title, kWidth, 30},
                                      u"ورقة حساب عمود خرساني مسلح — تصميم مبدئي"_s, SheetFont(13));
    const QFont small = SheetFont(9.5);
    labelledFigure(y_ + 4, u"الإصدار"_s, kProgramVersion.toString(), small);
    labelledFigure(y_ + 20, u"التاريخ"_s, content_.date.toString(Qt::ISODate), small);
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

  // A label on the right of its half of the row, the value to its left.
  void labelledValue(qreal right, const QString& label, const QString& value) {
    const qreal label_width = 150;
    page_.text({right - label_width, y_, label_width, 18}, label, SheetFont(10.5));
    page_.text({right - label_width - 110, y_, 105, 18}, value, SheetFont(11), kRight,
               Qt::LeftToRight, kEmphasis);
  }

  void inputs() {
    band(u"المدخلات"_s);
    const qreal right = kMargin + kWidth - 6;
    const qreal middle = kMargin + kWidth / 2;
    labelledValue(right, u"حمل العمود لكل طابق P"_s, load_ + u" t"_s);
    labelledValue(middle, u"عرض القطاع b"_s, width_ + u" cm"_s);
    y_ += 20;
    labelledValue(right, u"عدد الطوابق n"_s, floors_);
    labelledValue(middle, u"قطر الأسياخ"_s, Text(content_.bar_diameter_text) + u" mm"_s);
    y_ += 20;
    // Every other value the design used, and the carrying stress worked out from them.
    const DesignMaterials& materials = content_.input.materials;
    const QString fcu = Figure(materials.concrete_strength_kg_per_cm2);
    const QString fy = Figure(materials.steel_yield_kg_per_cm2);
    labelledValue(right, u"مقاومة الخرسانة fcu"_s, fcu + u" kg/cm²"_s);
    labelledValue(middle, u"إجهاد خضوع الحديد fy"_s, fy + u" kg/cm²"_s);
    y_ += 20;
    const QString stress = Figure(CarryingStressKgPerCm2(materials));
    labelledValue(right, u"معامل زيادة الحمل"_s, Figure(materials.load_factor));
    labelledValue(middle, u"إجهاد التحمل"_s, stress + u" kg/cm²"_s);
    y_ += 20;
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
    page_.text({kMargin + 6, y_, kWidth / 2, 20}, result, emphasis, Qt::AlignLeft | Qt::AlignTop,
               Qt::LeftToRight, kEmphasis);
    y_ += title_height;
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
    band(u"خطوات الحساب"_s);
    const DesignMaterials& materials = content_.input.materials;
    const QString factor = Figure(materials.load_factor);
    const QString tons = Figure(rules::kKilogramsPerTon);
    const QString stress = Figure(CarryingStressKgPerCm2(materials));
    step(
        u"1. مساحة الخرسانة المطلوبة Ac"_s, u"Ac = "_s + area_ + u" cm²"_s,
        {u"Ac = n × (%1 × P) × %2 ÷ %3"_s.arg(factor, tons, stress),
         u"= %1 × (%2 × %3) × %4 ÷ %5 = %6 cm²"_s.arg(floors_, factor, load_, tons, stress, area_)},
        factor + u" زيادة "_s + Percent(materials.load_factor - 1) + u" على الحمل، "_s + tons +
            u" للتحويل من الطن إلى الكيلوجرام، ويحمل السنتيمتر المربع "_s + stress + u" kg."_s);
    const DesignWorking& working = content_.result.working;
    step(u"2. طول القطاع t"_s, u"t = "_s + length_ + u" cm"_s,
         {u"Ac ÷ b = "_s + area_ + u" ÷ "_s + width_ + u" = "_s +
          Text(working.length_quotient_text)},
         LengthRuleNote(working, length_, materials));
    const bool share_governs = working.steel_rule == SteelRule::ShareOfRequiredArea;
    const QString share = Figure(rules::kSteelShareOfRequiredArea);
    const QString least_share = Figure(rules::kLeastSteelShareOfSection);
    step(u"3. مساحة حديد التسليح As"_s, u"As = "_s + steel_ + u" cm²"_s,
         {u"As = max(%1 × Ac, %2 × b × t)"_s.arg(share, least_share),
          u"= max(%1 × %2, %3 × %4 × %5) = max(%6, %7) = %8 cm²"_s.arg(
              share, area_, least_share, width_, length_, Text(working.steel_share_text),
              Text(working.least_steel_text), steel_)},
         share_governs ? u"حكمت نسبة "_s + Ltr(Percent(rules::kSteelShareOfRequiredArea)) +
                             u" من مساحة الخرسانة المطلوبة."_s
                       : u"حكم الحد الأدنى "_s + Ltr(Percent(rules::kLeastSteelShareOfSection)) +
                             u" من مساحة القطاع المختار."_s);
    const QString bar_area = Figure(BarAreaCm2(materials.bar_diameter_mm));
    step(u"4. عدد الأسياخ N"_s, u"N = "_s + bars_,
         {u"As ÷ %1 = %2 ÷ %1 = %3"_s.arg(bar_area, steel_, Text(working.bar_quotient_text))},
         BarRuleNote(working, bars_, materials));
  }

  void chosenSection() {
    band(u"القطاع المختار"_s);
    const qreal cell = kWidth / 3;
    const QFont big = SheetFont(15);
    const QFont label = SheetFont(9.5);
    const std::array<std::pair<QString, QString>, 3> cells = {{
        {u"أبعاد القطاع b × t"_s, SectionText(content_)},
        {u"حديد التسليح الطولي"_s, BarsText(content_)},
        {u"نسبة التسليح As ÷ (b·t)"_s,
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
    band(u"رسم القطاع"_s);
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
    const qreal most = kSheetPageSize.height() - kMargin - 95 - y_;
    const qreal height = std::clamp(SectionDrawingHeight(section, drawing_width, most), 110.0,
                                    std::max(most, 110.0));
    const SectionDrawing drawn = DrawSection(page_, {kMargin, y_, drawing_width, height}, section);

    QString legend =
        u"افتراضات الرسم، لا فحوص للكود:\n"_s
        u"• غطاء خرساني صاف "_s +
        Ltr(Figure(rules::kClearCoverMm) + u" mm"_s) + u'\n' + u"• كانات Φ"_s +
        Figure(rules::kTieDiameterMm) + u'\n' + u"• أسياخ Φ"_s + Text(content_.bar_diameter_text) +
        u" مرسومة بقطرها الحقيقي\n"_s;
    if (drawn.scale > 0) {
      legend += u"• أقل تباعد صاف بين الأسياخ "_s +
                Ltr(QString::number(drawn.clear_spacing_mm, 'f', 1) + u" mm"_s) + u'\n' +
                u"• مقياس الرسم "_s + Ltr(u"1:"_s + QString::number(drawn.scale));
    }
    page_.text({kMargin + kWidth - legend_width, y_ + 4, legend_width, height}, legend, legend_font,
               Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
    y_ += height + kGap;
  }

  void limits() {
    band(u"حدود التصميم"_s);
    QString floors_note = u"• عدد الأدوار المسموح بها في هذا البرنامج هو "_s +
                          Figure(rules::kFloorNoteLimit) + u" ادوار"_s;
    if (content_.result.working.beyond_floor_limit) {
      floors_note += u"، وعدد الطوابق المدخل "_s + floors_ + u" يتجاوز هذا الحد"_s;
    }
    const QString text = floors_note +
                         u"\n• لم يتم اضافة احمال الرياح والزلازل في التصميم"_s
                         u"\n• هذا تصميم مبدئي، يراجعه مهندس إنشائي قبل التنفيذ"_s;
    y_ += page_.text({kMargin + 6, y_, kWidth - 12, 80}, text, SheetFont(10));
  }

  PagePainter& page_;
  const SheetContent& content_;
  const QString load_, floors_, width_, length_, area_, steel_, bars_;
  qreal y_ = kMargin;
};

}  // namespace

QString SheetTitle(const SheetContent& content) {
  return u"ورقة حساب عمود خرساني مسلح "_s + SectionText(content);
}

namespace {

void PaintSheet(PageOutput& output, const QRectF& page, qreal dots_per_inch,
                const SheetContent& content) {
  RegisterEmbeddedFonts();  // the sheet looks the same where no Noto font is installed
  const qreal points_per_pixel = kPointsPerInch / dots_per_inch;
  const qreal scale = std::min({1.0, page.width() * points_per_pixel / kSheetPageSize.width(),
                                page.height() * points_per_pixel / kSheetPageSize.height()});
  PagePainter page_painter(output, page, dots_per_inch, scale);
  SheetPainter(page_painter, content).paint();
}

}  // namespace

void PaintCalculationSheet(QPainter& painter, const QRectF& page, qreal dots_per_inch,
                           const SheetContent& content) {
  PainterPageOutput output(painter);
  PaintSheet(output, page, dots_per_inch, content);
}

bool WriteCalculationSheetPdf(const SheetContent& content, QIODevice& device) {
  PdfPage pdf(kSheetPageSize, kPdfResolution);
  PaintSheet(pdf, QRectF(QPointF(0, 0), kSheetPageSize * (kPdfResolution / kPointsPerInch)),
             kPdfResolution, content);
  const QByteArray file =
      pdf.document({SheetTitle(content), u"زركولت "_s + kProgramVersion.toString()});
  return !file.isEmpty() && device.write(file) == file.size();
}

}  // namespace coldesign
