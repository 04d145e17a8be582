#pragma once
// A drawing surface with the semantics the board drawing is written against: a current pen
// (always one pixel wide) and brush, shapes given as (left, top, right, bottom) whose right and
// bottom edges are excluded, and lines whose end point is not drawn. Backed by an image that
// keeps what was drawn until something draws over it. Coordinates are logical pixels; the image
// has the screen's device pixels, so that on a high-density screen the same shapes are drawn
// at its full resolution instead of enlarged.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>

namespace kurobi {

// A colour as 0x00BBGGRR, the way the game state and the settings file hold colours.
using ColorRef = uint32_t;

QColor ToQColor(ColorRef color);
ColorRef ToColorRef(const QColor& color);

class GdiCanvas {
  public:
    // PixelRatio() device pixels to each logical pixel in either direction.
    const QImage& Image() const { return image_; }
    QSize Size() const { return size_; }
    qreal PixelRatio() const { return image_.devicePixelRatio(); }

    // A new size or pixel ratio wipes the surface to transparent, as a resized window surface
    // loses its picture; the same ones leave it alone. Returns whether anything changed.
    bool Resize(QSize size, qreal pixelRatio = 1);

    void SetPenColor(ColorRef color) { pen_ = ToQColor(color); }
    void SetBrushColor(ColorRef color) { brush_ = ToQColor(color); }

    // Outlined with the pen over its outermost pixels, filled with the brush inside.
    void Rectangle(int left, int top, int right, int bottom);
    // The ellipse inscribed in the rectangle, outlined with the pen and filled with the brush.
    void Ellipse(int left, int top, int right, int bottom);
    void MoveTo(int x, int y) { position_ = {x, y}; }
    // A pen line from the current position up to, but not including, (x, y), which becomes the
    // current position.
    void LineTo(int x, int y);

  private:
    QSize size_;
    QImage image_;
    QColor pen_ = Qt::black;
    QColor brush_ = Qt::white;
    QPoint position_;
};

}  // namespace kurobi
