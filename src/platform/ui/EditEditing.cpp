// EDIT controls: storing the text, through the limits the control keeps.

#include <optional>

#include "platform/sys/Cp1252.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"

namespace win::detail {
namespace {

// A field that does not scroll holds only what it shows: one line within its width, or the lines
// that fit its height.
bool HoldsOnlyWhatItShows(DWORD style) {
    return IsMultiLine(style) ? !(style & ES_AUTOVSCROLL) : !(style & ES_AUTOHSCROLL);
}

bool ShowsAll(const EditState& state, DWORD style) {
    if (IsMultiLine(style)) return static_cast<int>(state.lines.size()) <= VisibleLines(state);
    return state.measure.After(state.text.Text(), 0) <= state.format.right - state.format.left;
}

std::string AsStyled(DWORD style, std::string_view text) {
    std::string result(text);
    if (style & ES_UPPERCASE) {
        for (char& c : result) c = Cp1252ToUpper(c);
    }
    return result;
}

}  // namespace

// The limit holds the program's insertions as it holds the user's.
EditText::Replacement EditState::Replace(HWND window, std::string_view inserted, bool undoable, bool,
                                         bool typing) {
    const DWORD style = StyleOf(window);
    std::optional<EditText> before;
    if (HoldsOnlyWhatItShows(style)) before = text;
    EditText::Replacement result = text.Replace(AsStyled(style, inserted), undoable, typing);
    if (before && result.changed) {
        LayOut(window, *this);
        if (!ShowsAll(*this, style)) {
            text = *before;
            LayOut(window, *this);
            result = EditText::Replacement{false, true};
        }
    }
    return result;
}

void EditState::SetWholeText(HWND window, const char* whole) {
    ResetText(window, whole, !IsMultiLine(StyleOf(window)));
}

void EditState::ResetText(HWND window, const char* whole, bool notify) {
    text.Reset(AsStyled(StyleOf(window), whole != nullptr ? whole : ""));
    firstLine = 0;
    xOffset = 0;
    afterWrap = false;
    ShowNewText(window, notify);
}

}  // namespace win::detail
