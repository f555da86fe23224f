#include "platform/ui/Bevels.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/SystemColors.h"
#include "platform/ui/Rects.h"

namespace win::detail {
namespace {

RECT Inside(RECT r) {
    InflateRect(&r, -1, -1);
    return r;
}

}  // namespace

void FillSysColor(HDC dc, const RECT& r, int colorIndex) { FillRect(dc, &r, GetSysColorBrush(colorIndex)); }

void DrawEdgeLines(HDC dc, const RECT& r, int topLeft, int bottomRight) {
    FillSysColor(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSysColor(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSysColor(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSysColor(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void DrawRaisedEdge(HDC dc, const RECT& r) {
    DrawEdgeLines(dc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
    DrawEdgeLines(dc, Inside(r), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
}

void DrawSunkenEdge(HDC dc, const RECT& r) {
    DrawEdgeLines(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    DrawEdgeLines(dc, Inside(r), COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

}  // namespace win::detail
