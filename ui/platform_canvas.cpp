#include "ui/platform_canvas.h"

#include <QLineF>
#include <QPainter>
#include <QtMath>

namespace kurobi {
namespace {

// The pen is one logical pixel wide. At ratio 1 it is Qt's aliased cosmetic pen, which covers
// the pixels from left to left + width inclusive: a shape of (left, top, right, bottom) gets the
// width right - left - 1. At higher ratios a pen of one logical pixel is stroked along the middle
// of the shape's outermost pixels, which gives the same bounds at the full resolution.
class CanvasPainter : public QPainter {
  public:
    CanvasPainter(QImage& image, const QColor& pen, const QColor& brush) : QPainter(&image) {
        setRenderHint(QPainter::Antialiasing, false);
        QPen onePixel(pen);
        onePixel.setWidth(1);
        if (Cosmetic()) {
            onePixel.setCosmetic(true);
        } else {
            onePixel.setCapStyle(Qt::SquareCap);
            onePixel.setJoinStyle(Qt::MiterJoin);
        }
        setPen(onePixel);
        setBrush(brush);
    }

    QRectF ShapeRect(int left, int top, int right, int bottom) const {
        return QRectF(left, top, right - left - 1, bottom - top - 1).translated(Offset());
    }
    // From `from` up to the last pixel before `to`.
    QLineF Line(QPoint from, QPoint to) const {
        QLineF line(from, to);
        line.setLength(line.length() - 1);
        return line.translated(Offset());
    }

  private:
    bool Cosmetic() const { return device()->devicePixelRatio() == 1; }
    QPointF Offset() const { return Cosmetic() ? QPointF() : QPointF(0.5, 0.5); }
};

}  // namespace

QColor ToQColor(ColorRef color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

ColorRef ToColorRef(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorRef>(rgb.red()) | static_cast<ColorRef>(rgb.green()) << 8 |
           static_cast<ColorRef>(rgb.blue()) << 16;
}

bool GdiCanvas::Resize(QSize size, qreal pixelRatio) {
    if (size == size_ && pixelRatio == PixelRatio()) return false;
    size_ = size;
    image_ = QImage(qCeil(size.width() * pixelRatio), qCeil(size.height() * pixelRatio),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(pixelRatio);
    image_.fill(Qt::transparent);
    return true;
}

void GdiCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top || image_.isNull()) return;
    CanvasPainter painter(image_, pen_, brush_);
    painter.drawRect(painter.ShapeRect(left, top, right, bottom));
}

void GdiCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top || image_.isNull()) return;
    CanvasPainter painter(image_, pen_, brush_);
    painter.drawEllipse(painter.ShapeRect(left, top, right, bottom));
}

void GdiCanvas::LineTo(int x, int y) {
    const QPoint from = position_;
    position_ = {x, y};
    if (QLineF(from, position_).length() < 1 || image_.isNull()) return;
    CanvasPainter painter(image_, pen_, brush_);
    painter.drawLine(painter.Line(from, position_));
}

}  // namespace kurobi
