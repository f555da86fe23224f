// RICHEDIT controls: the EM_ messages only RICHEDIT answers, and its own rules for EM_SETSEL and
// EM_LIMITTEXT.

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/SystemColors.h"
#include "platform/ui/RichEdit.h"

namespace win::detail {
namespace {

// A position as the program gives it: negative, or past the end, is the end.
int Position(const RichEditState& state, LONG_PTR position) {
    return position < 0 || position > state.text.Length() ? state.text.Length() : static_cast<int>(position);
}

LRESULT SetCharFormat(HWND window, RichEditState& state, WPARAM flags, const CHARFORMATA* change) {
    if (change == nullptr || change->cbSize != sizeof(CHARFORMATA)) return 0;
    RichText& text = state.text;
    if (flags & SCF_ALL) {
        text.SetDefaultFormat(*change);
        text.SetCharFormat(0, text.Length(), *change);
        text.SetCharFormat(text.SelectionStart(), text.SelectionStart(), *change);
    } else if (flags & SCF_SELECTION) {
        text.SetCharFormat(text.SelectionStart(), text.SelectionEnd(), *change);
    } else {
        text.SetDefaultFormat(*change);
    }
    Refresh(window, state, true, false);
    return 1;
}

LRESULT GetCharFormat(const RichEditState& state, WPARAM selection, CHARFORMATA* out) {
    if (out == nullptr || out->cbSize != sizeof(CHARFORMATA)) return 0;
    const RichText& text = state.text;
    if (selection) {
        text.GetCharFormat(text.SelectionStart(), text.SelectionEnd(), *out);
    } else {
        Describe(text.Format(text.DefaultFormat()), *out);
    }
    return out->dwMask;
}

}  // namespace

LRESULT OnRichEditMessage(HWND window, RichEditState& state, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) {
    RichText& text = state.text;
    handled = true;
    switch (message) {
        case EM_SETSEL:
            state.goalX = -1;
            SelectText(window, state, Position(state, static_cast<LONG_PTR>(wParam)),
                       Position(state, lParam));
            return TRUE;
        case EM_EXGETSEL:
            if (auto* range = reinterpret_cast<CHARRANGE*>(lParam)) {
                range->cpMin = text.SelectionStart();
                range->cpMax = text.SelectionEnd();
            }
            return 0;
        case EM_EXSETSEL: {
            const auto* range = reinterpret_cast<const CHARRANGE*>(lParam);
            if (range == nullptr) return text.SelectionEnd();
            state.goalX = -1;
            SelectText(window, state, Position(state, range->cpMin), Position(state, range->cpMax));
            return text.SelectionEnd();
        }
        case EM_SETCHARFORMAT:
            return SetCharFormat(window, state, wParam, reinterpret_cast<const CHARFORMATA*>(lParam));
        case EM_GETCHARFORMAT: return GetCharFormat(state, wParam, reinterpret_cast<CHARFORMATA*>(lParam));
        case EM_SETPARAFORMAT: {
            const auto* change = reinterpret_cast<const PARAFORMAT*>(lParam);
            if (change == nullptr || change->cbSize != sizeof(PARAFORMAT)) return 0;
            text.SetParaFormat(text.SelectionStart(), text.SelectionEnd(), *change);
            Refresh(window, state, true, false);
            return 1;
        }
        case EM_GETPARAFORMAT: {
            auto* out = reinterpret_cast<PARAFORMAT*>(lParam);
            if (out == nullptr || out->cbSize != sizeof(PARAFORMAT)) return 0;
            text.GetParaFormat(text.SelectionStart(), text.SelectionEnd(), *out);
            return out->dwMask;
        }
        case EM_SETBKGNDCOLOR: {
            const COLORREF previous = state.windowBackground ? GetSysColor(COLOR_WINDOW) : state.background;
            state.windowBackground = wParam != 0;
            state.background = static_cast<COLORREF>(lParam) & 0xFFFFFF;
            Refresh(window, state, false, false);
            return previous;
        }
        case EM_LIMITTEXT:
        case EM_EXLIMITTEXT: {
            const LONG_PTR limit = message == EM_LIMITTEXT ? static_cast<LONG_PTR>(wParam) : lParam;
            state.limit =
                limit <= 0 ? kRichEditLimitOfZero : static_cast<int>(std::min<LONG_PTR>(limit, INT_MAX));
            return 0;
        }
        case EM_GETTEXTLENGTHEX: return text.Length();
        case EM_SETEVENTMASK:
            return static_cast<LRESULT>(std::exchange(state.eventMask, static_cast<DWORD>(lParam)));
        case EM_GETEVENTMASK: return state.eventMask;
        case EM_GETFIRSTVISIBLELINE: return RichLineAt(LaidOut(window, state), state.yOffset);
        default: handled = false; return 0;
    }
}

}  // namespace win::detail
