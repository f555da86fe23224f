#include "platform/ui/Rects.h"

#include <algorithm>

#include "platform/gdi/Region.h"

namespace win {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(RECT* destination, const RECT* source) {
    if (destination == nullptr || source == nullptr) return FALSE;
    *destination = *source;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) { return rect == nullptr || IsRectEmpty(*rect) ? TRUE : FALSE; }

BOOL EqualRect(const RECT* a, const RECT* b) {
    if (a == nullptr || b == nullptr) return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom ? TRUE
                                                                                                    : FALSE;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect != nullptr && RectContains(*rect, point) ? TRUE : FALSE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b) {
    if (destination == nullptr || a == nullptr || b == nullptr) return FALSE;
    *destination = IntersectRects(*a, *b);
    return IsRectEmpty(*destination) ? FALSE : TRUE;
}

BOOL UnionRect(RECT* destination, const RECT* a, const RECT* b) {
    if (destination == nullptr || a == nullptr || b == nullptr) return FALSE;
    const bool aEmpty = IsRectEmpty(a), bEmpty = IsRectEmpty(b);
    if (aEmpty && bEmpty) {
        *destination = RECT{};
        return FALSE;
    }
    if (aEmpty) {
        *destination = *b;
    } else if (bEmpty) {
        *destination = *a;
    } else {
        *destination = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                            std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return TRUE;
}

}  // namespace win
