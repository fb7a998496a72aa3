#include "sheet/results_text.h"

#include <array>
#include <utility>

#include "translations/program_language.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

using Row = std::pair<QString, QString>;

std::array<Row, 7> Rows(const SheetContent& content) {
  const auto text = [](const std::string& s) { return QString::fromStdString(s); };
  return {{
      {Texts::tr("حمل العمود لكل طابق", "results.load"), text(content.input.load_text) + u" t"_s},
      {FloorsCaption(), text(content.input.floors_text)},
      {Texts::tr("مساحة الخرسانة المطلوبة", "results.required-area"),
       text(content.result.required_area_text) + u" cm²"_s},
      {Texts::tr("أبعاد القطاع", "results.section"), SectionText(content)},
      {Texts::tr("مساحة حديد التسليح", "results.steel-area"),
       text(content.result.steel_area_text) + u" cm²"_s},
      {BarCountCaption(), BarsText(content)},
      {InProgramLanguage(kBarDiameterCaption), text(content.bar_diameter_text) + u" mm"_s},
  }};
}

QString Heading() { return Texts::tr("زركولت — تصميم مبدئي لعمود خرساني مسلح", "results.heading"); }

}  // namespace

QString ResultsPlainText(const SheetContent& content) {
  QString text = Heading() + u'\n';
  for (const auto& [label, value] : Rows(content)) {
    text += label + u": "_s + value + u'\n';
  }
  return text;
}

QString ResultsHtml(const SheetContent& content) {
  const bool arabic = CurrentLanguage() == Language::Arabic;
  QString html = u"<table dir=\""_s + (arabic ? u"rtl"_s : u"ltr"_s) +
                 u"\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><caption>"_s +
                 Heading().toHtmlEscaped() + u"</caption>"_s;
  for (const auto& [label, value] : Rows(content)) {
    html += u"<tr><th align=\""_s + (arabic ? u"right"_s : u"left"_s) + u"\">"_s +
            label.toHtmlEscaped() + u"</th><td dir=\"ltr\">"_s + value.toHtmlEscaped() +
            u"</td></tr>"_s;
  }
  return html + u"</table>"_s;
}

}  // namespace coldesign
