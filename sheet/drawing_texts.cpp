#include "sheet/drawing_texts.h"

#include <QStringList>

#include "translations/texts.h"

namespace coldesign {
namespace {

QString Figure(const std::string& figure) { return QString::fromStdString(figure); }

QString Marks(const DrawingText& text) {
  QStringList marks;
  for (const std::string& mark : text.figures) marks.push_back(Figure(mark));
  return marks.join(InProgramLanguage(kListSeparator));
}

}  // namespace

QString DrawingTextWords(const DrawingText& text, bool isolated) {
  const auto figure = [&text, isolated](std::size_t i) {
    const QString figure = i < text.figures.size() ? Figure(text.figures[i]) : QString();
    return isolated ? u'\u2066' + figure + u'\u2069' : figure;
  };
  switch (text.words) {
    case DrawingWords::Figures:
      return figure(0);
    case DrawingWords::Marks:
      return Marks(text);
    case DrawingWords::SomeMarks:
      return Marks(text) + InProgramLanguage(kListSeparator) + u'…';
    case DrawingWords::Count:
      return Texts::tr("العدد %1", "drawing.count").arg(figure(0));
    case DrawingWords::Tie:
      return Texts::tr("كانة %1", "drawing.tie").arg(figure(0));
    case DrawingWords::TooLarge:
      return TooLargeStatus();
    case DrawingWords::BarsDoNotFit:
      return Texts::tr("لا تتسع الأسياخ", "drawing.bars-do-not-fit");
    case DrawingWords::Title:
      return ScheduleTitle();
    case DrawingWords::Materials:
      return Texts::tr("الخرسانة %1، الحديد %2، الغطاء %3، الكانات %4", "drawing.materials")
          .arg(figure(0), figure(1), figure(2), figure(3));
    case DrawingWords::Scale:
      return Texts::tr("مقياس الرسم %1، المقاسات بالسنتيمتر", "drawing.scale").arg(figure(0));
    case DrawingWords::Date:
      return Texts::tr("التاريخ %1", "drawing.date").arg(figure(0));
    case DrawingWords::TypeCaption:
      return TypeTitle();
    case DrawingWords::LevelsCaption:
      return LevelsTitle();
  }
  return {};
}

}  // namespace coldesign
