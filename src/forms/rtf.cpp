#include "forms/rtf.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "forms/utf8.h"

namespace forms {

namespace {

// Windows code page 1252, the code page of the help text's bytes. The five
// bytes that code page leaves undefined are no character: U+FFFD.
uint32_t cp1252(unsigned char b) {
    constexpr uint16_t kNone = kReplacementCharacter;
    static constexpr std::array<uint16_t, 32> high = {
        0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, kNone,  0x017D, kNone,  kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kNone,  0x017E, 0x0178};
    if (b >= 0x80 && b < 0xA0) return high[b - 0x80];
    return b;
}

std::vector<RtfParagraph> readPlain(const std::string& source) {
    std::string text;
    if (isValidUtf8(source)) {
        text = source;
    } else {
        for (unsigned char b : source) appendUtf8(text, cp1252(b));
    }
    std::vector<RtfParagraph> paragraphs(1);
    std::string line;
    auto endLine = [&] {
        if (!line.empty()) paragraphs.back().push_back({line, false});
        line.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endLine();
            paragraphs.emplace_back();
        } else {
            line.push_back(c);
        }
    }
    endLine();
    return paragraphs;
}

bool isDestination(const std::string& word) {
    static const char* const kSkipped[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "headerl", "headerr",
        "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "listtable",
        "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping",
        "latentstyles", "datastore", "filetbl", "revtbl", "pgdsctbl", "mmathPr"};
    for (const char* s : kSkipped)
        if (word == s) return true;
    return false;
}

class RtfReader {
public:
    explicit RtfReader(const std::string& src) : src_(src) {}

    std::vector<RtfParagraph> read() {
        stack_.push_back(State{});
        while (pos_ < src_.size()) {
            const char c = src_[pos_++];
            if (c == '{') {
                stack_.push_back(stack_.back());
                groupStart_ = true;
                continue;
            }
            if (c == '}') {
                if (stack_.size() > 1) stack_.pop_back();
                groupStart_ = false;
                continue;
            }
            const bool atStart = groupStart_;
            groupStart_ = false;
            if (c == '\\') {
                control(atStart);
            } else if (c != '\r' && c != '\n') {
                text(cp1252(static_cast<unsigned char>(c)));
            }
        }
        endLoneSurrogate();
        if (!current_.empty()) paragraphs_.push_back(current_);
        return paragraphs_;
    }

private:
    struct State {
        bool bold = false;
        bool skip = false;
        int uc = 1;  // characters of fallback after \uN
    };

    State& state() { return stack_.back(); }

    // A character of the text, unless it is the fallback of a \uN or in a
    // skipped destination.
    void text(uint32_t cp) {
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (state().skip) return;
        character(cp);
    }

    // \uN: a UTF-16 code unit, written as a signed 16-bit number. A high
    // surrogate waits for the low one of the next \uN (its fallback
    // characters in between are skipped as usual); the pair is one character.
    void unicode(long param) {
        pendingFallback_ = 0;
        if (!state().skip) {
            // -32768..-1 stand for 32768..65535; anything beyond 16 bits is none.
            const long unit = param >= -32768 && param < 0 ? param + 65536 : param;
            const bool high = unit >= 0xD800 && unit <= 0xDBFF;
            const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
            if (low && highSurrogate_ != 0) {
                const uint32_t cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + static_cast<uint32_t>(unit - 0xDC00);
                highSurrogate_ = 0;
                append(cp);
            } else if (high) {
                endLoneSurrogate();
                highSurrogate_ = static_cast<uint32_t>(unit);
            } else {
                character(unit >= 0 && unit <= 0xFFFF ? static_cast<uint32_t>(unit) : kReplacementCharacter);
            }
        }
        pendingFallback_ = state().uc;
    }

    void character(uint32_t cp) {
        endLoneSurrogate();
        append(cp);
    }

    // A high surrogate that no low one followed is no character.
    void endLoneSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        append(kReplacementCharacter);
    }

    // appendUtf8 turns a lone low surrogate into U+FFFD as well.
    void append(uint32_t cp) {
        std::string utf8;
        appendUtf8(utf8, cp);
        if (current_.empty() || current_.back().bold != state().bold)
            current_.push_back({utf8, state().bold});
        else
            current_.back().text += utf8;
    }

    void paragraph() {
        pendingFallback_ = 0;
        if (state().skip) return;
        endLoneSurrogate();
        paragraphs_.push_back(current_);
        current_.clear();
    }

    void control(bool atGroupStart) {
        if (pos_ >= src_.size()) return;
        const char c = src_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            std::string word;
            while (pos_ < src_.size() && std::isalpha(static_cast<unsigned char>(src_[pos_]))) word += src_[pos_++];
            bool hasParam = false;
            long param = 0;
            const size_t numStart = pos_;
            if (pos_ < src_.size() && (src_[pos_] == '-' || std::isdigit(static_cast<unsigned char>(src_[pos_])))) {
                ++pos_;
                while (pos_ < src_.size() && std::isdigit(static_cast<unsigned char>(src_[pos_]))) ++pos_;
                const std::string digits = src_.substr(numStart, pos_ - numStart);
                hasParam = digits != "-";
                param = hasParam ? std::strtol(digits.c_str(), nullptr, 10) : 0;
            }
            if (pos_ < src_.size() && src_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
            word_(word, hasParam, param, atGroupStart);
            return;
        }
        ++pos_;
        switch (c) {
            case '\'': {
                if (pos_ + 2 <= src_.size()) {
                    const std::string hex = src_.substr(pos_, 2);
                    pos_ += 2;
                    char* end = nullptr;
                    const long b = std::strtol(hex.c_str(), &end, 16);
                    if (end == hex.c_str() + 2) text(cp1252(static_cast<unsigned char>(b)));
                } else {
                    pos_ = src_.size();  // a cut-off escape ends the text
                }
                break;
            }
            case '\\': case '{': case '}': text(static_cast<unsigned char>(c)); break;
            case '~': text(0xA0); break;
            case '_': text('-'); break;
            case '*': state().skip = true; break;  // an optional destination
            case '\r': case '\n': paragraph(); break;
            default: break;  // \- and other symbols show nothing
        }
    }

    void word_(const std::string& w, bool hasParam, long param, bool atGroupStart) {
        if (atGroupStart && isDestination(w)) {
            state().skip = true;
            return;
        }
        if (w == "par") {
            paragraph();
        } else if (w == "line") {
            paragraph();
        } else if (w == "tab") {
            text('\t');
        } else if (w == "b") {
            state().bold = !hasParam || param != 0;
        } else if (w == "plain") {
            state().bold = false;
        } else if (w == "uc") {
            state().uc = hasParam ? static_cast<int>(param) : 1;
        } else if (w == "u" && hasParam) {
            unicode(param);
        } else if (w == "emdash") {
            text(0x2014);
        } else if (w == "endash") {
            text(0x2013);
        } else if (w == "bullet") {
            text(0x2022);
        } else if (w == "lquote") {
            text(0x2018);
        } else if (w == "rquote") {
            text(0x2019);
        } else if (w == "ldblquote") {
            text(0x201C);
        } else if (w == "rdblquote") {
            text(0x201D);
        }
    }

    const std::string& src_;
    size_t pos_ = 0;
    std::vector<State> stack_;
    bool groupStart_ = false;
    int pendingFallback_ = 0;
    uint32_t highSurrogate_ = 0;  // a high surrogate waiting for its low one
    RtfParagraph current_;
    std::vector<RtfParagraph> paragraphs_;
};

bool looksLikeRtf(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return s.compare(i, 5, "{\\rtf") == 0;
}

}  // namespace

std::vector<RtfParagraph> readRtf(const std::string& source) {
    if (!looksLikeRtf(source)) return readPlain(source);
    return RtfReader(source).read();
}

std::string plainText(const std::vector<RtfParagraph>& paragraphs) {
    std::string out;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) out += '\n';
        for (const RtfRun& run : paragraphs[i]) out += run.text;
    }
    return out;
}

}  // namespace forms
