#include "platform/ui/EditText.h"

#include <algorithm>

namespace win::detail {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsBreak(char c) { return c == '\r' || c == '\n'; }
bool IsWordCharacter(char c) { return !IsBlank(c) && !IsBreak(c); }

}  // namespace

std::string_view EditText::Selection() const {
    return std::string_view(text_).substr(static_cast<std::size_t>(SelectionStart()),
                                          static_cast<std::size_t>(SelectionEnd() - SelectionStart()));
}

int EditText::Clamp(int position) const {
    position = std::clamp(position, 0, Length());
    const auto at = static_cast<std::size_t>(position);
    if (position > 0 && at < text_.size() && text_[at - 1] == '\r' && text_[at] == '\n') --position;
    return position;
}

void EditText::Reset(std::string text) {
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    undoable_ = false;
    lastWasTyping_ = false;
    modified_ = false;
}

void EditText::Select(int anchor, int caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
    lastWasTyping_ = false;
}

EditText::Replacement EditText::Replace(std::string_view text, bool undoable, bool typing) {
    const int start = SelectionStart();
    const int removedLength = SelectionEnd() - start;
    const long long room = static_cast<long long>(limit_) - (Length() - removedLength);
    Replacement result;
    if (static_cast<long long>(text.size()) > std::max(0LL, room)) {
        text = text.substr(0, static_cast<std::size_t>(std::max(0LL, room)));
        // Never leave half a line break behind.
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        result.cut = true;
    }
    if (removedLength == 0 && text.empty()) return result;
    const bool continues = typing && lastWasTyping_ && undoable_ && removedLength == 0 &&
                           start == undo_.at + static_cast<int>(undo_.inserted.size());
    const std::string removed =
        text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(removedLength));
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(removedLength), text);
    if (continues) {
        undo_.inserted.append(text);
    } else if (undoable) {
        undo_ = UndoStep{start, removed, std::string(text)};
    }
    undoable_ = undoable || continues;
    lastWasTyping_ = typing;
    anchor_ = caret_ = start + static_cast<int>(text.size());
    modified_ = true;
    result.changed = true;
    return result;
}

bool EditText::Undo() {
    if (!undoable_) return false;
    const auto at = static_cast<std::size_t>(undo_.at);
    text_.replace(at, undo_.inserted.size(), undo_.removed);
    std::swap(undo_.removed, undo_.inserted);
    anchor_ = undo_.at;
    caret_ = undo_.at + static_cast<int>(undo_.inserted.size());
    lastWasTyping_ = false;
    modified_ = true;
    return true;
}

int EditText::Before(int position) const {
    position = Clamp(position);
    if (position == 0) return 0;
    return Clamp(position - 1);
}

int EditText::After(int position) const {
    position = Clamp(position);
    const auto at = static_cast<std::size_t>(position);
    if (at + 1 < text_.size() && text_[at] == '\r' && text_[at + 1] == '\n') return position + 2;
    return std::min(position + 1, Length());
}

int EditText::PreviousWord(int position) const {
    position = Clamp(position);
    auto at = [&](int i) { return text_[static_cast<std::size_t>(i)]; };
    while (position > 0 && IsBlank(at(position - 1))) --position;
    if (position > 0 && IsBreak(at(position - 1))) return Before(position);
    while (position > 0 && IsWordCharacter(at(position - 1))) --position;
    return position;
}

int EditText::NextWord(int position) const {
    position = Clamp(position);
    auto at = [&](int i) { return text_[static_cast<std::size_t>(i)]; };
    if (position < Length() && IsBreak(at(position))) return After(position);
    while (position < Length() && IsWordCharacter(at(position))) ++position;
    while (position < Length() && IsBlank(at(position))) ++position;
    return position;
}

std::pair<int, int> EditText::WordAt(int position) const {
    position = Clamp(position);
    auto at = [&](int i) { return text_[static_cast<std::size_t>(i)]; };
    if (position < Length() && IsBreak(at(position))) return {position, position};
    int start = position, end = position;
    if (position < Length() && IsBlank(at(position))) {
        while (start > 0 && IsBlank(at(start - 1))) --start;
        while (end < Length() && IsBlank(at(end))) ++end;
        return {start, end};
    }
    while (start > 0 && IsWordCharacter(at(start - 1))) --start;
    while (end < Length() && IsWordCharacter(at(end))) ++end;
    while (end < Length() && IsBlank(at(end))) ++end;
    return {start, end};
}

}  // namespace win::detail
