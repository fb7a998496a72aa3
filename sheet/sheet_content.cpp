#include "sheet/sheet_content.h"

#include "calculation/bending_report.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Keeps the digits (of any script, as ASCII) and the point of a number for a file name.
QString FileNamePart(const std::string& text) {
  QString part;
  for (const QChar c : Text(text)) {
    if (c.isDigit()) {
      part += QChar(u'0' + c.digitValue());
    } else if (c == u'.' || c == u'\u066B') {
      part += u'.';
    }
  }
  return part;
}

}  // namespace

SheetContent SheetOf(const BendingDesignInput& input, const BendingDesignResult& result) {
  SheetContent content{.input = input.column,
                       .result = result.axial,
                       .moments = SheetMoments{.input = input, .result = result}};
  if (result.moments_governed) {
    content.result.length_text = FormatInteger(result.length_cm);
    content.result.bar_count_text = FormatInteger(result.bars);
    content.result.steel_area_text = FormatNumber(result.steel_area_cm2);
  }
  return content;
}

DesignReport SheetReport(const SheetContent& content) {
  if (content.moments && ReportsMoments(content.moments->input, content.moments->result)) {
    return ReportBendingDesign(content.moments->input, content.moments->result);
  }
  return ReportDesign(content.input, content.result);
}

QString SheetFileName(const SheetContent& content) {
  return u"column-"_s + FileNamePart(content.input.width_text) + u'x' +
         FileNamePart(content.result.length_text) + u".pdf"_s;
}

}  // namespace coldesign
