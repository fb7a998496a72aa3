#include "sheet/report_text.h"

#include "sheet/left_to_right.h"
#include "translations/report_texts.h"
#include "translations/schedule_texts.h"

namespace coldesign {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Argument(const ReportArgument& argument, FigureMarks marks) {
  QString text = Text(argument.text);
  if (!argument.left_to_right) return text;
  return marks == FigureMarks::Isolate ? LeftToRightIsolate(text) : LeftToRight(text);
}

}  // namespace

QString LeftToRight(const QString& figure) { return QChar(0x202A) + figure + QChar(0x202C); }

QString Said(const ReportText& text, FigureMarks marks) {
  const CatalogueText* known = FindCatalogueText(kReportTexts, text.key);
  if (known == nullptr) known = FindCatalogueText(kScheduleTexts, text.key);
  if (known == nullptr) {
    qWarning("The catalogue has no text %.*s", static_cast<int>(text.key.size()), text.key.data());
    return Text(text.key);
  }
  // %1 to %9 in one pass, as QString::arg fills them: an argument's own "%2" stays as it is.
  const QString pattern = InProgramLanguage(*known);
  QString said;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const qsizetype place =
        i + 1 < pattern.size() && pattern[i] == u'%' ? pattern[i + 1].digitValue() : -1;
    if (place >= 1 && place <= static_cast<qsizetype>(text.arguments.size())) {
      said += Argument(text.arguments[place - 1], marks);
      ++i;
    } else {
      said += pattern[i];
    }
  }
  return said;
}

std::vector<const ReportLine*> LinesOf(const DesignReport& report, ReportPart part) {
  std::vector<const ReportLine*> lines;
  for (const ReportLine& line : report) {
    if (line.part == part) lines.push_back(&line);
  }
  return lines;
}

QString SaidOf(const DesignReport& report, ReportPart part) {
  const std::vector<const ReportLine*> lines = LinesOf(report, part);
  return lines.empty() ? QString() : Said(lines.front()->text);
}

QString ValueOf(const ReportLine& line) { return Text(line.value); }

}  // namespace coldesign
