// Writing and reading the recorded command lines.
#include "logo/command.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "forms/numbers.h"

namespace logo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return isBlank(c) || c == '\r' || c == '\n'; }

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isLineEnd(s.back())) s.remove_suffix(1);
    return s;
}
std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isLineEnd(s.front())) s.remove_prefix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Recorded numbers are single precision: a number beyond its range is no
// number of a command (it could not be written back).
bool readNumber(std::string_view text, double& out) {
    return forms::parseNumber(text, out) && std::isfinite(out) &&
           std::abs(out) <= static_cast<double>(std::numeric_limits<float>::max());
}

// A colour: decimal digits only, 0 to &HFFFFFF.
bool readColor(std::string_view text, int32_t& out) {
    if (text.empty() || text.size() > 8) return false;
    int32_t v = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        v = v * 10 + (ch - '0');
    }
    if (v > 0xFFFFFF) return false;
    out = v;
    return true;
}

// Takes one "(number)" from the front of `rest`, blanks before it skipped.
bool takeBracketed(std::string_view& rest, double& out) {
    rest = trimLeft(rest);
    if (rest.empty() || rest.front() != '(') return false;
    const auto close = rest.find(')');
    if (close == std::string_view::npos) return false;
    if (!readNumber(rest.substr(1, close - 1), out)) return false;
    rest.remove_prefix(close + 1);
    return true;
}

// Takes one "(number)" from the back of `rest`, blanks after it skipped.
bool takeBracketedBack(std::string_view& rest, double& out) {
    rest = trimRight(rest);
    if (rest.empty() || rest.back() != ')') return false;
    const auto open = rest.rfind('(');
    if (open == std::string_view::npos) return false;
    if (!readNumber(rest.substr(open + 1, rest.size() - open - 2), out)) return false;
    rest = rest.substr(0, open);
    return true;
}

// The body of a WRITERGB line, between its first and last double quote:
// "<text>,c (x) (y) size", read from the end.
std::optional<Command> parseWrite(std::string_view rest) {
    rest = trimLeft(rest);
    if (rest.empty() || rest.front() != '"') return std::nullopt;
    rest.remove_prefix(1);
    rest = trimRight(rest);
    if (rest.empty() || rest.back() != '"') return std::nullopt;
    rest.remove_suffix(1);

    Command c;
    c.word = Word::WRITERGB;
    c.args.assign(3, 0.0);

    // The size: the last token.
    rest = trimRight(rest);
    size_t sizeStart = rest.size();
    while (sizeStart > 0 && !isBlank(rest[sizeStart - 1]) && rest[sizeStart - 1] != ')') --sizeStart;
    if (!readNumber(rest.substr(sizeStart), c.args[2])) return std::nullopt;
    rest = rest.substr(0, sizeStart);
    if (!takeBracketedBack(rest, c.args[1])) return std::nullopt;
    if (!takeBracketedBack(rest, c.args[0])) return std::nullopt;

    // The colour, then the comma that ends the text.
    rest = trimRight(rest);
    size_t colorStart = rest.size();
    while (colorStart > 0 && rest[colorStart - 1] >= '0' && rest[colorStart - 1] <= '9') --colorStart;
    if (!readColor(rest.substr(colorStart), c.color)) return std::nullopt;
    rest = trimRight(rest.substr(0, colorStart));
    if (rest.empty() || rest.back() != ',') return std::nullopt;
    rest.remove_suffix(1);
    c.text = std::string(rest);
    return c;
}

}  // namespace

std::string toText(const Command& c) {
    const WordInfo& w = wordInfo(c.word);
    std::string out(w.name);
    if (w.quoted) {
        out += " \"";
        out += c.text;
        out += ',';
        out += std::to_string(c.color);
        for (size_t i = 0; i < 2 && i < c.args.size(); ++i) {
            out += " (";
            out += forms::recordedNumber(c.args[i]);
            out += ')';
        }
        if (c.args.size() > 2) {
            out += ' ';
            out += forms::recordedNumber(c.args[2]);
        }
        out += '"';
        return out;
    }
    if (!w.color && c.args.empty()) return out;
    out += ' ';
    for (double v : c.args) {
        out += '(';
        out += forms::recordedNumber(v);
        out += ") ";
    }
    if (w.color) out += std::to_string(c.color);
    return out;
}

std::optional<Command> parse(std::string_view line) {
    line = trimRight(trimLeft(line));
    size_t wordEnd = 0;
    while (wordEnd < line.size() && std::isalpha(static_cast<unsigned char>(line[wordEnd]))) ++wordEnd;
    const std::string_view name = line.substr(0, wordEnd);
    std::string_view rest = line.substr(wordEnd);
    if (!rest.empty() && !isBlank(rest.front()) && rest.front() != '"') return std::nullopt;

    const WordInfo* found = nullptr;
    for (const WordInfo& w : kWords)
        if (equalsNoCase(name, w.name)) found = &w;
    if (!found) return std::nullopt;
    if (found->quoted) return parseWrite(rest);
    if (!rest.empty() && rest.front() == '"') return std::nullopt;

    Command c;
    c.word = found->word;
    c.args.assign(found->numbers, 0.0);
    for (double& v : c.args)
        if (!takeBracketed(rest, v)) return std::nullopt;
    rest = trimLeft(rest);
    if (found->color) {
        size_t end = 0;
        while (end < rest.size() && !isBlank(rest[end])) ++end;
        if (!readColor(rest.substr(0, end), c.color)) return std::nullopt;
        rest = trimLeft(rest.substr(end));
    }
    if (!rest.empty()) return std::nullopt;
    return c;
}

bool isReplaySkipMarker(std::string_view line) {
    // The quoted text of a WRITERGB line is the user's and holds no markers.
    std::string_view scan = trimLeft(line);
    std::string_view after;
    size_t wordEnd = 0;
    while (wordEnd < scan.size() && std::isalpha(static_cast<unsigned char>(scan[wordEnd]))) ++wordEnd;
    if (equalsNoCase(scan.substr(0, wordEnd), wordInfo(Word::WRITERGB).name)) {
        const auto first = scan.find('"');
        const auto last = scan.rfind('"');
        if (first != std::string_view::npos) {
            after = last > first ? scan.substr(last + 1) : std::string_view{};
            scan = scan.substr(0, first);
        }
    }
    auto hasMarker = [](std::string_view s) {
        auto isWordChar = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; };
        size_t i = 0;
        while (i < s.size()) {
            if (!isWordChar(s[i])) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < s.size() && isWordChar(s[j])) ++j;
            const std::string_view word = s.substr(i, j - i);
            for (std::string_view m : {"PD", "PU", "SETXY", "FILLSTYLE"})
                if (equalsNoCase(word, m)) return true;
            i = j;
        }
        return false;
    };
    return hasMarker(scan) || hasMarker(after);
}

}  // namespace logo
