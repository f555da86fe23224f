#include "widgets/PopUpMenuItem.h"

#include <cstring>

PopUpMenuItem::PopUpMenuItem(const PopUpMenuItem& other)
    : TObject(other), flags_(other.flags_), index_(other.index_), text_(other.text_), style_(other.style_) {}

PopUpMenuItem& PopUpMenuItem::operator=(const PopUpMenuItem& other) {
    if (this == &other) return *this;
    flags_ = other.flags_;
    index_ = other.index_;
    text_.Assign(other.text_);
    style_ = other.style_;
    return *this;
}

void PopUpMenuItem::Set(const char* text, std::int32_t index) {
    text_.Assign(text);
    index_ = index;
    if (text && std::strcmp(text, "-") == 0) flags_ |= kDisabled | kSeparator;
}

const char* PopUpMenuItem::GetText() const { return text_.CStr() ? text_.CStr() : ""; }
