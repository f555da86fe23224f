#pragma once
// Internal to the window layer: the text of an EDIT control without its window: the characters,
// the selection (an anchor and the caret's end), one level of undo, the modified flag and the
// length limit. Positions never fall between the CR and the LF of a line break.

#include <algorithm>
#include <string>
#include <string_view>

namespace win::detail {

class EditText {
public:
    const std::string& Text() const { return text_; }
    int Length() const { return static_cast<int>(text_.size()); }
    int Anchor() const { return anchor_; }
    int Caret() const { return caret_; }
    int SelectionStart() const { return std::min(anchor_, caret_); }
    int SelectionEnd() const { return std::max(anchor_, caret_); }
    std::string_view Selection() const;

    // Replaces the whole text: the caret at the start, no undo, not modified.
    void Reset(std::string text);
    // Positions are kept within the text.
    void Select(int anchor, int caret);

    // The limit insertions are held to; text already there or set by Reset is not cut.
    int Limit() const { return limit_; }
    void SetLimit(int limit) { limit_ = limit; }

    struct Replacement {
        bool changed = false;  // anything was removed or inserted
        bool cut = false;      // the insertion was cut to the limit
    };
    // Replaces the selection with the text (as much of it as the limit allows); the caret follows
    // the insertion. Typing continues the undo of earlier typing when `typing` is set and it
    // follows on; an insertion that cannot be undone empties the undo.
    Replacement Replace(std::string_view text, bool undoable, bool typing = false);
    // Undoes the last change, which can then be undone in turn; the restored text is selected.
    bool Undo();
    bool CanUndo() const { return undoable_; }
    void EmptyUndo() { undoable_ = false; }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Moving by characters (a line break is one step) and by words.
    int Before(int position) const;
    int After(int position) const;
    int PreviousWord(int position) const;  // the start of the word before (or at) the position
    int NextWord(int position) const;      // the start of the next word
    // The word at a position with the blanks after it; or the run of blanks there.
    std::pair<int, int> WordAt(int position) const;

private:
    int Clamp(int position) const;

    struct UndoStep {
        int at = 0;
        std::string removed;
        std::string inserted;
    };
    std::string text_;
    int anchor_ = 0;
    int caret_ = 0;
    int limit_ = 30000;
    UndoStep undo_;
    bool undoable_ = false;
    bool lastWasTyping_ = false;
    bool modified_ = false;
};

}  // namespace win::detail
