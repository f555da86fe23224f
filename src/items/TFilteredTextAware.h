#pragma once
// What a text field carries so that its stored text and the text the user sees may differ: a text
// filter (not owned), through which the text is decoded on its way into the field and encoded on
// its way out. Windows give their fields the shared converter, so that stored texts keep their
// escapes while the user sees and types the plain characters. Without a filter the text passes as
// it is.

#include <cstdint>

class ITextFilter;

class TFilteredTextAware {
public:
    virtual ~TFilteredTextAware() = default;

    // The text as the field shows it, into a buffer of the size (always ended with a NUL).
    virtual void GetRawText(char* buffer, std::uint32_t size) = 0;
    // Shows the text as it stands.
    virtual void SetRawText(const char* text) = 0;

    void SetTextFilter(const ITextFilter* filter) { filter_ = filter; }
    const ITextFilter* GetTextFilter() const { return filter_; }

protected:
    TFilteredTextAware() = default;
    TFilteredTextAware(const TFilteredTextAware&) = default;
    TFilteredTextAware& operator=(const TFilteredTextAware&) = default;

private:
    const ITextFilter* filter_ = nullptr;
};
