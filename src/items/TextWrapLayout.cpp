// Breaking styled text into lines.

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "items/TextWrap.h"

namespace {

constexpr char kLineFeed = '\n';
constexpr char kReturn = '\r';
constexpr char kFormFeed = '\f';
// A layout taller than the 16-bit rectangle can hold keeps its bottom at the last coordinate.
constexpr std::int32_t kMaxBottom = 32767;
// A hyphenated cut leaves at least this many letters of the word on either side of it, where the
// line holds as many.
constexpr std::uint32_t kLettersBesideCut = 3;

bool EndsLine(char byte) { return byte == kLineFeed || byte == kReturn || byte == kFormFeed; }

// Bytes that need no more than measuring, unless they overflow: all but the end of the text, the
// start of a code, line ends and break bytes.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    for (char special : {'\0', kStyleCodeStart, kLineFeed, kReturn, kFormFeed, ' ', '-'}) {
        plain[static_cast<unsigned char>(special)] = false;
    }
    return plain;
}();

// A letter or a digit (any byte above ASCII but the codes' counts as a letter), not punctuation.
bool IsLetterOfWord(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (std::isalnum(value) || value >= 0x80) && byte != kStyleCodeStart && byte != kStyleCodeEnd;
}

}  // namespace

// One layout of the wrap's text: the line being filled, where it may break, and the width of each
// byte in each style, measured once with a one-byte text extent.
class TextWrap::LayoutPass {
public:
    LayoutPass(TextWrap& wrap, TGraphEnv& env) : wrap_(wrap), env_(env), text_(wrap.text_.c_str()) {
        for (auto& widths : styleWidths_) widths.fill(-1);
        width_ = wrap.rect_.Width();
        available_ = AvailableWidth();
        selectedBits_ = wrap.currentStyle_.styleBits & 7;
        widths_ = styleWidths_[selectedBits_].data();
    }

    void Run() {
        std::uint32_t position = 0;
        for (;;) {
            position = TakeFittingBytes(position);
            const char byte = text_[position];
            if (byte == '\0') break;
            if (byte == kStyleCodeStart && RecordCode(position)) continue;
            if (EndsLine(byte)) {
                EndLineAtNewline(position, byte);
            } else if (!PlaceByte(position, byte)) {
                continue;
            }
            ++position;
        }
        // The last line, unless a line end closed it.
        if (running_ > 0 && (wrap_.lines_.empty() || wrap_.lines_.back().end != position - 1)) {
            wrap_.widest_ = std::max(wrap_.widest_, running_);
            wrap_.EndLine(position - 1);
        }
    }

private:
    // Most bytes fit where they are: takes the plain bytes from the position on that were measured
    // before and fit on the line, and answers the position of the first other byte. The line's
    // state is kept in locals meanwhile, as no byte taken here changes anything else.
    std::uint32_t TakeFittingBytes(std::uint32_t position) {
        const char* const text = text_;
        const std::int32_t* const widths = widths_;
        const int available = available_;
        int running = running_;
        const std::uint32_t from = position;
        for (;; ++position) {
            const auto byte = static_cast<unsigned char>(text[position]);
            if (!kPlainBytes[byte]) break;
            const int width = widths[byte];
            if (width < 0 || width >= available || running + width > available) break;
            running += width;
        }
        running_ = running;
        if (position != from) lineHasText_ = true;
        return position;
    }

    // The room of the line being filled under the current margins.
    int AvailableWidth() const {
        const TextStyle& style = wrap_.currentStyle_;
        return width_ - (firstLine_ ? style.first : style.left) - style.right;
    }

    // A well-formed code at the position is recorded and skipped; true when there was one.
    bool RecordCode(std::uint32_t& position) {
        // Once no 0xC8 follows, no later 0xC7 starts a code: the rest is not searched again.
        if (position >= unclosedFrom_) return false;
        std::uint32_t after = position;
        StyleCodeResult result;
        const std::int32_t parsed = ParseStyleCode(text_, after, result);
        if (!IsWellFormedCode(parsed)) {
            if (!std::strchr(text_ + position + 1, kStyleCodeEnd)) unclosedFrom_ = position;
            return false;
        }
        wrap_.RecordCode(position, after - 1, parsed, result);
        if (parsed == kMarginCodeParsed) available_ = AvailableWidth();
        widths_ = styleWidths_[wrap_.currentStyle_.styleBits & 7].data();
        position = after;
        return true;
    }

    // Ends the line at the byte, all of it measured; the next line starts empty after it.
    void CloseLine(std::uint32_t end) {
        wrap_.widest_ = std::max(wrap_.widest_, running_);
        wrap_.EndLine(end);
        lineStart_ = end + 1;
        lineHasText_ = false;
        running_ = 0;
        widthAtBreak_ = 0;
        breakPosition_ = lineStart_;
    }

    void EndLineAtNewline(std::uint32_t position, char byte) {
        // A line closed by its line end counts towards the widest line as much as a broken one.
        CloseLine(position);
        if (byte == kFormFeed) {
            wrap_.pageBreaks_.push_back(static_cast<std::uint32_t>(wrap_.lines_.size() - 1));
        } else {
            firstLine_ = true;
            available_ = AvailableWidth();
        }
    }

    // Measures the byte and breaks the line when it overflows. False when the byte is to be taken
    // again (it starts the next line).
    bool PlaceByte(std::uint32_t position, char byte) {
        if (byte == ' ' || byte == '-') {
            breakPosition_ = position;
            widthAtBreak_ = running_;
        }
        const int width = Advance(byte);
        if (width >= available_) {
            PlaceTooWideByte(position, width);
            return true;
        }
        running_ += width;
        lineHasText_ = true;
        if (running_ <= available_ || byte == ' ') return true;

        // With no break after the line's first byte the word is cut before this byte, which is
        // taken again on the next line; unless it is the line's only byte (a break byte carried
        // over made it overflow), which then stays, so that every line holds a byte.
        bool takeAgain = false;
        int carried = 0;  // the width of the cut word's bytes that go on to the next line
        if (breakPosition_ <= lineStart_) {
            takeAgain = position > lineStart_;
            breakPosition_ = takeAgain ? position - 1 : position;
            widthAtBreak_ = running_;
            if (takeAgain && wrap_.hyphenatesCuts_) carried = CutForHyphen(position, width);
        }
        wrap_.widest_ = std::max(wrap_.widest_, widthAtBreak_);
        const bool byteOnNewLine = (breakPosition_ < position && !takeAgain) || carried > 0;
        BreakAt(breakPosition_);
        lineHasText_ = byteOnNewLine;
        return !takeAgain;
    }

    // Moves the cut of the word before the byte at the position (of the width given, which
    // overflowed) back until the line's part of the word and a hyphen fit, and on until the next
    // line takes at least kLettersBesideCut of the word, where the line keeps as many; marks the
    // line hyphenated. The bytes moved go on to the next line. Answers their width. A cut that
    // cannot make room (the line's first byte reached, or a code before it) stays as it was,
    // without a hyphen.
    int CutForHyphen(std::uint32_t position, int width) {
        const int hyphen = Advance('-');
        int kept = running_ - width;
        std::uint32_t end = position - 1;
        const auto fits = [&] { return kept + hyphen <= available_; };
        const auto shortTail = [&] {
            return WordLettersFrom(end + 1) < kLettersBesideCut && WordLettersTo(end) > kLettersBesideCut;
        };
        while ((!fits() || shortTail()) && end > lineStart_) {
            const auto byte = static_cast<unsigned char>(text_[end]);
            if (!IsMeasuredWordByte(byte)) break;
            kept -= widths_[byte];
            --end;
        }
        return fits() ? Hyphenate(end, kept, width) : 0;
    }

    // A byte of a word already measured, neither a code's nor a break's.
    bool IsMeasuredWordByte(unsigned char byte) const {
        return kPlainBytes[byte] && byte != static_cast<unsigned char>(kStyleCodeEnd) && widths_[byte] >= 0;
    }

    // The number of letters from the position on up to the first other byte (punctuation, a
    // break, a code, a line end or the end of the text), at most kLettersBesideCut.
    std::uint32_t WordLettersFrom(std::uint32_t position) const {
        std::uint32_t count = 0;
        while (count < kLettersBesideCut && IsLetterOfWord(text_[position + count])) ++count;
        return count;
    }
    // The number of the line's letters up to the position, inclusive, back to the first other
    // byte; at most kLettersBesideCut + 1.
    std::uint32_t WordLettersTo(std::uint32_t position) const {
        std::uint32_t count = 0;
        while (count <= kLettersBesideCut && position >= lineStart_ + count &&
               IsLetterOfWord(text_[position - count]))
            ++count;
        return count;
    }

    // Cuts the word after the byte at end, the line keeping the width given (the overflowing byte's
    // width aside) and a hyphen; answers the width of the bytes that go on to the next line.
    int Hyphenate(std::uint32_t end, int kept, int width) {
        pendingHyphen_ = true;
        breakPosition_ = end;
        // BreakAt leaves the next line with the bytes after the cut; the overflowing byte is taken
        // again, so its width goes with the line.
        widthAtBreak_ = kept + width;
        return running_ - width - kept;
    }

    // Ends the line at the break byte; the new line keeps the width measured from the break byte.
    void BreakAt(std::uint32_t end) {
        wrap_.EndLine(end);
        wrap_.lines_.back().hyphenated = pendingHyphen_;
        pendingHyphen_ = false;
        lineStart_ = end + 1;
        running_ -= widthAtBreak_;
        widthAtBreak_ = 0;
        breakPosition_ = lineStart_;
        LeaveFirstLine();
    }

    // A byte as wide as the whole line or wider: the text before it ends its line, and it takes a
    // line of its own (with the codes just before it).
    void PlaceTooWideByte(std::uint32_t position, int width) {
        wrap_.tooNarrow_ = true;
        if (lineHasText_) {
            CloseLine(position - 1);
            LeaveFirstLine();
        }
        running_ = width;
        CloseLine(position);
        LeaveFirstLine();
    }

    void LeaveFirstLine() {
        if (!firstLine_) return;
        firstLine_ = false;
        available_ = AvailableWidth();
    }

    int Advance(char byte) {
        const std::int32_t width = widths_[static_cast<unsigned char>(byte)];
        return width >= 0 ? width : Measure(byte);
    }
    // A byte not yet met in the current style, measured alone in its font.
    int Measure(char byte) {
        const std::uint32_t bits = wrap_.currentStyle_.styleBits & 7;
        if (selectedBits_ != bits) {
            env_.SetFontIndirect(wrap_.font_);
            selectedBits_ = bits;
        }
        return widths_[static_cast<unsigned char>(byte)] = env_.TextWidth(&byte, 1);
    }

    TextWrap& wrap_;
    TGraphEnv& env_;
    const char* text_;
    // The width of each byte in each combination of style bits, -1 until measured, and the table of
    // the style in force.
    std::array<std::array<std::int32_t, 256>, 8> styleWidths_;
    std::int32_t* widths_ = nullptr;
    std::uint32_t selectedBits_ = 0;
    std::uint32_t unclosedFrom_ = UINT32_MAX;
    int width_ = 0;
    int available_ = 0;
    std::uint32_t lineStart_ = 0;
    int running_ = 0;
    std::uint32_t breakPosition_ = 0;
    int widthAtBreak_ = 0;
    bool firstLine_ = true;
    // The line that BreakAt ends next cuts a word and takes a hyphen.
    bool pendingHyphen_ = false;
    // Some byte other than a code's lies on the line being filled.
    bool lineHasText_ = false;
};

void TextWrap::Layout(TGraphEnv& env, const char* text) {
    if (text) text_.assign(text);
    // Tables left by a layout the caller did not free would otherwise mix with the new ones.
    FreeLayout();
    lineStartCache_.clear();
    GraphUser use(env);
    font_ = baseFont_;
    env.SetFontIndirect(font_);
    win::TEXTMETRICA metrics;
    env.GetTextMetrics(metrics);
    ascent_ = static_cast<std::int16_t>(metrics.tmAscent);
    descent_ = static_cast<std::int16_t>(metrics.tmDescent);
    leading_ = static_cast<std::int16_t>(metrics.tmExternalLeading);
    lineHeight_ = ascent_ + descent_ + leading_;
    totalHeight_ = 0;
    widest_ = 0;
    tooNarrow_ = false;
    currentStyle_ = TextStyle{static_cast<std::uint32_t>(GetLogFontStyle(baseFont_)), 0, 0, 0};
    lineStartCache_.push_back(0);
    if (text_.empty()) return;

    LayoutPass(*this, env).Run();
    rect_.bottom = static_cast<std::int16_t>(std::min<std::int32_t>(rect_.top + totalHeight_, kMaxBottom));
}

void TextWrap::EndLine(std::uint32_t end) {
    lines_.push_back(TextLine{end, ascent_, lineHeight_});
    totalHeight_ += lineHeight_;
}

void TextWrap::RecordCode(std::uint32_t start, std::uint32_t close, std::int32_t parsed,
                          const StyleCodeResult& result) {
    if (static_cast<std::int64_t>(start) == lastCodeEnd_ && !changes_.empty()) {
        // Directly after the previous code: one group.
        StyleChange& group = changes_.back();
        group.position = close + 1;
        group.codeLength += close - start + 1;
    } else {
        if (changes_.empty() && start != 0)
            changes_.push_back(StyleChange{0, StyleIndexOf(currentStyle_), 0});
        changes_.push_back(StyleChange{close + 1, 0, close - start + 1});
    }
    lastCodeEnd_ = close + 1;
    if (parsed == kStyleCodeParsed) {
        if (result.on) {
            currentStyle_.styleBits |= result.styleBit;
        } else {
            currentStyle_.styleBits &= ~result.styleBit;
        }
        SetLogFontStyle(font_, static_cast<std::int32_t>(currentStyle_.styleBits));
    } else {
        currentStyle_.first = result.first;
        currentStyle_.left = result.left;
        currentStyle_.right = result.right;
    }
    changes_.back().styleIndex = StyleIndexOf(currentStyle_);
}

std::uint32_t TextWrap::StyleIndexOf(const TextStyle& style) {
    const auto found = std::find(styles_.begin(), styles_.end(), style);
    if (found != styles_.end()) return static_cast<std::uint32_t>(found - styles_.begin());
    styles_.push_back(style);
    return static_cast<std::uint32_t>(styles_.size() - 1);
}
