#include "skin/skin_label.h"

#include <QGlyphRun>
#include <QPainter>
#include <QStyle>
#include <QTextCharFormat>
#include <QTextLayout>
#include <algorithm>

#include "skin/latin_runs.h"

namespace coldesign {
namespace {

// The ink of a line laid out at the origin: x from the line's start, y from its baseline.
QRectF InkOf(const QTextLine& line) {
  QRectF ink;
  for (const QGlyphRun& run : line.glyphRuns()) {
    ink = ink.united(run.boundingRect());
  }
  return ink.translated(0, -line.ascent());
}

// Where the ink of width `ink_width` starts in `area` for the horizontal part of `alignment`.
qreal InkLeft(const QRect& area, qreal ink_width, Qt::Alignment alignment) {
  if (alignment.testFlag(Qt::AlignRight)) {
    return area.left() + area.width() - ink_width;
  }
  if (alignment.testFlag(Qt::AlignHCenter)) {
    return area.left() + ((area.width() - ink_width) / 2);
  }
  return area.left();
}

// The Latin words of `text` in `font` with its family replaced by `latin_family`.
QList<QTextLayout::FormatRange> LatinWordFormats(const QString& text, const QFont& font,
                                                 const QString& latin_family) {
  QFont latin_font = font;
  latin_font.setFamily(latin_family);
  QTextCharFormat format;
  format.setFont(latin_font);
  QList<QTextLayout::FormatRange> formats;
  for (const TextRun& run : LatinRuns(text)) {
    formats.append({.start = static_cast<int>(run.start),
                    .length = static_cast<int>(run.length),
                    .format = format});
  }
  return formats;
}

}  // namespace

SkinLabel::SkinLabel(const QString& text, const QFont& font, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFont(font);
  setText(text);
}

void SkinLabel::setLatinFamily(const QString& family) {
  latin_family_ = family;
  update();
}

void SkinLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  drawFrame(&painter);
  // The ink keeps a pixel clear of the box, where antialiasing would be cut.
  const QRect area = contentsRect().adjusted(1, 1, -1, -1);
  QTextLayout layout(text(), font(), this);
  QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
  // Each text reads in the direction of its first letter, so "(ton)" followed by Arabic reads
  // as written; the box's alignment follows the window.
  option.setTextDirection(Qt::LayoutDirectionAuto);
  option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setTextOption(option);
  if (!latin_family_.isEmpty()) {
    layout.setFormats(LatinWordFormats(text(), font(), latin_family_));
  }
  QList<QTextLine> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(area.width());
    line.setPosition({0, 0});
    lines.append(line);
  }
  layout.endLayout();
  if (lines.isEmpty()) {
    return;
  }

  const QRectF first = InkOf(lines.front());
  const QRectF last = InkOf(lines.back());
  const auto gaps = static_cast<qreal>(lines.size() - 1);
  qreal step = fontMetrics().lineSpacing();
  if (gaps > 0) {
    step = std::min(step, (area.height() - last.bottom() + first.top()) / gaps);
  }
  const qreal ink_height = (step * gaps) + last.bottom() - first.top();
  const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
  qreal ink_top = area.top() + ((area.height() - ink_height) / 2);
  if (alignment.testFlag(Qt::AlignTop)) {
    ink_top = area.top();
  } else if (alignment.testFlag(Qt::AlignBottom)) {
    ink_top = area.top() + area.height() - ink_height;
  }

  painter.setPen(palette().color(foregroundRole()));
  qreal baseline = ink_top - first.top();
  for (const QTextLine& line : lines) {
    const QRectF ink = InkOf(line);
    const qreal squeeze = ink.width() > area.width() ? area.width() / ink.width() : 1.0;
    painter.save();
    painter.translate(InkLeft(area, ink.width() * squeeze, alignment), baseline);
    painter.scale(squeeze, 1.0);
    line.draw(&painter, {-ink.left(), -line.ascent()});
    painter.restore();
    baseline += step;
  }
}

}  // namespace coldesign
