// A picture box: a container with an optional persistent image (AutoRedraw)
// that the drawing operations paint into, a background Picture, and the
// windowless Lines and Shapes it holds painted over its image in order.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <string>
#include <vector>

#include "forms/control.h"

class QPainter;

namespace forms {

class PictureBox : public Control {
public:
    explicit PictureBox(std::string name, int index = -1);
    ~PictureBox() override;

    // AutoRedraw: drawing goes into a persistent image kept at the box's
    // pixel size; Image() snapshots it. Without AutoRedraw the image still
    // exists (drawing is kept), which only differs in when it is repainted.
    // The image is made when something is first drawn or Image() is first
    // asked for: until then the box shows (and Point() answers) its
    // background, BackColor with the Picture over it, so a panel never drawn
    // on holds no image.
    bool holdsImage() const { return !image_.isNull(); }
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool v) { autoRedraw_ = v; }
    // AutoSize: setting Picture resizes the box to the picture.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v) { autoSize_ = v; }

    // The background picture, drawn at its natural size at the top left.
    // Setting it (an empty image removes it) resets the persistent image to
    // BackColor with the picture over it.
    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& p);
    // What is drawn: background, picture and drawing, without the windowless
    // controls (a saved bitmap never shows the tool outline).
    QImage Image();

    // Setting BackColor clears the persistent image to it (as Cls does).
    void setBackColor(Color c) override;
    // ForeColor and the font are what the drawing calls use; the box itself
    // shows only its image, so changing them repaints nothing.
    void setForeColor(Color c) override { foreColor_ = c; }
    // Clears to BackColor and the Picture; CurrentX = CurrentY = 0.
    void Cls();

    void setWidth(float v) override;
    void setHeight(float v) override;

    // Drawing state. Coordinates of drawing calls are in the current scale:
    // twips (ScaleMode 1) or pixels (ScaleMode 3).
    int ScaleMode() const { return scaleMode_; }
    void setScaleMode(int m);
    int DrawWidth() const { return drawWidth_; }  // pixels
    void setDrawWidth(int w);
    int FillStyle() const { return fillStyle_; }  // 0 solid, 1 transparent
    void setFillStyle(int s) { fillStyle_ = s; }
    Color FillColor() const { return fillColor_; }
    void setFillColor(Color c) { fillColor_ = c; }
    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void setCurrentX(float v) { currentX_ = v; }
    void setCurrentY(float v) { currentY_ = v; }
    // The drawable width and height (whole pixels) in the current scale.
    float ScaleWidth() const;
    float ScaleHeight() const;

    // A line from (x1, y1) to (x2, y2) at DrawWidth in `color` (ForeColor
    // when -1); CurrentX/Y move to the end.
    void Line(float x1, float y1, float x2, float y2, Color color = -1);
    // A rectangle between two corners, outlined or filled, in `color`.
    void Box(float x1, float y1, float x2, float y2, Color color, bool filled);
    // An ellipse inside the given rectangle (left, top, width, height),
    // outlined or filled.
    void Ellipse(float x, float y, float w, float h, Color color, bool filled);
    // Prints one line of text at (CurrentX, CurrentY) in the box's font and
    // ForeColor, its top-left corner there; then CurrentX = 0 and CurrentY
    // moves one line down.
    void Print(const std::string& text);
    // The height of one printed line in the current scale.
    float TextHeight(const std::string& text) const;
    float TextWidth(const std::string& text) const;
    // Paints `pic` (its part sx, sy, sw, sh) stretched into dx, dy, dw, dh.
    // Destination in the current scale; source always in twips of the
    // source picture (15 twips a pixel), so a source control's Width and
    // Height pass as they are. Raster operation: copy. An empty picture
    // throws RuntimeError.
    void PaintPicture(const QImage& pic, float dx, float dy, float dw, float dh, float sx, float sy,
                      float sw, float sh);
    // The colour at a point (-1 outside the image).
    Color Point(float x, float y) const;
    void PSet(float x, float y, Color color);
    // Flood-fills the area of the colour at (x, y) with FillColor (surface
    // fill, 4-connected). Off the image, or when the fill colour already is
    // the colour there, nothing happens.
    void FloodFill(float x, float y);
    // Repaints now what changed since the widget was last painted: what was
    // drawn and where the Lines and Shapes moved.
    void Refresh();
    // Asks the widget to repaint where the Lines and Shapes changed since the
    // last call. Runs by itself once per event-loop turn after a change.
    void settleChildren();
    // Puts the Lines and Shapes above the box's labels and images and below
    // its windowed controls (after the controls' widgets were reordered).
    void restack();

    // The persistent image itself (made now if nothing was drawn yet), for
    // drawing code of the program that needs a QPainter (the replay, the
    // flood fill). Call Refresh() after. What is drawn through it is kept
    // when the box is resized.
    QImage& canvas();

    // Paints what the box shows in `region` (its pixels): the image, or the
    // background while nothing was drawn, and BackColor beyond the image.
    void paint(QPainter& p, const QRegion& region) const;

    // Converts a coordinate of the current scale into (fractional) pixels.
    double toPixels(float v) const;
    // The pixel a point of the current scale is drawn at: each coordinate
    // in pixels rounded with lround. Every drawing operation maps its points
    // through this, so a replay that uses it lands on the same pixels.
    QPoint toPixel(float x, float y) const;

    void copyFrom(const Control& other) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;
    void childAttached(Control& child) override;
    void syncFont() override {}
    void updateArea(const QRegion& r) override;
    void childAreaChanged(Control& child) override;
    void childAreaDropped(Control& child) override;

private:
    // The persistent image, made (as the background) when first needed.
    QImage& drawingImage();
    // Sizes the persistent image, if there is one, to the box: the
    // background with what was drawn kept at the top left.
    void resizeImage();
    // Resets the persistent image to the background.
    void clearImage();
    // Paints BackColor with the Picture over it in `r` (pixels).
    void paintBackground(QPainter& p, const QRect& r) const;
    // The part `r` of the background as an image of its own.
    QImage backgroundPart(const QRect& r) const;
    // The part of the image the box shows (its model size in pixels).
    QRect drawableRect() const;
    bool autoRedraw_ = false, autoSize_ = false;
    QImage picture_;
    QImage image_;  // null until something is drawn or Image() is asked for
    int scaleMode_ = kScaleTwips;
    int drawWidth_ = 1;
    int fillStyle_ = 1;
    Color fillColor_ = 0;
    float currentX_ = 0, currentY_ = 0;
    bool drawn_ = false;  // something was drawn since the last reset
    std::vector<Control*> changedChildren_;  // changed, not settled yet
    bool settleQueued_ = false;              // settleChildren() is on its way
};

}  // namespace forms
