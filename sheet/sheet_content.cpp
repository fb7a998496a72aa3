#include "sheet/sheet_content.h"

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

QString SheetFileName(const SheetContent& content) {
  return u"column-"_s + FileNamePart(content.input.width_text) + u'x' +
         FileNamePart(content.result.length_text) + u".pdf"_s;
}

}  // namespace coldesign
