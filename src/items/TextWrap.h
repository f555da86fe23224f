#pragma once
// Styled text broken into lines of a pixel width, and drawn left-aligned, centred or right-aligned.
// Reports, definitions, help panes and query-page texts are shown this way, on screen and on paper.
//
// A line ends at a line feed, a carriage return or a form feed (which also breaks the page after
// it), and otherwise at the last space or hyphen that lets it fit; the break byte stays at the end
// of its line, and spaces may run past the width. A word wider than the line is cut before its
// first byte that does not fit, or, in a wrap that hyphenates its cuts (the printed texts'), where
// the line's part of the word and a hyphen drawn after it fit. Bytes are measured one at a time in the font
// their styles give; every line takes the height of the base font. The layout keeps each distinct style once,
// and one entry per group of adjacent codes, from which drawing knows where each run's style starts.
//
// A line always holds at least one byte, so every layout ends: a byte wider than its whole line
// gets a line of its own (the wrap then reports IsTooNarrow, which printing turns into its
// "insufficient width" error). Layouts start from the base font, whose own style bits are the
// text's starting style.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/ShortRect.h"
#include "items/StyledText.h"
#include "platform/gdi/GdiTypes.h"

class IWriteFile;
class TGraphEnv;
struct ViewDrawContext;

// One laid-out line. It starts one byte after the previous line's end (line 0 at index 0) and ends
// with the byte at end, inclusive: its line end, the space or hyphen it broke at, or its last byte.
// A line that cuts a word in a wrap that hyphenates its cuts has a hyphen drawn after it.
struct TextLine {
    std::uint32_t end = 0;
    std::int32_t ascent = 0;
    std::int32_t height = 0;
    bool hyphenated = false;
};

// Where a group of adjacent codes ends: position is the first byte after the group, codeLength the
// group's bytes from its first 0xC7 to its last 0xC8, styleIndex the style in force after it.
struct StyleChange {
    std::uint32_t position = 0;
    std::uint32_t styleIndex = 0;
    std::uint32_t codeLength = 0;
};

// Style bits (1 bold, 2 italic, 4 underline) and paragraph margins; equal styles share one entry.
struct TextStyle {
    std::uint32_t styleBits = 0;
    std::int16_t first = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

class TextWrap {
public:
    // Lays the text out in the rectangle's width with the font and writes the laid-out bottom back
    // into the caller's rectangle (an empty text leaves it as it was).
    TextWrap(TGraphEnv& env, ShortRect& rect, const char* text, const win::LOGFONTA& font);
    // The same with a text the wrap takes over instead of copying it (a long report's, say).
    TextWrap(TGraphEnv& env, ShortRect& rect, std::string&& text, const win::LOGFONTA& font);
    virtual ~TextWrap();
    TextWrap(const TextWrap&) = delete;
    TextWrap& operator=(const TextWrap&) = delete;

    // Lays out the text, or the kept copy again when it is null. The rectangle's bottom becomes
    // its top plus the height of the lines (at most 32767).
    virtual void Layout(TGraphEnv& env, const char* text);
    // Lays the kept text out again, in the new rectangle when one is given. The new bottom stays in
    // the wrap's own rectangle.
    void Rewrap(TGraphEnv& env, const ShortRect* rect);
    // Forgets the lines, styles and page breaks; the text stays.
    void FreeLayout();

    // Draws the lines with the first one's top at top and their left edge at left (bottom is not
    // used; right bounds plain lines). Alignment: 0 left, 1 centred, -1 right. With a context only
    // the lines within its region's bounds are drawn.
    void Draw(TGraphEnv& env, const ViewDrawContext* context, int top, int left, int bottom, int right,
              int alignment);
    // Draws one line at the rectangle's top left, as printing does page by page. With resetFont the
    // base font is selected first. A line drawn after lines skipped over is drawn all the same.
    void DrawLine(TGraphEnv& env, const ShortRect& rect, std::uint32_t line, int alignment, bool resetFont);

    std::uint32_t GetLineCount() const { return static_cast<std::uint32_t>(lines_.size()); }
    std::uint32_t GetStyleChangeCount() const { return static_cast<std::uint32_t>(changes_.size()); }
    bool HasPageBreakAfter(std::uint32_t line) const;
    // Takes effect at the next layout.
    void SetFont(const win::LOGFONTA& font);
    std::int32_t GetLineHeight(std::uint32_t line) const;
    // How many whole lines the height holds; 0 for a height below 1 or without a line height.
    std::int32_t LinesInHeight(std::int32_t height) const;
    // The text for a caller that walks it between layouts and draws, and its release. The text
    // stays where it is until the next layout with a new text, so there is nothing to release.
    const char* LockText() const { return text_.c_str(); }
    void UnlockText() const {}
    // The text without its codes, each line end written as CR LF, byte by byte until a write fails
    // (or, while Ctrl and Alt are held down, the raw text in one block); answers the bytes written.
    std::uint32_t WritePlainText(IWriteFile& file) const;

    // --- The layout as it stands
    const ShortRect& GetRect() const { return rect_; }
    const char* GetText() const { return text_.c_str(); }
    std::int32_t GetLineHeight() const { return lineHeight_; }
    std::int32_t GetTotalHeight() const { return totalHeight_; }
    // The width of the widest line met.
    std::int32_t GetWidestLine() const { return widest_; }
    // Some byte was wider than its whole line and took a line of its own.
    bool IsTooNarrow() const { return tooNarrow_; }
    const TextLine& GetLine(std::uint32_t line) const { return lines_[line]; }
    std::uint32_t GetLineStart(std::uint32_t line) const { return line == 0 ? 0 : lines_[line - 1].end + 1; }
    const StyleChange& GetStyleChange(std::uint32_t index) const { return changes_[index]; }
    std::uint32_t GetStyleCount() const { return static_cast<std::uint32_t>(styles_.size()); }
    const TextStyle& GetStyle(std::uint32_t index) const { return styles_[index]; }

protected:
    // Takes effect at the next layout: a word cut at a line's end gets a hyphen there.
    void SetHyphenatesCuts(bool hyphenates) { hyphenatesCuts_ = hyphenates; }

private:
    class LayoutPass;

    // Appends a line ending at the byte.
    void EndLine(std::uint32_t end);
    // Records the code between the 0xC7 at start and the 0xC8 at close, which the parse found
    // well-formed, and applies it to the current style and the font record.
    void RecordCode(std::uint32_t start, std::uint32_t close, std::int32_t parsed,
                    const StyleCodeResult& result);
    std::uint32_t StyleIndexOf(const TextStyle& style);
    // The font record with the style bits applied, selected into the environment.
    void ApplyStyleBits(TGraphEnv& env, std::uint32_t styleBits);

    void DrawPlainLine(TGraphEnv& env, std::uint32_t line, int x, int y, int rightEdge, int alignment);
    // Draws (when visible) or walks the runs of a line from the style change at change, which
    // comes back as the one in force after the line.
    void DrawStyledLine(TGraphEnv& env, std::uint32_t line, int x, int y, bool visible, std::uint32_t& change,
                        bool forceFont, int alignment);
    void DrawRun(TGraphEnv& env, std::uint32_t start, std::uint32_t end);
    // The hyphen after a line that cuts a word, in the font in force: drawn, or only measured.
    void DrawHyphen(TGraphEnv& env, std::uint32_t line);
    int HyphenWidth(TGraphEnv& env, std::uint32_t line) const;
    bool BeginsParagraph(std::uint32_t line) const;

    std::string text_;
    std::vector<TextLine> lines_;
    ShortRect rect_;
    std::int32_t lineHeight_ = 0;
    std::int16_t ascent_ = 0;
    std::int16_t descent_ = 0;
    std::int16_t leading_ = 0;
    win::LOGFONTA baseFont_;
    win::LOGFONTA font_;
    std::int32_t totalHeight_ = 0;
    std::int32_t widest_ = 0;
    bool tooNarrow_ = false;
    bool hyphenatesCuts_ = false;
    std::vector<StyleChange> changes_;
    // Entry i: the style change in force where line i starts, known for the lines drawn so far.
    std::vector<std::uint32_t> lineStartCache_;
    std::int64_t lastCodeEnd_ = -1;
    std::vector<TextStyle> styles_;
    TextStyle currentStyle_;
    std::vector<std::uint32_t> pageBreaks_;
};
