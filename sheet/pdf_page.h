#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QRawFont>
#include <QSizeF>
#include <QString>
#include <vector>

#include "sheet/page_output.h"
#include "sheet/pdf_fonts.h"

namespace coldesign {

// A page laid out at a printer's resolution that has no printer behind it.
class PdfLayoutDevice final : public QPaintDevice {
 public:
  PdfLayoutDevice(QSizeF points, int dots_per_inch);
  [[nodiscard]] QPaintEngine* paintEngine() const override { return nullptr; }
  [[nodiscard]] QSizeF points() const { return points_; }
  [[nodiscard]] int dotsPerInch() const { return dots_per_inch_; }

 protected:
  [[nodiscard]] int metric(PaintDeviceMetric metric) const override;

 private:
  QSizeF points_;
  int dots_per_inch_;
};

struct PdfInfo {
  QString title;
  QString creator;
  QDateTime created = QDateTime::currentDateTimeUtc();
};

// Pages written straight as a PDF file: shapes as paths, text as the glyphs it was laid out
// with, in subsets of its TrueType fonts embedded with a map from each glyph to the letters it
// stands for, so that the text can be searched and copied.
class PdfPage final : public PageOutput {
 public:
  PdfPage(QSizeF points, int dots_per_inch);

  QPaintDevice& layoutDevice() override { return device_; }
  void fill(const QPainterPath& path, const QColor& colour) override;
  void stroke(const QPainterPath& path, const QPen& pen) override;
  void text(const QTextLayout& layout, QPointF position, const QColor& colour) override;

  // Ends the page drawn so far; what is drawn next goes on a new page of the same size, or of
  // `points`.
  void newPage();
  void newPage(QSizeF points);

  // The whole file; empty when a font of the pages cannot be embedded.
  [[nodiscard]] QByteArray document(const PdfInfo& info) const;

 private:
  // One run of glyphs of one font, as the layout gives it: a word, or the blanks between words.
  void glyphRun(const QGlyphRun& run, QPointF position, const QColor& colour);
  void appendPath(const QPainterPath& path);

  PdfLayoutDevice device_;
  std::vector<QByteArray> finished_pages_;
  std::vector<QSizeF> page_sizes_;  // of every page, the one being drawn last
  QByteArray content_;              // of the page being drawn
  PdfFonts fonts_;
};

}  // namespace coldesign
