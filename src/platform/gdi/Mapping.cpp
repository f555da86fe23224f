#include "platform/gdi/Mapping.h"

#include <cstdint>
#include <limits>

#include "platform/gdi/Dc.h"

namespace win {
namespace {

using gdi::Dc;

template <typename Change>
BOOL ChangeMapping(HDC handle, Change change) {
    Dc* dc = gdi::LookupDc(handle);
    return dc && change(dc->state.mapping) ? TRUE : FALSE;
}

BOOL SetPoint(HDC handle, POINT gdi::Mapping::*member, POINT value, POINT* previous, bool relative) {
    return ChangeMapping(handle, [&](gdi::Mapping& m) {
        if (previous) *previous = m.*member;
        if (relative) value = POINT{(m.*member).x + value.x, (m.*member).y + value.y};
        m.*member = value;
        return true;
    });
}

BOOL SetExtent(HDC handle, SIZE gdi::Mapping::*member, SIZE value, SIZE* previous) {
    return ChangeMapping(handle, [&](gdi::Mapping& m) {
        if (previous) *previous = m.*member;
        if (m.mode != MM_ANISOTROPIC) return true;
        if (value.cx == 0 || value.cy == 0) return false;
        m.*member = value;
        return true;
    });
}

BOOL ScaleExtent(HDC handle, SIZE gdi::Mapping::*member, int xNum, int xDenom, int yNum, int yDenom,
                 SIZE* previous) {
    return ChangeMapping(handle, [&](gdi::Mapping& m) {
        if (previous) *previous = m.*member;
        if (m.mode != MM_ANISOTROPIC) return true;
        if (xDenom == 0 || yDenom == 0) return false;
        const SIZE scaled{(m.*member).cx * xNum / xDenom, (m.*member).cy * yNum / yDenom};
        if (scaled.cx == 0 || scaled.cy == 0) return false;
        m.*member = scaled;
        return true;
    });
}

template <typename T>
BOOL Get(HDC handle, T gdi::Mapping::*member, T* out) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !out) return FALSE;
    *out = dc->state.mapping.*member;
    return TRUE;
}

}  // namespace

int SetMapMode(HDC handle, int mode) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || (mode != MM_TEXT && mode != MM_ANISOTROPIC)) return 0;
    gdi::Mapping& m = dc->state.mapping;
    const int previous = m.mode;
    m.mode = mode;
    if (mode == MM_TEXT) m.windowExt = m.viewportExt = SIZE{1, 1};
    return previous;
}

int GetMapMode(HDC handle) {
    Dc* dc = gdi::LookupDc(handle);
    return dc ? dc->state.mapping.mode : 0;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetPoint(dc, &gdi::Mapping::windowOrg, POINT{x, y}, previous, false);
}
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetPoint(dc, &gdi::Mapping::viewportOrg, POINT{x, y}, previous, false);
}
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    return SetPoint(dc, &gdi::Mapping::windowOrg, POINT{dx, dy}, previous, true);
}
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    return SetPoint(dc, &gdi::Mapping::viewportOrg, POINT{dx, dy}, previous, true);
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) { return Get(dc, &gdi::Mapping::windowOrg, origin); }
BOOL GetViewportOrgEx(HDC dc, POINT* origin) { return Get(dc, &gdi::Mapping::viewportOrg, origin); }

BOOL SetWindowExtEx(HDC dc, int cx, int cy, SIZE* previous) {
    return SetExtent(dc, &gdi::Mapping::windowExt, SIZE{cx, cy}, previous);
}
BOOL SetViewportExtEx(HDC dc, int cx, int cy, SIZE* previous) {
    return SetExtent(dc, &gdi::Mapping::viewportExt, SIZE{cx, cy}, previous);
}
BOOL ScaleWindowExtEx(HDC dc, int xNum, int xDenom, int yNum, int yDenom, SIZE* previous) {
    return ScaleExtent(dc, &gdi::Mapping::windowExt, xNum, xDenom, yNum, yDenom, previous);
}
BOOL ScaleViewportExtEx(HDC dc, int xNum, int xDenom, int yNum, int yDenom, SIZE* previous) {
    return ScaleExtent(dc, &gdi::Mapping::viewportExt, xNum, xDenom, yNum, yDenom, previous);
}
BOOL GetWindowExtEx(HDC dc, SIZE* extent) { return Get(dc, &gdi::Mapping::windowExt, extent); }
BOOL GetViewportExtEx(HDC dc, SIZE* extent) { return Get(dc, &gdi::Mapping::viewportExt, extent); }

BOOL LPtoDP(HDC handle, POINT* points, int count) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || (!points && count > 0)) return FALSE;
    for (int k = 0; k < count; ++k) points[k] = dc->state.mapping.ToDevice(points[k]);
    return TRUE;
}

BOOL DPtoLP(HDC handle, POINT* points, int count) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || (!points && count > 0)) return FALSE;
    for (int k = 0; k < count; ++k) points[k] = dc->state.mapping.ToLogical(points[k]);
    return TRUE;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) product = -product, divisor = -divisor;
    const std::int64_t half = divisor / 2;
    const std::int64_t result = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(result);
}

}  // namespace win
