// Conversions between the forms layer's plain values and Qt's: colours
// (red + 256 green + 65536 blue) and fonts (the window's font names mapped
// to the metric-compatible Liberation families installed here).
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "forms/types.h"

namespace forms {

// The colour as Qt paints it; only the low 24 bits count.
QColor toQColor(Color c);
Color fromQColor(const QColor& c);

// "Arial", "MS Sans Serif" and any name this system does not know (the
// program uses numbers such as "15" as face names) become Liberation Sans;
// "Arial Black" becomes Liberation Sans bold. Size is in points.
QString fontFamily(const std::string& name);
QFont toQFont(const Font& f);

inline QString toQString(const std::string& s) { return QString::fromStdString(s); }
inline std::string fromQString(const QString& s) { return s.toStdString(); }

}  // namespace forms
