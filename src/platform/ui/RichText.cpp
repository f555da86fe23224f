#include "platform/ui/RichText.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace win::detail {

RichCharFormat Changed(RichCharFormat format, const CHARFORMATA& change) {
    const DWORD mask = change.dwMask, effects = change.dwEffects;
    if (mask & CFM_BOLD) format.bold = (effects & CFE_BOLD) != 0;
    if (mask & CFM_ITALIC) format.italic = (effects & CFE_ITALIC) != 0;
    if (mask & CFM_UNDERLINE) format.underline = (effects & CFE_UNDERLINE) != 0;
    if ((mask & CFM_FACE) && change.szFaceName[0] != '\0')
        format.face.assign(change.szFaceName, strnlen(change.szFaceName, sizeof change.szFaceName));
    if ((mask & CFM_SIZE) && change.yHeight > 0) format.height = change.yHeight;
    if (mask & CFM_COLOR) {
        format.autoColor = (effects & CFE_AUTOCOLOR) != 0;
        format.color = change.crTextColor & 0xFFFFFF;
    }
    return format;
}

RichParaFormat Changed(RichParaFormat format, const PARAFORMAT& change) {
    if (change.dwMask & PFM_STARTINDENT) format.startIndent = change.dxStartIndent;
    if (change.dwMask & PFM_RIGHTINDENT) format.rightIndent = change.dxRightIndent;
    if (change.dwMask & PFM_OFFSET) format.offset = change.dxOffset;
    if ((change.dwMask & PFM_ALIGNMENT) && change.wAlignment >= PFA_LEFT && change.wAlignment <= PFA_CENTER)
        format.alignment = change.wAlignment;
    return format;
}

void Describe(const RichCharFormat& format, CHARFORMATA& out) {
    out.dwMask = CFM_ALL;
    out.dwEffects = (format.bold ? CFE_BOLD : 0) | (format.italic ? CFE_ITALIC : 0) |
                    (format.underline ? CFE_UNDERLINE : 0) | (format.autoColor ? CFE_AUTOCOLOR : 0);
    out.yHeight = format.height;
    out.yOffset = 0;
    out.crTextColor = format.color;
    std::memset(out.szFaceName, 0, sizeof out.szFaceName);
    format.face.copy(out.szFaceName, sizeof out.szFaceName - 1);
}

void Describe(const RichParaFormat& format, PARAFORMAT& out) {
    out.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT;
    out.dxStartIndent = format.startIndent;
    out.dxRightIndent = format.rightIndent;
    out.dxOffset = format.offset;
    out.wAlignment = format.alignment;
}

std::string WithCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
        } else {
            result += c;
        }
    }
    return result;
}

RichText::RichText() : formats_(1), paragraphStarts_{0}, paragraphs_(1) { text_.SetLimit(INT_MAX); }

void RichText::Select(int anchor, int caret) {
    const int start = SelectionStart(), end = SelectionEnd();
    text_.Select(anchor, caret);
    if (SelectionStart() != start || SelectionEnd() != end) insertion_ = FormatBefore(SelectionStart());
}

void RichText::Reset(std::string_view text) {
    text_.Reset(WithCrLf(text));
    charFormats_.assign(text_.Text().size(), default_);
    paragraphStarts_.assign(1, 0);
    paragraphs_.assign(1, RichParaFormat{});
    const std::string& all = text_.Text();
    for (std::size_t at = 0; at + 1 < all.size(); ++at) {
        if (all[at] == '\r' && all[at + 1] == '\n') paragraphStarts_.push_back(static_cast<int>(at) + 2);
    }
    paragraphs_.assign(paragraphStarts_.size(), RichParaFormat{});
    insertion_ = default_;
}

EditText::Replacement RichText::Replace(std::string_view text, bool undoable, bool typing, int limit) {
    std::string inserted = WithCrLf(text);
    const int start = SelectionStart(), removed = SelectionEnd() - start;
    const long long room = std::max(0LL, static_cast<long long>(limit) - (Length() - removed));
    bool cut = false;
    if (static_cast<long long>(inserted.size()) > room) {
        inserted.resize(static_cast<std::size_t>(room));
        if (!inserted.empty() && inserted.back() == '\r') inserted.pop_back();
        cut = true;
    }
    EditText::Replacement result = text_.Replace(inserted, undoable, typing);
    result.cut = result.cut || cut;
    if (!result.changed) return result;
    Splice(start, removed, static_cast<int>(inserted.size()), insertion_);
    if (inserted.empty()) insertion_ = FormatBefore(start);
    return result;
}

bool RichText::Undo() {
    const std::string before = text_.Text();
    if (!text_.Undo()) return false;
    const std::string& after = text_.Text();
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const int at = static_cast<int>(prefix);
    Splice(at, static_cast<int>(before.size() - prefix - suffix),
           static_cast<int>(after.size() - prefix - suffix), FormatBefore(at));
    insertion_ = FormatBefore(SelectionStart());
    return true;
}

std::uint32_t RichText::Intern(const RichCharFormat& format) {
    const auto found = std::find(formats_.begin(), formats_.end(), format);
    if (found != formats_.end()) return static_cast<std::uint32_t>(found - formats_.begin());
    formats_.push_back(format);
    return static_cast<std::uint32_t>(formats_.size() - 1);
}

std::uint32_t RichText::FormatBefore(int position) const {
    if (charFormats_.empty()) return insertion_;
    const int at = position > 0 ? position - 1 : 0;
    return charFormats_[static_cast<std::size_t>(std::min(at, Length() - 1))];
}

void RichText::Splice(int start, int removed, int inserted, std::uint32_t charFormat) {
    const auto first = charFormats_.begin() + start;
    charFormats_.erase(first, first + removed);
    charFormats_.insert(charFormats_.begin() + start, static_cast<std::size_t>(inserted), charFormat);

    // The paragraphs whose line breaks went, and those the inserted text brings, in the format of
    // the paragraph the change began in.
    const int paragraph = ParagraphOf(start);
    const auto gone = std::upper_bound(paragraphStarts_.begin(), paragraphStarts_.end(), start);
    const auto kept = std::upper_bound(gone, paragraphStarts_.end(), start + removed);
    const auto goneIndex = gone - paragraphStarts_.begin();
    paragraphs_.erase(paragraphs_.begin() + goneIndex,
                      paragraphs_.begin() + (kept - paragraphStarts_.begin()));
    const auto next = paragraphStarts_.erase(gone, kept);
    for (auto later = next; later != paragraphStarts_.end(); ++later) *later += inserted - removed;
    std::vector<int> added;
    const std::string& text = text_.Text();
    for (int at = start; at + 1 < start + inserted; ++at) {
        if (text[static_cast<std::size_t>(at)] == '\r' && text[static_cast<std::size_t>(at) + 1] == '\n')
            added.push_back(at + 2);
    }
    paragraphStarts_.insert(paragraphStarts_.begin() + goneIndex, added.begin(), added.end());
    const RichParaFormat format = paragraphs_[static_cast<std::size_t>(paragraph)];
    paragraphs_.insert(paragraphs_.begin() + goneIndex, added.size(), format);
}

void RichText::SetCharFormat(int start, int end, const CHARFORMATA& change) {
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    if (start == end) {
        insertion_ = Intern(Changed(formats_[insertion_], change));
        return;
    }
    std::unordered_map<std::uint32_t, std::uint32_t> changed;
    for (int at = start; at < end; ++at) {
        std::uint32_t& index = charFormats_[static_cast<std::size_t>(at)];
        auto found = changed.find(index);
        if (found == changed.end())
            found = changed.emplace(index, Intern(Changed(formats_[index], change))).first;
        index = found->second;
    }
    insertion_ = FormatBefore(SelectionStart());
}

void RichText::SetDefaultFormat(const CHARFORMATA& change) {
    const bool insertingDefault = insertion_ == default_;
    default_ = Intern(Changed(formats_[default_], change));
    if (insertingDefault) insertion_ = default_;
}

void RichText::GetCharFormat(int start, int end, CHARFORMATA& out) const {
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    if (start == end) {
        Describe(formats_[insertion_], out);
        return;
    }
    const RichCharFormat& first = formats_[FormatIndexAt(start)];
    Describe(first, out);
    std::uint32_t last = FormatIndexAt(start);
    for (int at = start + 1; at < end; ++at) {
        const std::uint32_t index = FormatIndexAt(at);
        if (index == last) continue;
        last = index;
        const RichCharFormat& other = formats_[index];
        if (other.bold != first.bold) out.dwMask &= ~CFM_BOLD;
        if (other.italic != first.italic) out.dwMask &= ~CFM_ITALIC;
        if (other.underline != first.underline) out.dwMask &= ~CFM_UNDERLINE;
        if (other.face != first.face) out.dwMask &= ~CFM_FACE;
        if (other.height != first.height) out.dwMask &= ~CFM_SIZE;
        if (other.autoColor != first.autoColor || other.color != first.color) out.dwMask &= ~CFM_COLOR;
    }
}

int RichText::ParagraphOf(int position) const {
    const auto after = std::upper_bound(paragraphStarts_.begin(), paragraphStarts_.end(), position);
    return std::max(0, static_cast<int>(after - paragraphStarts_.begin()) - 1);
}

void RichText::SetParaFormat(int start, int end, const PARAFORMAT& change) {
    const int first = ParagraphOf(start), last = std::max(first, ParagraphOf(end > start ? end - 1 : end));
    for (int p = first; p <= last; ++p) {
        RichParaFormat& format = paragraphs_[static_cast<std::size_t>(p)];
        format = Changed(format, change);
    }
}

void RichText::GetParaFormat(int start, int end, PARAFORMAT& out) const {
    const int first = ParagraphOf(start), last = std::max(first, ParagraphOf(end > start ? end - 1 : end));
    const RichParaFormat& format = Paragraph(first);
    Describe(format, out);
    for (int p = first + 1; p <= last; ++p) {
        const RichParaFormat& other = Paragraph(p);
        if (other.startIndent != format.startIndent) out.dwMask &= ~PFM_STARTINDENT;
        if (other.rightIndent != format.rightIndent) out.dwMask &= ~PFM_RIGHTINDENT;
        if (other.offset != format.offset) out.dwMask &= ~PFM_OFFSET;
        if (other.alignment != format.alignment) out.dwMask &= ~PFM_ALIGNMENT;
    }
}

}  // namespace win::detail
