// Windowless controls: Line and Shape. They have no widget; the picture box
// that holds them paints them over its image, in the order they were
// created, and they never become part of its Image().
#pragma once

#include <QRect>

#include "forms/control.h"

class QPainter;

namespace forms {

class Line : public Control {
public:
    explicit Line(std::string name, int index = -1);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setX1(float v);
    void setY1(float v);
    void setX2(float v);
    void setY2(float v);

    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int BorderWidth() const { return borderWidth_; }  // pixels
    void setBorderWidth(int w);
    // 1 solid (default), 3 dotted.
    int LineStyle() const { return lineStyle_; }
    void setLineStyle(int s);

    void copyFrom(const Control& other) override;

    // Paints the line on its container's surface (pixels = twips / 15).
    void paint(QPainter& p) const;
    // The pixels the line may cover, in its container's pixels.
    QRect area() const override;

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = 0;
    int borderWidth_ = 1, lineStyle_ = 1;
};

class Shape : public Control {
public:
    explicit Shape(std::string name, int index = -1);

    // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle.
    int ShapeKind() const { return shape_; }
    void setShapeKind(int s);
    // 0 solid, 1 transparent (default), 7 diagonal cross.
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int s);
    Color FillColor() const { return fillColor_; }
    void setFillColor(Color c);
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    // 1 solid (default), 3 dotted.
    int LineStyle() const { return lineStyle_; }
    void setLineStyle(int s);

    void copyFrom(const Control& other) override;

    // Paints the shape on its container's surface (pixels = twips / 15).
    void paint(QPainter& p) const;
    // The pixels the shape may cover, in its container's pixels.
    QRect area() const override;

private:
    int shape_ = 0, fillStyle_ = 1;
    Color fillColor_ = 0, borderColor_ = 0;
    int borderWidth_ = 1, lineStyle_ = 1;
};

}  // namespace forms
