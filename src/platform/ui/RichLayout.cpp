#include "platform/ui/RichLayout.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"

namespace win::detail {
namespace {

constexpr int kScreenDpi = 96;
constexpr int kTwipsPerInch = 1440;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The format an empty line shows the caret in: the character's at its start, else the last one's.
std::uint32_t EmptyLineFormat(const RichText& text, int start) {
    if (start < text.Length()) return text.FormatIndexAt(start);
    return text.Length() > 0 ? text.FormatIndexAt(text.Length() - 1) : text.InsertionFormat();
}

// Where [from, to) of a line ends when its first character starts at 0.
int Advance(const RichText& text, RichFonts& fonts, int lineStart, int to) {
    int x = 0;
    for (int at = lineStart; at < to; ++at)
        x = fonts.Of(text, text.FormatIndexAt(at))
                .measure.After(text.Text()[static_cast<std::size_t>(at)], x);
    return x;
}

// The line from `start`: how far it goes in `room` before it must wrap; `to` when all of it fits.
int WrapEnd(const RichText& text, RichFonts& fonts, int start, int to, int room) {
    const std::string& chars = text.Text();
    int x = 0, wordStart = start;
    for (int at = start; at < to; ++at) {
        const char c = chars[static_cast<std::size_t>(at)];
        const TextAdvances& measure = fonts.Of(text, text.FormatIndexAt(at)).measure;
        if (IsBlank(c)) {
            x = measure.After(c, x);
            continue;
        }
        if (at > start && IsBlank(chars[static_cast<std::size_t>(at) - 1])) wordStart = at;
        // Wrap before the word, or cut a word that fills the line by itself.
        if (at > start && x + measure.Width(c) > room) return wordStart > start ? wordStart : at;
        x += measure.Width(c);
    }
    return to;
}

RichLine MakeLine(const RichText& text, RichFonts& fonts, int start, int end, int next, bool wrapped) {
    RichLine line{start, end - start, next};
    for (int at = start; at < end; ++at) {
        const RichFont& font = fonts.Of(text, text.FormatIndexAt(at));
        line.ascent = std::max(line.ascent, font.ascent);
        line.height = std::max(line.height, font.height);
    }
    if (start == end) {
        const RichFont& font = fonts.Of(text, EmptyLineFormat(text, start));
        line.ascent = font.ascent;
        line.height = font.height;
    }
    int shown = end;
    if (wrapped) {
        while (shown > start && IsBlank(text.Text()[static_cast<std::size_t>(shown) - 1])) --shown;
    }
    line.width = Advance(text, fonts, start, shown);
    return line;
}

}  // namespace

RichFonts::~RichFonts() {
    for (const auto& font : fonts_) {
        if (font) DeleteObject(font->font);
    }
}

const RichFont& RichFonts::Of(const RichText& text, std::uint32_t format) {
    if (format >= fonts_.size()) fonts_.resize(format + 1);
    std::unique_ptr<RichFont>& made = fonts_[format];
    if (made) return *made;
    const RichCharFormat& f = text.Format(format);
    LOGFONTA logFont;
    logFont.lfHeight = -std::max(1, MulDiv(f.height, kScreenDpi, kTwipsPerInch));
    logFont.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = f.italic ? 1 : 0;
    logFont.lfUnderline = f.underline ? 1 : 0;
    f.face.copy(logFont.lfFaceName, sizeof logFont.lfFaceName - 1);
    made = std::make_unique<RichFont>();
    made->font = CreateFontIndirectA(&logFont);
    HDC dc = CreateMeasuringDC();
    HGDIOBJ old = SelectObject(dc, made->font);
    made->measure = TextAdvances(dc);
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics)) {
        made->ascent = metrics.tmAscent;
        made->height = metrics.tmHeight;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return *made;
}

int TwipsToPixels(LONG twips) { return MulDiv(twips, kScreenDpi, kTwipsPerInch); }

RichLayout LayOutRichText(const RichText& text, RichFonts& fonts, int width) {
    RichLayout layout;
    const int paragraphs = text.ParagraphCount();
    for (int p = 0; p < paragraphs; ++p) {
        const RichParaFormat& format = text.Paragraph(p);
        const bool last = p + 1 == paragraphs;
        const int next = last ? text.Length() : text.ParagraphStart(p + 1);
        const int end = last ? text.Length() : next - 2;  // before its CR LF
        const int firstLeft = std::max(0, TwipsToPixels(format.startIndent));
        const int otherLeft = std::max(0, TwipsToPixels(format.startIndent + format.offset));
        const int right = std::max(0, TwipsToPixels(format.rightIndent));
        int start = text.ParagraphStart(p);
        for (bool first = true;; first = false) {
            const int left = first ? firstLeft : otherLeft;
            const int room = std::max(1, width - left - right);
            const int stop = WrapEnd(text, fonts, start, end, room);
            const bool wrapped = stop < end;
            RichLine line = MakeLine(text, fonts, start, stop, wrapped ? stop : next, wrapped);
            line.left = left;
            if (format.alignment == PFA_RIGHT) line.left += std::max(0, room - line.width);
            if (format.alignment == PFA_CENTER) line.left += std::max(0, room - line.width) / 2;
            line.top = layout.height;
            layout.height += line.height;
            layout.lines.push_back(line);
            if (!wrapped) break;
            start = stop;
        }
    }
    return layout;
}

bool IsWrappedLine(const RichLayout& layout, int line) {
    const RichLine& l = layout.lines[static_cast<std::size_t>(line)];
    return line + 1 < static_cast<int>(layout.lines.size()) && l.start + l.length == l.next;
}

int RichLineOf(const RichLayout& layout, int position, bool afterWrap) {
    const auto found = std::upper_bound(layout.lines.begin(), layout.lines.end(), position,
                                        [](int p, const RichLine& l) { return p < l.start; });
    int line = std::max(0, static_cast<int>(found - layout.lines.begin()) - 1);
    if (afterWrap && line > 0 && position == layout.lines[static_cast<std::size_t>(line)].start &&
        IsWrappedLine(layout, line - 1))
        --line;
    return line;
}

int RichLineAt(const RichLayout& layout, int y) {
    const auto found = std::upper_bound(layout.lines.begin(), layout.lines.end(), y,
                                        [](int at, const RichLine& l) { return at < l.top; });
    return std::max(0, static_cast<int>(found - layout.lines.begin()) - 1);
}

int RichXOf(const RichText& text, RichFonts& fonts, const RichLine& line, int position) {
    return line.left +
           Advance(text, fonts, line.start, std::clamp(position, line.start, line.start + line.length));
}

int RichPositionAt(const RichText& text, RichFonts& fonts, const RichLayout& layout, int line, int x,
                   bool* afterWrap) {
    const RichLine& l = layout.lines[static_cast<std::size_t>(line)];
    const int across = x - l.left;
    int at = 0;
    for (int position = l.start; position < l.start + l.length; ++position) {
        const int next = fonts.Of(text, text.FormatIndexAt(position))
                             .measure.After(text.Text()[static_cast<std::size_t>(position)], at);
        if (2 * across < at + next) {  // nearer the character's left edge
            if (afterWrap) *afterWrap = false;
            return position;
        }
        at = next;
    }
    if (afterWrap) *afterWrap = IsWrappedLine(layout, line);
    return l.start + l.length;
}

}  // namespace win::detail
