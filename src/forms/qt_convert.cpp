#include "forms/qt_convert.h"

#include <algorithm>
#include <cctype>

namespace forms {

QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

Color fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return s;
}

}  // namespace

QString fontFamily(const std::string& name) {
    const std::string n = lower(name);
    if (n == "times new roman" || n == "times") return QStringLiteral("Liberation Serif");
    if (n == "courier new" || n == "courier") return QStringLiteral("Liberation Mono");
    // Arial, Arial Black, MS Sans Serif and every unknown name.
    return QStringLiteral("Liberation Sans");
}

QFont toQFont(const Font& f) {
    QFont font(fontFamily(f.Name));
    font.setPointSizeF(f.Size > 0 ? f.Size : 8.25);
    font.setBold(f.Bold || lower(f.Name) == "arial black");
    return font;
}

}  // namespace forms
