// Wrapped styled text: making, relaying and what a layout holds.

#include "items/TextWrap.h"

#include <utility>

#include <algorithm>

#include "foundation/IFile.h"
#include "framework/BusyCursor.h"
#include "framework/InputHelpers.h"

TextWrap::TextWrap(TGraphEnv& env, ShortRect& rect, const char* text, const win::LOGFONTA& font)
    : rect_(rect), baseFont_(font), font_(font) {
    Layout(env, text);
    rect.bottom = rect_.bottom;
}

TextWrap::TextWrap(TGraphEnv& env, ShortRect& rect, std::string&& text, const win::LOGFONTA& font)
    : rect_(rect), baseFont_(font), font_(font) {
    text_ = std::move(text);
    Layout(env, nullptr);
    rect.bottom = rect_.bottom;
}

TextWrap::~TextWrap() = default;

void TextWrap::Rewrap(TGraphEnv& env, const ShortRect* rect) {
    if (text_.empty()) return;
    if (rect) rect_ = *rect;
    FreeLayout();
    Layout(env, nullptr);
}

void TextWrap::FreeLayout() {
    lines_.clear();
    changes_.clear();
    styles_.clear();
    lastCodeEnd_ = -1;
    pageBreaks_.clear();
}

bool TextWrap::HasPageBreakAfter(std::uint32_t line) const {
    return std::binary_search(pageBreaks_.begin(), pageBreaks_.end(), line);
}

void TextWrap::SetFont(const win::LOGFONTA& font) { baseFont_ = font; }

std::int32_t TextWrap::GetLineHeight(std::uint32_t line) const {
    return line < lines_.size() ? lines_[line].height : 0;
}

std::int32_t TextWrap::LinesInHeight(std::int32_t height) const {
    if (height < 1 || lineHeight_ == 0) return 0;
    return height / lineHeight_;
}

std::uint32_t TextWrap::WritePlainText(IWriteFile& file) const {
    const BusyCursor busy;
    // Held down together, Ctrl and Alt ask for the text as it is stored, codes and all.
    if (IsControlKeyDown(0) && IsAltKeyDown(0)) {
        std::uint32_t count = static_cast<std::uint32_t>(text_.size());
        if (count > 0) file.Write(text_.data(), count);
        return count;
    }
    std::uint32_t written = 0;
    auto put = [&](char byte) {
        if (file.WriteByte(static_cast<std::uint8_t>(byte)) != kNoErr) return false;
        ++written;
        return true;
    };
    StyleCodeResult result;
    for (std::uint32_t position = 0; position < text_.size();) {
        if (text_[position] == kStyleCodeStart &&
            IsWellFormedCode(ParseStyleCode(text_.c_str(), position, result))) {
            continue;
        }
        const char byte = text_[position++];
        const bool lineEnd = byte == '\r' || byte == '\n';
        if (lineEnd ? !(put('\r') && put('\n')) : !put(byte)) break;
    }
    return written;
}
