// Fits the settings panel's contents into their holders: the holders' contents
// as columns of rows, grown from the innermost holder out, fitted from the
// panel in.
#include "window/panel_fit.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace layout {

namespace {

using Row = std::vector<Rect*>;      // controls side by side
using Column = std::vector<Row>;     // rows from the top down

struct Holder {
    Rect* box;
    std::vector<Column> columns;
    bool grows = true;  // the panel itself keeps its size
};

double top(const Row& row) {
    double t = row.front()->Top;
    for (const Rect* r : row) t = std::min(t, double(r->Top));
    return t;
}

double bottom(const Row& row) {
    double b = double(row.front()->Top) + row.front()->Height;
    for (const Rect* r : row) b = std::max(b, double(r->Top) + r->Height);
    return b;
}

// What each holder needs, found innermost first; a control that holds nothing
// needs its own height.
class Needs {
public:
    double of(const Rect* r) const {
        for (const auto& [holder, need] : found_)
            if (holder == r) return need;
        return r->Height;
    }

    // The least height that holds every column's rows one below the other,
    // each member at its own offset in its row and at its own need.
    double of(const Holder& h) {
        double most = 0;
        for (const Column& column : h.columns) {
            double sum = 0;
            for (const Row& row : column) {
                double tallest = 0;
                for (const Rect* r : row) tallest = std::max(tallest, r->Top - top(row) + of(r));
                sum += tallest;
            }
            most = std::max(most, sum);
        }
        found_.push_back({h.box, most});
        return most;
    }

private:
    std::vector<std::pair<const Rect*, double>> found_;
};

// Keeps the span [pos, pos + len) inside [0, end): it moves back by as little
// as it must, and is shortened only when it is longer than end.
void fitSpan(float& pos, float& len, float end) {
    if (len > end) {
        pos = 0;
        len = std::max(end, 0.0f);
        return;
    }
    // A float subtraction may round up by a hair: step down until it fits.
    while (double(pos) + len > end) pos = std::min(end - len, std::nextafter(pos, -HUGE_VALF));
    if (pos < 0) pos = 0;
}

// Moves a row down by `by` (up if negative), each member kept inside [0, end).
void shift(Row& row, double by, double end) {
    for (Rect* r : row) {
        r->Top = static_cast<float>(r->Top + by);
        fitSpan(r->Top, r->Height, static_cast<float>(end));
    }
}

// Fits a column into a holder `height` high. From its lowest row up, each row
// ends at most where the row below it begins; then, from the top down, a row
// that the holder's top stopped pushes the rows below it down again. A row
// that finds no room stands over its neighbour, and one taller than the holder
// shrinks to it (neither happens once the holder has grown to its need).
void fitColumn(Column& column, float height) {
    double limit = height;
    for (auto row = column.rbegin(); row != column.rend(); ++row) {
        const double t = top(*row), b = bottom(*row);
        const double end = std::min(double(height), std::max(limit, b - t));
        if (t < 0 || b > end) shift(*row, std::min(end - b, 0.0), end);
        limit = top(*row);
    }
    double above = 0;
    for (Row& row : column) {
        if (top(row) < above) shift(row, above - top(row), height);
        above = bottom(row);
    }
}

void fit(Holder& h) {
    for (Column& column : h.columns) {
        for (Row& row : column)
            for (Rect* r : row) fitSpan(r->Left, r->Width, h.box->Width);
        fitColumn(column, h.box->Height);
    }
}

}  // namespace

void fitSettingsPanel(StripsAndSettings& s, float panelWidth, float panelHeight) {
    Rect panel{0, 0, panelWidth, panelHeight};
    auto alone = [](Rect& r) { return Column{Row{&r}}; };
    Row toolSize;
    for (Rect& b : s.Command4) toolSize.push_back(&b);

    // Innermost first: a frame's need comes from its controls before
    // Picture16's comes from its frames.
    std::vector<Holder> holders = {
        {&s.Frame1, {alone(s.HScroll3)}},
        {&s.Frame2, {alone(s.HScroll4)}},
        {&s.Frame3, {alone(s.HScroll5)}},
        {&s.Frame4, {Column{toolSize}}},
        {&s.Frame5, {alone(s.Text3)}},
        {&s.Frame7, {Column{Row{&s.Command6[0], &s.Command6[1]}}}},
        {&s.Frame6, {Column{Row{&s.Label9, &s.Text4}, Row{&s.Command6[2]}}}},
        {&s.Frame8, {Column{Row{&s.Command8[0]}, Row{&s.Command8[1]}, Row{&s.Command8[2]}}}},
        {&s.Picture16, {Column{Row{&s.Frame5}, Row{&s.Frame7}}, alone(s.Frame6), alone(s.Frame8)}},
        {&panel,
         {Column{Row{&s.Frame1}, Row{&s.Frame3}}, Column{Row{&s.Frame2}, Row{&s.Frame4}}, alone(s.Picture14),
          alone(s.Picture15), alone(s.Picture16)},
         false},
    };
    Needs needs;
    for (Holder& h : holders) {
        const double least = needs.of(h);
        if (!h.grows || least <= h.box->Height) continue;
        h.box->Height = static_cast<float>(least);
        if (h.box->Height < least) h.box->Height = std::nextafter(h.box->Height, HUGE_VALF);
    }
    for (auto h = holders.rbegin(); h != holders.rend(); ++h) fit(*h);
}

}  // namespace layout
