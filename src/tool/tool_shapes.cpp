// The tool cross and its outlines: headings, the orbit about the virtual
// centre, resizing an arm, the home position and the outline builders.
#include <cmath>

#include "forms/numbers.h"
#include "logo/ellipse_outline.h"
#include "tool/geometry.h"
#include "window/form1.h"

std::array<double, 2> Form1::Repos(double x, double y, double Dir, double Length) const {
    return tool::repos(x, y, Dir, Length, Pi);
}

int16_t Form1::AngleFinder(double OriX, double OriY, double PointX, double PointY) const {
    return tool::angleFinder(OriX, OriY, PointX, PointY);
}

std::array<double, 4> Form1::RSizer(double X1, double Y1, double X2, double Y2, double D) const {
    return tool::rSizer(X1, Y1, X2, Y2, D);
}

void Form1::RotateAround1(double Rstep) {
    ToolX = static_cast<float>((Line1->X2() + Line1->X1()) / 2.0f);
    ToolY = (static_cast<double>(Line1->Y2()) + Line1->Y1()) / 2;
    // Offsets of the eight arm coordinates from the centre; the arms are
    // carried along unturned.
    const double off[8] = {Line1->X1() - ToolX, Line1->Y1() - ToolY, Line1->X2() - ToolX,
                           Line1->Y2() - ToolY, Line2->X1() - ToolX, Line2->Y1() - ToolY,
                           Line2->X2() - ToolX, Line2->Y2() - ToolY};
    TurnDir = AngleFinder(ToolX, ToolY, VirtualCenterX, VirtualCenterY);
    TurnDir = TurnDir + Rstep - 180;
    TurnLength = std::sqrt((ToolY - VirtualCenterY) * (ToolY - VirtualCenterY) +
                           (ToolX - VirtualCenterX) * (ToolX - VirtualCenterX));
    const auto centre = Repos(VirtualCenterX, VirtualCenterY, TurnDir, TurnLength);
    ToolX = centre[0];
    ToolY = centre[1];
    Line1->setX1(static_cast<float>(ToolX + off[0]));
    Line1->setY1(static_cast<float>(ToolY + off[1]));
    Line1->setX2(static_cast<float>(ToolX + off[2]));
    Line1->setY2(static_cast<float>(ToolY + off[3]));
    Line2->setX1(static_cast<float>(ToolX + off[4]));
    Line2->setY1(static_cast<float>(ToolY + off[5]));
    Line2->setX2(static_cast<float>(ToolX + off[6]));
    Line2->setY2(static_cast<float>(ToolY + off[7]));
}

void Form1::PlaceCrossAtHome() {
    // Line1 left to right and Line2 top to bottom through the home point,
    // each ToolLength long.
    Line1->setX1(static_cast<float>(HomeX - ToolLength / 2));
    Line1->setY1(static_cast<float>(HomeY));
    Line1->setX2(static_cast<float>(HomeX + ToolLength / 2));
    Line1->setY2(static_cast<float>(HomeY));
    Line2->setX1(HomeX);
    Line2->setY1(static_cast<float>(HomeY - ToolLength / 2));
    Line2->setX2(HomeX);
    Line2->setY2(static_cast<float>(HomeY + ToolLength / 2));
}

void Form1::BringToolHome() {
    ToolLength = 1000;
    PlaceCrossAtHome();
    Shape5->setHeight(static_cast<float>(ToolLength));
    Shape5->setWidth(static_cast<float>(ToolLength));
}

void Form1::MakeBox() {
    // The four sides join the arm ends in the order Line1 first end, Line2
    // second end, Line1 second end, Line2 first end.
    const float px[4] = {Line1->X1(), Line2->X2(), Line1->X2(), Line2->X1()};
    const float py[4] = {Line1->Y1(), Line2->Y2(), Line1->Y2(), Line2->Y1()};
    for (int i = 0; i < 4; ++i) {
        forms::Line& side = Side(i);
        side.setX1(px[i]);
        side.setY1(py[i]);
        side.setX2(px[(i + 1) % 4]);
        side.setY2(py[(i + 1) % 4]);
    }
}

void Form1::MakeAllToolsVisibleFalse() {
    Line2->setVisible(false);
    Line1->setVisible(false);
    for (int i = 0; i <= 3; ++i) Side(i).setVisible(false);
    for (auto& [index, member] : Eli) member->setVisible(false);
    Text1->setVisible(false);
    Shape2->setVisible(false);
    Shape5->setVisible(false);
    Picture5->setVisible(false);
    Picture7->setVisible(false);
    Picture9->setVisible(false);
    Picture12->setVisible(false);
}

void Form1::EllipseMaker(float CX, float CY, float W, float H, float Angle) {
    const auto points = logo::ellipsePoints(CX, CY, W, H, Angle);
    for (int k = 1; k <= logo::kEllipseSegments; ++k) {
        if (!Eli.Exists(k)) Eli.Load(k);
        forms::Line& seg = Eli(k);
        // Eli(k) joins P(k - 1) and P(k); Eli(1) closes the outline from P(1)
        // to P(50).
        const auto& from = k == 1 ? points[0] : points[k - 2];
        const auto& to = k == 1 ? points[49] : points[k - 1];
        seg.setX1(from.first);
        seg.setY1(from.second);
        seg.setX2(to.first);
        seg.setY2(to.second);
        seg.setVisible(true);
    }
    LastPointX = points[49].first;
    LastPointY = points[49].second;
}
