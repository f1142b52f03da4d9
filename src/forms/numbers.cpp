// Number rounding, number text and the leading-number reader.
//
// Everything here is independent of the C locale: texts are built from
// std::to_chars digits and read back through a string without a decimal
// point, so a desktop locale with a decimal comma changes nothing.
#include "forms/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "forms/types.h"

namespace forms {

double roundHalfEven(double v) {
    // The default rounding mode (to nearest, ties to even) is never changed by
    // this program, so nearbyint rounds a half to the even neighbour.
    return std::nearbyint(v);
}

int16_t toInt16(double v) {
    const double r = roundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0)) throw OverflowError("Overflow");
    return static_cast<int16_t>(r);
}

int32_t toInt32(double v) {
    const double r = roundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw OverflowError("Overflow");
    return static_cast<int32_t>(r);
}

int32_t clampToInt32(double v, int32_t lo, int32_t hi) {
    if (std::isnan(v)) return lo;
    v = std::clamp(v, static_cast<double>(lo), static_cast<double>(hi));
    return static_cast<int32_t>(roundHalfEven(v));
}

namespace {

// The magnitude of v written without sign: plain digits when the decimal
// exponent lies in -4..precision-1, otherwise "d.dddE+xx". The digits are
// the exact binary value rounded to `precision` significant digits.
template <class T>
std::string magnitudeText(T v, int precision) {
    if (v == 0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
    const std::string sci(buf, res.ptr);  // "d.ddddde+xx"
    const auto ePos = sci.find('e');
    std::string digits;
    for (size_t i = 0; i < ePos; ++i)
        if (sci[i] >= '0' && sci[i] <= '9') digits += sci[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exp = std::atoi(sci.c_str() + ePos + 1);

    std::string out;
    if (exp < -4 || exp >= precision) {
        out.assign(1, digits[0]);
        if (digits.size() > 1) out.append(1, '.').append(digits, 1);
        const int a = std::abs(exp);
        out += exp < 0 ? "E-" : "E+";
        if (a < 10) out += '0';
        out += std::to_string(a);
    } else if (exp < 0) {
        out.assign(1, '.').append(static_cast<size_t>(-exp - 1), '0').append(digits);
    } else {
        const auto intLen = static_cast<size_t>(exp) + 1;
        if (digits.size() <= intLen) {
            out.assign(digits).append(intLen - digits.size(), '0');
        } else {
            out.assign(digits, 0, intLen).append(1, '.').append(digits, intLen);
        }
    }
    return out;
}

// The signed text: "-" for negative values, "" otherwise (-0 is written
// as 0).
std::string signedText(double v, bool single) {
    if (std::isnan(v)) return "NaN";
    if (single && std::isfinite(v) && std::fabs(v) > std::numeric_limits<float>::max())
        v = v < 0 ? -HUGE_VAL : HUGE_VAL;
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    std::string mag;
    bool negative = false;
    if (single) {
        const float f = static_cast<float>(v);
        negative = f < 0;
        mag = magnitudeText(std::fabs(f), 7);
    } else {
        negative = v < 0;
        mag = magnitudeText(std::fabs(v), 15);
    }
    // A value that rounds to zero at this precision cannot happen (rounding
    // keeps significant digits), so the sign always belongs to the digits.
    if (negative) mag.insert(mag.begin(), '-');
    return mag;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Builds the value of sign * 0.digits... from decimal digits and a decimal
// exponent applied to the integer formed by them, without a decimal point
// (locale-free), through strtod for correct rounding.
double decimalValue(bool negative, const std::string& digits, long exp10) {
    if (digits.empty()) return negative ? -0.0 : 0.0;
    exp10 = std::clamp(exp10, -100000L, 100000L);
    std::string text;
    if (negative) text.push_back('-');
    text.append(digits).append(1, 'e').append(std::to_string(exp10));
    return std::strtod(text.c_str(), nullptr);
}

// Accumulates an exponent, saturating far beyond any double's range.
void addExpDigit(long& e, char c) {
    if (e < 1000000) e = e * 10 + (c - '0');
}

}  // namespace

std::string shownNumber(double v, bool single) {
    std::string t = signedText(v, single);
    if (t[0] != '-') t.insert(t.begin(), ' ');
    return t;
}

std::string recordedNumber(double v, bool single) { return signedText(v, single); }

double leadingNumber(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i])) ++i;
    };
    skipBlanks();

    // &H hexadecimal or &O octal.
    if (i < n && text[i] == '&') {
        size_t j = i + 1;
        while (j < n && isBlank(text[j])) ++j;
        if (j < n) {
            const char k = static_cast<char>(text[j] | 0x20);
            const int base = k == 'h' ? 16 : k == 'o' ? 8 : 0;
            if (base != 0) {
                i = j + 1;
                double value = 0;
                for (;; ++i) {
                    skipBlanks();
                    if (i >= n) break;
                    const char c = text[i];
                    int d = -1;
                    if (isDigit(c)) d = c - '0';
                    else if (base == 16 && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') d = (c | 0x20) - 'a' + 10;
                    if (d < 0 || d >= base) break;
                    value = value * base + d;
                }
                return value;
            }
        }
        return 0;
    }

    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    long exp10 = 0;
    bool any = false;
    for (; skipBlanks(), i < n && isDigit(text[i]); ++i) {
        digits += text[i];
        any = true;
    }
    skipBlanks();
    if (i < n && text[i] == '.') {
        ++i;
        for (; skipBlanks(), i < n && isDigit(text[i]); ++i) {
            digits += text[i];
            --exp10;
            any = true;
        }
    }
    if (!any) return 0;
    skipBlanks();
    if (i < n) {
        const char e = static_cast<char>(text[i] | 0x20);
        if (e == 'e' || e == 'd') {
            size_t j = i + 1;
            while (j < n && isBlank(text[j])) ++j;
            bool expNegative = false;
            if (j < n && (text[j] == '-' || text[j] == '+')) {
                expNegative = text[j] == '-';
                ++j;
            }
            while (j < n && isBlank(text[j])) ++j;
            if (j < n && isDigit(text[j])) {
                long e10 = 0;
                for (; j < n && (isDigit(text[j]) || isBlank(text[j])); ++j)
                    if (isDigit(text[j])) addExpDigit(e10, text[j]);
                exp10 += expNegative ? -e10 : e10;
            }
        }
    }
    return decimalValue(negative, digits, exp10);
}

bool parseNumber(std::string_view text, double& out) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    size_t i = b;
    bool negative = false;
    if (i < e && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    long exp10 = 0;
    while (i < e && isDigit(text[i])) digits += text[i++];
    if (i < e && text[i] == '.') {
        ++i;
        while (i < e && isDigit(text[i])) {
            digits += text[i++];
            --exp10;
        }
    }
    if (digits.empty()) return false;
    if (i < e && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < e && (text[i] == '-' || text[i] == '+')) {
            expNegative = text[i] == '-';
            ++i;
        }
        if (i >= e || !isDigit(text[i])) return false;
        long e10 = 0;
        while (i < e && isDigit(text[i])) addExpDigit(e10, text[i++]);
        exp10 += expNegative ? -e10 : e10;
    }
    if (i != e) return false;
    out = decimalValue(negative, digits, exp10);
    return true;
}

}  // namespace forms
