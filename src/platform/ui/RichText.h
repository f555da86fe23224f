#pragma once
// Internal to the window layer: the text of a RICHEDIT control without its window. The characters,
// the selection and the undo are an EditText's; beside them every character has a character format
// and every paragraph (the text up to and with a CR LF, or to the end) a paragraph format. Line
// breaks are kept as CR LF: inserted text has every lone CR or LF made one.
//
// The insertion format is what text inserted at an empty selection gets: the format of the
// character before the caret (after it at the start), until EM_SETCHARFORMAT changes it there. It
// stays while the selection stays where it is, even when set to the same place again.

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/EditText.h"
#include "platform/ui/RichEditControl.h"

namespace win::detail {

struct RichCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string face = "MS Sans Serif";
    LONG height = 160;  // twips
    bool autoColor = true;
    COLORREF color = 0;
    bool operator==(const RichCharFormat&) const = default;
};

struct RichParaFormat {
    LONG startIndent = 0;  // twips
    LONG rightIndent = 0;
    LONG offset = 0;
    WORD alignment = PFA_LEFT;
    bool operator==(const RichParaFormat&) const = default;
};

// The parts of a format the change's mask names, changed.
RichCharFormat Changed(RichCharFormat format, const CHARFORMATA& change);
RichParaFormat Changed(RichParaFormat format, const PARAFORMAT& change);
// A format with every part named (sizes as given by the caller are kept).
void Describe(const RichCharFormat& format, CHARFORMATA& out);
void Describe(const RichParaFormat& format, PARAFORMAT& out);
// Every lone CR or LF made CR LF.
std::string WithCrLf(std::string_view text);

class RichText {
public:
    RichText();

    const std::string& Text() const { return text_.Text(); }
    int Length() const { return text_.Length(); }
    const EditText& Plain() const { return text_; }
    int Caret() const { return text_.Caret(); }
    int Anchor() const { return text_.Anchor(); }
    int SelectionStart() const { return text_.SelectionStart(); }
    int SelectionEnd() const { return text_.SelectionEnd(); }
    void Select(int anchor, int caret);

    // Replaces the whole text, every character in the default format and one paragraph format.
    void Reset(std::string_view text);
    // Replaces the selection; inserted text takes the insertion format. A limit cuts the inserted
    // text to fit (never inside a line break).
    EditText::Replacement Replace(std::string_view text, bool undoable, bool typing, int limit = INT_MAX);
    bool Undo();
    bool CanUndo() const { return text_.CanUndo(); }
    bool Modified() const { return text_.Modified(); }
    void SetModified(bool modified) { text_.SetModified(modified); }

    // Character formats. Formats are numbered; equal formats have one number.
    std::uint32_t FormatIndexAt(int position) const {
        return charFormats_[static_cast<std::size_t>(position)];
    }
    const RichCharFormat& Format(std::uint32_t index) const { return formats_[index]; }
    std::uint32_t FormatCount() const { return static_cast<std::uint32_t>(formats_.size()); }
    std::uint32_t InsertionFormat() const { return insertion_; }
    std::uint32_t DefaultFormat() const { return default_; }
    // Changes the formats of [start, end); an empty range changes the insertion format.
    void SetCharFormat(int start, int end, const CHARFORMATA& change);
    void SetDefaultFormat(const CHARFORMATA& change);
    // The format of [start, end) (the insertion format when empty) with the mask of the parts
    // every character agrees on.
    void GetCharFormat(int start, int end, CHARFORMATA& out) const;

    // Paragraphs: their number, the one a position is in, where one starts.
    int ParagraphCount() const { return static_cast<int>(paragraphStarts_.size()); }
    int ParagraphOf(int position) const;
    int ParagraphStart(int paragraph) const { return paragraphStarts_[static_cast<std::size_t>(paragraph)]; }
    const RichParaFormat& Paragraph(int paragraph) const {
        return paragraphs_[static_cast<std::size_t>(paragraph)];
    }
    // Changes the paragraphs [start, end) touches (the caret's when empty).
    void SetParaFormat(int start, int end, const PARAFORMAT& change);
    // The first of those paragraphs' formats, with the mask of the parts they all agree on.
    void GetParaFormat(int start, int end, PARAFORMAT& out) const;

private:
    std::uint32_t Intern(const RichCharFormat& format);
    // The format typed at a place: the character's before it, or after it at the start.
    std::uint32_t FormatBefore(int position) const;
    // Keeps formats and paragraphs in step with a change of the text: `removed` characters at
    // `start` were replaced by `inserted` characters in `format`.
    void Splice(int start, int removed, int inserted, std::uint32_t format);

    EditText text_;
    std::vector<RichCharFormat> formats_;
    std::vector<std::uint32_t> charFormats_;  // one per character
    std::vector<int> paragraphStarts_;
    std::vector<RichParaFormat> paragraphs_;
    std::uint32_t insertion_ = 0;
    std::uint32_t default_ = 0;
};

}  // namespace win::detail
