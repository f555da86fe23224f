#pragma once
// Wrapped text made from a template: the template is expanded for a story, the escapes of its
// user texts are decoded, and the text is laid out by the view layer's wrapped-text class.

#include <memory>
#include <string>

#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/TextMacroExpander.h"

// The template expanded for the document (which may be null) and decoded, ready to be shown.
inline std::string ExpandAndDecode(IStoryDocument* document, const char* text) {
    std::string shown = ExpandText(document, text);
    SharedStringConverter().DecodeInPlace(shown.data());
    shown.resize(std::char_traits<char>::length(shown.c_str()));
    return shown;
}

// A new wrapped text, owned by the caller: Wrap is made from (width, size record, text, font
// record), lays the text out at that width and writes the height it needs into the size record.
template <typename Wrap, typename SizeRecord, typename FontRecord>
std::unique_ptr<Wrap> MakeExpandedTextWrap(IStoryDocument* document, int width, SizeRecord& size,
                                           const char* text, const FontRecord& font) {
    const std::string shown = ExpandAndDecode(document, text);
    return std::make_unique<Wrap>(width, size, shown.c_str(), font);
}
