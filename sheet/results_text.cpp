#include "sheet/results_text.h"

#include "sheet/report_text.h"
#include "translations/program_language.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

}  // namespace

QString ResultsPlainText(const SheetContent& content) {
  const DesignReport report = SheetReport(content);
  QString text = SaidOf(report, ReportPart::ResultsHeading) + u'\n';
  for (const ReportLine* row : LinesOf(report, ReportPart::Result)) {
    text += Said(row->text) + u": "_s + ValueOf(*row) + u'\n';
  }
  return text;
}

QString ResultsHtml(const SheetContent& content) {
  const DesignReport report = SheetReport(content);
  const bool arabic = CurrentLanguage() == Language::Arabic;
  QString html = u"<table dir=\""_s + (arabic ? u"rtl"_s : u"ltr"_s) +
                 u"\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><caption>"_s +
                 SaidOf(report, ReportPart::ResultsHeading).toHtmlEscaped() + u"</caption>"_s;
  for (const ReportLine* row : LinesOf(report, ReportPart::Result)) {
    html += u"<tr><th align=\""_s + (arabic ? u"right"_s : u"left"_s) + u"\">"_s +
            Said(row->text).toHtmlEscaped() + u"</th><td dir=\"ltr\">"_s +
            ValueOf(*row).toHtmlEscaped() + u"</td></tr>"_s;
  }
  return html + u"</table>"_s;
}

}  // namespace coldesign
