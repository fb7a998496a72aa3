#include "sheet/results_text.h"

#include <array>
#include <utility>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

using Row = std::pair<QString, QString>;

std::array<Row, 7> Rows(const SheetContent& content) {
  const auto text = [](const std::string& s) { return QString::fromStdString(s); };
  return {{
      {u"حمل العمود لكل طابق"_s, text(content.input.load_text) + u" t"_s},
      {u"عدد الطوابق"_s, text(content.input.floors_text)},
      {u"مساحة الخرسانة المطلوبة"_s, text(content.result.required_area_text) + u" cm²"_s},
      {u"أبعاد القطاع"_s, SectionText(content)},
      {u"مساحة حديد التسليح"_s, text(content.result.steel_area_text) + u" cm²"_s},
      {u"عدد الأسياخ"_s, BarsText(content)},
      {u"قطر السيخ"_s, text(content.bar_diameter_text) + u" mm"_s},
  }};
}

}  // namespace

QString ResultsPlainText(const SheetContent& content) {
  QString text = u"زركولت — تصميم مبدئي لعمود خرساني مسلح\n"_s;
  for (const auto& [label, value] : Rows(content)) {
    text += label + u": "_s + value + u'\n';
  }
  return text;
}

QString ResultsHtml(const SheetContent& content) {
  QString html =
      u"<table dir=\"rtl\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"_s
      u"<caption>زركولت — تصميم مبدئي لعمود خرساني مسلح</caption>"_s;
  for (const auto& [label, value] : Rows(content)) {
    html += u"<tr><th align=\"right\">"_s + label.toHtmlEscaped() + u"</th><td dir=\"ltr\">"_s +
            value.toHtmlEscaped() + u"</td></tr>"_s;
  }
  return html + u"</table>"_s;
}

}  // namespace coldesign
