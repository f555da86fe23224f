#pragma once
// Wrapped text made from a template: the template is expanded for a story, the escapes of its
// user texts are decoded, and the text is laid out by the view layer's wrapped-text class.

#include <memory>
#include <string>
#include <utility>

#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/TextMacroExpander.h"

// The template expanded for the document (which may be null) and decoded, ready to be shown.
inline std::string ExpandAndDecode(IStoryDocument* document, const char* text) {
    std::string shown = ExpandText(document, text);
    SharedStringConverter().DecodeInPlace(shown.data());
    shown.resize(std::char_traits<char>::length(shown.c_str()));
    return shown;
}

// A new wrapped text, owned by the caller: Wrap is made from (what it measures with, size record,
// text, font record): a drawing environment and a layout rectangle for the view layer's wrap, which
// lays the text out in the rectangle's width and writes the height it needs into the rectangle.
template <typename Wrap, typename Measure, typename SizeRecord, typename FontRecord>
std::unique_ptr<Wrap> MakeExpandedTextWrap(IStoryDocument* document, Measure&& measure, SizeRecord& size,
                                           const char* text, const FontRecord& font) {
    const std::string shown = ExpandAndDecode(document, text);
    return std::make_unique<Wrap>(std::forward<Measure>(measure), size, shown.c_str(), font);
}
