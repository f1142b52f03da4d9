// The grid: dotted lines across the canvas through the home point, one
// every GridDistance twips in each direction. Line4 holds the vertical
// lines, Line5 the horizontal ones; members 0 and 1 of each are hidden
// templates that the grid never touches.
#include <vector>

#include "forms/types.h"
#include "tool/grid_lines.h"
#include "window/form1.h"

namespace {

// Removes every member past the two templates.
void removeLines(forms::ControlArray<forms::Line>& lines) {
    std::vector<int> built;
    for (const auto& [index, member] : lines)
        if (index >= 2) built.push_back(index);
    for (int index : built) lines.Unload(index);
}

}  // namespace

void Form1::GridMaker() {
    // Positions first: a grid that cannot be built leaves the old one alone.
    const double width = Picture4->Width(), height = Picture4->Height();
    const std::vector<double> xs = grid::linePositions(HomeX, width, GridDistance);
    const std::vector<double> ys = grid::linePositions(HomeY, height, GridDistance);

    removeLines(Line4);
    removeLines(Line5);

    // New members copy the templates and stay hidden until the grid is shown.
    int index = 2;
    for (double x : xs) {
        forms::Line& line = Line4.Load(index++);
        line.setX1(static_cast<float>(x));
        line.setY1(0);
        line.setX2(static_cast<float>(x));
        line.setY2(static_cast<float>(height));
    }
    index = 2;
    for (double y : ys) {
        forms::Line& line = Line5.Load(index++);
        line.setY1(static_cast<float>(y));
        line.setX1(0);
        line.setY2(static_cast<float>(y));
        line.setX2(static_cast<float>(width));
    }
    if (Line4.Exists(2)) Line4(2).setBorderColor(forms::rgb(255, 255, 0));
    if (Line5.Exists(2)) Line5(2).setBorderColor(forms::rgb(255, 255, 0));
}
