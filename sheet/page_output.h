#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QTextLayout>

namespace coldesign {

inline constexpr qreal kPointsPerInch = 72;

// Where a page's shapes and laid-out text go, in the pixels of the device it is laid out for.
class PageOutput {
 public:
  PageOutput() = default;
  PageOutput(const PageOutput&) = delete;
  PageOutput& operator=(const PageOutput&) = delete;
  virtual ~PageOutput() = default;

  // The device whose resolution sets the fonts' pixel sizes.
  virtual QPaintDevice& layoutDevice() = 0;
  virtual void fill(const QPainterPath& path, const QColor& colour) = 0;
  virtual void stroke(const QPainterPath& path, const QPen& pen) = 0;
  // Text laid out for layoutDevice(), its layout's origin at `position`.
  virtual void text(const QTextLayout& layout, QPointF position, const QColor& colour) = 0;
};

// A page painted with a painter: a printer, a print preview, an image.
class PainterPageOutput final : public PageOutput {
 public:
  explicit PainterPageOutput(QPainter& painter);

  QPaintDevice& layoutDevice() override { return *painter_.device(); }
  void fill(const QPainterPath& path, const QColor& colour) override;
  void stroke(const QPainterPath& path, const QPen& pen) override;
  void text(const QTextLayout& layout, QPointF position, const QColor& colour) override;

 private:
  QPainter& painter_;
};

}  // namespace coldesign
