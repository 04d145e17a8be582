#include "ui/platform_canvas.h"

#include <QLineF>
#include <QPainter>

namespace kurobi {
namespace {

// Aliased, with a cosmetic one-pixel pen, QPainter covers the pixels from left to left + width
// inclusive; a shape of (left, top, right, bottom) therefore gets the width right - left - 1.
QRect ShapeRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

class CanvasPainter : public QPainter {
  public:
    CanvasPainter(QImage& image, const QColor& pen, const QColor& brush) : QPainter(&image) {
        setRenderHint(QPainter::Antialiasing, false);
        QPen onePixel(pen);
        onePixel.setWidth(1);
        onePixel.setCosmetic(true);
        setPen(onePixel);
        setBrush(brush);
    }
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

bool GdiCanvas::Resize(QSize size) {
    if (size == image_.size()) return false;
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    return true;
}

void GdiCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top || image_.isNull()) return;
    CanvasPainter(image_, pen_, brush_).drawRect(ShapeRect(left, top, right, bottom));
}

void GdiCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top || image_.isNull()) return;
    CanvasPainter(image_, pen_, brush_).drawEllipse(ShapeRect(left, top, right, bottom));
}

void GdiCanvas::LineTo(int x, int y) {
    QLineF line(position_, QPoint(x, y));
    position_ = {x, y};
    if (line.length() < 1 || image_.isNull()) return;
    line.setLength(line.length() - 1);
    CanvasPainter(image_, pen_, brush_).drawLine(line);
}

}  // namespace kurobi
