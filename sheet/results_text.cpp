#include "sheet/results_text.h"

#include "sheet/report_text.h"
#include "translations/program_language.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

DesignReport Report(const SheetContent& content) {
  return ReportDesign(content.input, content.result);
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QString ResultsPlainText(const SheetContent& content) {
  const DesignReport report = Report(content);
  QString text = Said(report.results_heading) + u'\n';
  for (const ReportRow& row : report.results) {
    text += Said(row.label) + u": "_s + Text(row.value) + u'\n';
  }
  return text;
}

QString ResultsHtml(const SheetContent& content) {
  const DesignReport report = Report(content);
  const bool arabic = CurrentLanguage() == Language::Arabic;
  QString html = u"<table dir=\""_s + (arabic ? u"rtl"_s : u"ltr"_s) +
                 u"\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><caption>"_s +
                 Said(report.results_heading).toHtmlEscaped() + u"</caption>"_s;
  for (const ReportRow& row : report.results) {
    html += u"<tr><th align=\""_s + (arabic ? u"right"_s : u"left"_s) + u"\">"_s +
            Said(row.label).toHtmlEscaped() + u"</th><td dir=\"ltr\">"_s +
            Text(row.value).toHtmlEscaped() + u"</td></tr>"_s;
  }
  return html + u"</table>"_s;
}

}  // namespace coldesign
