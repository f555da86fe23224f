#pragma once
// One item of a scrolling menu: its text, the position it was appended at, its check, disabled,
// grey and separator states, and the text style it is drawn in.

#include <cstdint>

#include "foundation/String.h"
#include "foundation/TObject.h"

class PopUpMenuItem : public TObject {
    TOBJECT_CLASS(PopUpMenuItem, TObject, 130)

public:
    // Flags.
    static constexpr std::uint16_t kChecked = 1;
    static constexpr std::uint16_t kDisabled = 2;   // cannot be picked or highlighted
    static constexpr std::uint16_t kGrey = 4;       // drawn in grey
    static constexpr std::uint16_t kSeparator = 8;  // drawn as a line
    // The style that leaves the menu font as it is.
    static constexpr std::uint32_t kKeepFont = 0x80;

    PopUpMenuItem() = default;
    PopUpMenuItem(const PopUpMenuItem& other);
    PopUpMenuItem& operator=(const PopUpMenuItem& other);

    // The text "-" makes the item a separator that cannot be picked.
    void Set(const char* text, std::int32_t index);
    // The text, "" when empty.
    const char* GetText() const;
    std::int32_t GetIndex() const { return index_; }

    bool IsChecked() const { return (flags_ & kChecked) != 0; }
    void SetChecked() { flags_ |= kChecked; }
    void ClearChecked() { flags_ &= static_cast<std::uint16_t>(~kChecked); }
    bool IsDisabled() const { return (flags_ & kDisabled) != 0; }
    void SetDisabled() { flags_ |= kDisabled; }
    void ClearDisabled() { flags_ &= static_cast<std::uint16_t>(~kDisabled); }
    bool IsGrey() const { return (flags_ & kGrey) != 0; }
    void SetGrey() { flags_ |= kGrey; }
    void ClearGrey() { flags_ &= static_cast<std::uint16_t>(~kGrey); }
    bool IsSeparator() const { return (flags_ & kSeparator) != 0; }
    void SetSeparator() { flags_ |= kSeparator; }
    void ClearSeparator() { flags_ &= static_cast<std::uint16_t>(~kSeparator); }
    // Disabling makes the item grey too; enabling clears both.
    void Disable() { flags_ |= kDisabled | kGrey; }
    void Enable() { flags_ &= static_cast<std::uint16_t>(~(kDisabled | kGrey)); }
    std::uint16_t GetFlags() const { return flags_; }

    std::uint32_t GetStyle() const { return style_; }
    void SetStyle(std::uint32_t style) { style_ = style; }

private:
    std::uint16_t flags_ = 0;
    std::int32_t index_ = 0;
    String text_;
    std::uint32_t style_ = 0;
};
