#include "platform/ui/Rects.h"

#include <algorithm>

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

BOOL IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    if (a == nullptr || b == nullptr) return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom ? TRUE : FALSE;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    if (rect == nullptr) return FALSE;
    return point.x >= rect->left && point.x < rect->right && point.y >= rect->top && point.y < rect->bottom ? TRUE
                                                                                                              : FALSE;
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
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (r.right <= r.left || r.bottom <= r.top) {
        *destination = RECT{};
        return FALSE;
    }
    *destination = r;
    return TRUE;
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
        *destination = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                            std::max(a->bottom, b->bottom)};
    }
    return TRUE;
}

}  // namespace win
