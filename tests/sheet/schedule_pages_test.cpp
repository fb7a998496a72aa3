// The schedule's PDF pages read back with poppler as a reader of the file would: a mark reads in
// its own order whatever it holds, on its own row.

#include "sheet/schedule_pages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <ostream>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString PdfText(const Schedule& schedule) {
  const QTemporaryDir dir;
  QFile file(dir.filePath(u"schedule.pdf"_s));
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(SchedulePdf(schedule));
  file.close();
  QProcess process;
  process.start(u"pdftotext"_s, {u"-layout"_s, file.fileName(), u"-"_s});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct MarkCase {
  const char* name;
  std::string mark;
  QString reads;
};

void PrintTo(const MarkCase& mark, std::ostream* out) { *out << mark.name; }

class ScheduleMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(ScheduleMarks, ReadInTheirOwnOrder) {
  const MarkCase& mark = GetParam();
  const Schedule schedule =
      DesignSchedule({{mark.mark, "100", 2, 1}, {"C2", "50", 1, 1}}, DesignMaterials{}, 3);
  const QString text = PdfText(schedule);

  EXPECT_TRUE(text.contains(mark.reads)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Marks, ScheduleMarks,
                         ::testing::Values(MarkCase{"hyphen", "C1-evil", u"C1-evil"_s},
                                           MarkCase{"override", "\u202EC1-evil", u"C1-evil"_s},
                                           MarkCase{"isolate_end", "\u2069C1-evil", u"C1-evil"_s},
                                           MarkCase{"line_break", "A\nB", u"A\u240AB"_s},
                                           MarkCase{"minus_first", "-5", u"-5"_s}),
                         [](const ::testing::TestParamInfo<MarkCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace coldesign
