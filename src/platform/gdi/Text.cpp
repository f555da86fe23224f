#include "platform/gdi/Text.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "platform/gdi/Dc.h"
#include "platform/gdi/Shapes.h"

namespace win {
namespace {

using gdi::Dc;
using gdi::DPoint;

std::size_t TextLength(LPCSTR text, int count) {
    if (!text) return 0;
    return count < 0 ? std::strlen(text) : static_cast<std::size_t>(count);
}

// The sum of the characters' advances in the font: what measuring answers and drawing covers.
LONG AdvancesOf(const gdi::FontMetrics& metrics, const char* text, std::size_t count) {
    LONG width = 0;
    for (std::size_t k = 0; k < count; ++k) width += metrics.advance[static_cast<unsigned char>(text[k])];
    return width;
}

// Lays text out along the baseline of the selected font (turned by its escapement) and draws it.
class TextPainter {
public:
    explicit TextPainter(Dc& dc) : dc_(dc), font_(*dc.state.font), metrics_(font_.Metrics()) {
        const double angle = font_.Record().lfEscapement / 10.0 * std::numbers::pi / 180.0;
        along_ = DPoint{std::cos(angle), -std::sin(angle)};
        up_ = DPoint{along_.y, -along_.x};
        angle_ = angle;
    }

    const gdi::FontMetrics& Metrics() const { return metrics_; }

    LONG Width(const char* text, std::size_t count) const { return AdvancesOf(metrics_, text, count); }
    LONG Advance(char c) const { return metrics_.advance[static_cast<unsigned char>(c)]; }

    DPoint Move(DPoint p, double distance, double rise = 0) const {
        return DPoint{p.x + along_.x * distance + up_.x * rise, p.y + along_.y * distance + up_.y * rise};
    }

    // The baseline origin of text `width` long whose reference point is `ref` under `align`.
    DPoint Origin(DPoint ref, LONG width, UINT align) const {
        const UINT horizontal = align & (TA_CENTER | TA_RIGHT);
        LONG shift = 0;
        if (horizontal == TA_RIGHT) shift = -width;
        if (horizontal == TA_CENTER) shift = -(width / 2);
        double rise = 0;
        const UINT vertical = align & TA_BASELINE;
        if (vertical == TA_TOP) rise = -metrics_.text.tmAscent;
        if (vertical == TA_BOTTOM) rise = metrics_.text.tmDescent;
        return Move(ref, shift, rise);
    }

    // Fills a band along the baseline from `from` to `to` (distances from origin), between `low`
    // and `high` above it, with the colour.
    void FillBand(DPoint origin, double from, double to, double low, double high, COLORREF color,
                  const Region* clip) {
        const DPoint corners[] = {Move(origin, from, high), Move(origin, to, high), Move(origin, to, low),
                                  Move(origin, from, low)};
        std::vector<POINT> device;
        for (const DPoint& p : corners) {
            device.push_back(POINT{static_cast<LONG>(std::lround(dc_.state.mapping.DeviceX(p.x))),
                                   static_cast<LONG>(std::lround(dc_.state.mapping.DeviceY(p.y)))});
        }
        Region band = gdi::PolygonRegion(device, WINDING, dc_.DrawLimit());
        if (clip) band &= *clip;
        dc_.FillArea(band, dc_.SolidPaint(color), R2_COPYPEN);
    }

    void FillCell(DPoint origin, double width, const Region* clip) {
        FillBand(origin, 0, width, -metrics_.text.tmDescent, metrics_.text.tmAscent, dc_.state.bkColor, clip);
    }

    // A line of at least one device pixel, `offset` below the baseline.
    void Rule(DPoint origin, double from, double to, double offset, const Region* clip) {
        const double pixel = 1.0 / std::max(1e-9, std::fabs(dc_.state.mapping.ScaleY()));
        const double thickness = std::max(metrics_.lineThickness, pixel);
        FillBand(origin, from, to, -offset - thickness / 2, -offset + thickness / 2, dc_.state.textColor,
                 clip);
    }

    // Draws the glyphs with the first one's origin at `origin`, each a whole number of units past
    // the one before; `dx` (if given) holds the advances. Answers the distance covered.
    LONG Draw(DPoint origin, const char* text, std::size_t count, const INT* dx, const Region* clip) {
        LONG distance = 0;
        gdi::Canvas* canvas = dc_.GetDevice().GetCanvas();
        gdi::GlyphRun run;
        run.glyphs.reserve(count);
        const gdi::Mapping& m = dc_.state.mapping;
        for (std::size_t k = 0; k < count; ++k) {
            const auto byte = static_cast<unsigned char>(text[k]);
            const DPoint at = Move(origin, distance);
            run.glyphs.push_back({metrics_.glyph[byte], m.DeviceX(at.x), m.DeviceY(at.y)});
            distance += dx ? dx[k] : metrics_.advance[byte];
        }
        if (canvas && count > 0) {
            run.face = font_.Realized().face;
            run.sizeX = metrics_.emSize * metrics_.xScale * std::fabs(m.ScaleX());
            run.sizeY = metrics_.emSize * std::fabs(m.ScaleY());
            run.angle = angle_;
            run.pixel = dc_.DrawPixel(dc_.state.textColor);
            const Region area = clip ? dc_.VisibleClip() & *clip : dc_.VisibleClip();
            canvas->DrawGlyphs(run, area);
        }
        if (font_.Record().lfUnderline) Rule(origin, 0, distance, metrics_.underlineOffset, clip);
        if (font_.Record().lfStrikeOut) Rule(origin, 0, distance, -metrics_.strikeOffset, clip);
        return distance;
    }

private:
    Dc& dc_;
    gdi::Font& font_;
    const gdi::FontMetrics& metrics_;
    DPoint along_{1, 0};
    DPoint up_{0, -1};
    double angle_ = 0;
};

// Tab stops: where a tab at `position` (relative to the origin of the stops) takes the text.
struct TabStops {
    int count = 0;
    const INT* stops = nullptr;
    LONG origin = 0;
    LONG defaultWidth = 8;
    LONG space = 4;

    LONG Next(LONG position) const {
        const LONG relative = position - origin;
        if (count <= 1 || !stops) {
            const LONG every = count == 1 && stops && stops[0] > 0 ? stops[0] : defaultWidth;
            const auto passed = static_cast<LONG>(std::floor(static_cast<double>(relative) / every));
            return origin + (passed + 1) * every;
        }
        for (int k = 0; k < count; ++k) {
            if (std::abs(stops[k]) > relative) return origin + std::abs(stops[k]);
        }
        return position + space;
    }
};

TabStops MakeStops(const TextPainter& painter, int count, const INT* stops, LONG origin) {
    TabStops tabs{count, stops, origin};
    tabs.defaultWidth = std::max<LONG>(1, painter.Metrics().text.tmAveCharWidth * 8);
    tabs.space = painter.Advance(' ');
    return tabs;
}

// Walks the text piece by piece between tabs: visit(position, piece, length) for each piece;
// answers the end position.
template <typename Visit>
LONG WalkTabs(const TextPainter& painter, const char* text, std::size_t count, LONG start,
              const TabStops& tabs, Visit visit) {
    LONG position = start;
    std::size_t pieceStart = 0;
    for (std::size_t k = 0; k <= count; ++k) {
        if (k < count && text[k] != '\t') continue;
        visit(position, text + pieceStart, k - pieceStart);
        position += painter.Width(text + pieceStart, k - pieceStart);
        if (k < count) position = tabs.Next(position);
        pieceStart = k + 1;
    }
    return position;
}

}  // namespace

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
    return ExtTextOutA(dc, x, y, 0, nullptr, text, static_cast<UINT>(std::max(count, 0)), nullptr);
}

BOOL ExtTextOutA(HDC handle, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || (!text && count > 0)) return FALSE;
    TextPainter painter(*dc);
    LONG extent = 0;
    for (UINT k = 0; k < count; ++k) extent += dx ? dx[k] : painter.Advance(text[k]);
    const UINT align = dc->state.textAlign;
    const bool updateCp = align & TA_UPDATECP;
    const DPoint ref = updateCp ? DPoint{static_cast<double>(dc->state.position.x),
                                         static_cast<double>(dc->state.position.y)}
                                : DPoint{static_cast<double>(x), static_cast<double>(y)};
    const DPoint origin = painter.Origin(ref, extent, align);

    std::optional<Region> clip;
    if (rect) {
        const Region box(dc->ToDevice(*rect));
        if (options & ETO_OPAQUE) dc->FillArea(box, dc->SolidPaint(dc->state.bkColor), R2_COPYPEN);
        if (options & ETO_CLIPPED) clip = box;
    }
    if (dc->state.bkMode == OPAQUE) painter.FillCell(origin, extent, clip ? &*clip : nullptr);
    painter.Draw(origin, text, count, dx, clip ? &*clip : nullptr);

    if (updateCp) {
        const UINT horizontal = align & (TA_CENTER | TA_RIGHT);
        if (horizontal != TA_CENTER) {
            const DPoint moved = painter.Move(ref, horizontal == TA_RIGHT ? -extent : extent);
            dc->state.position =
                POINT{static_cast<LONG>(std::lround(moved.x)), static_cast<LONG>(std::lround(moved.y))};
        }
    }
    return TRUE;
}

LONG TabbedTextOutA(HDC handle, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops,
                    int tabOrigin) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !text) return 0;
    const std::size_t length = TextLength(text, count);
    TextPainter painter(*dc);
    const bool updateCp = dc->state.textAlign & TA_UPDATECP;
    const DPoint ref = updateCp ? DPoint{static_cast<double>(dc->state.position.x),
                                         static_cast<double>(dc->state.position.y)}
                                : DPoint{static_cast<double>(x), static_cast<double>(y)};
    const TabStops tabs = MakeStops(painter, tabCount, tabStops, tabOrigin - std::lround(ref.x));
    const LONG extent = WalkTabs(painter, text, length, 0, tabs, [](LONG, const char*, std::size_t) {});
    const DPoint origin = painter.Origin(ref, 0, dc->state.textAlign & TA_BASELINE);
    if (dc->state.bkMode == OPAQUE) painter.FillCell(origin, extent, nullptr);
    WalkTabs(painter, text, length, 0, tabs, [&](LONG position, const char* piece, std::size_t pieceLength) {
        painter.Draw(painter.Move(origin, position), piece, pieceLength, nullptr, nullptr);
    });
    if (updateCp) dc->state.position.x = static_cast<LONG>(std::lround(ref.x)) + extent;
    return MAKELONG(static_cast<WORD>(extent), static_cast<WORD>(painter.Metrics().text.tmHeight));
}

DWORD GetTabbedTextExtentA(HDC handle, LPCSTR text, int count, int tabCount, const INT* tabStops) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !text) return 0;
    TextPainter painter(*dc);
    const TabStops tabs = MakeStops(painter, tabCount, tabStops, 0);
    const LONG extent =
        WalkTabs(painter, text, TextLength(text, count), 0, tabs, [](LONG, const char*, std::size_t) {});
    return static_cast<DWORD>(
        MAKELONG(static_cast<WORD>(extent), static_cast<WORD>(painter.Metrics().text.tmHeight)));
}

BOOL GetTextExtentPointA(HDC handle, LPCSTR text, int count, SIZE* size) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !size || (!text && count > 0) || count < 0) return FALSE;
    if (count == 0) {
        *size = SIZE{0, 0};  // nothing measured has no height either
        return TRUE;
    }
    // Measuring needs the font's advances only, not the painter's turn along the escapement.
    const gdi::FontMetrics& metrics = dc->state.font->Metrics();
    *size = SIZE{AdvancesOf(metrics, text, static_cast<std::size_t>(count)), metrics.text.tmHeight};
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size) {
    return GetTextExtentPointA(dc, text, count, size);
}

BOOL GetCharWidth32A(HDC handle, UINT first, UINT last, INT* widths) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !widths || first > last || last > 0xFF) return FALSE;
    const TextPainter painter(*dc);
    for (UINT c = first; c <= last; ++c) *widths++ = painter.Advance(static_cast<char>(c));
    return TRUE;
}

BOOL GetTextMetricsA(HDC handle, TEXTMETRICA* metrics) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !metrics) return FALSE;
    *metrics = dc->state.font->Metrics().text;
    return TRUE;
}

int GetTextFaceA(HDC handle, int count, LPSTR name) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return 0;
    const std::string face = gdi::ReportedFaceName(dc->state.font->Record());
    if (!name) return static_cast<int>(face.size()) + 1;
    if (count <= 0) return 0;
    const std::size_t copied = std::min(face.size(), static_cast<std::size_t>(count - 1));
    std::memcpy(name, face.data(), copied);
    name[copied] = '\0';
    return static_cast<int>(copied);
}

int DrawTextA(HDC handle, LPCSTR text, int count, RECT* rect, UINT format) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !rect || !text) return 0;
    // Empty text draws nothing and has no height. Given no characters, the rectangle stays as it
    // is; an empty string measures as an empty rectangle at its top-left corner.
    const std::size_t length = TextLength(text, count);
    if (length == 0) {
        if ((format & DT_CALCRECT) && count < 0) {
            rect->right = rect->left;
            rect->bottom = rect->top;
        }
        return 0;
    }
    TextPainter painter(*dc);
    const gdi::FontMetrics& metrics = painter.Metrics();

    // Lines, with prefix marks taken out; `underlined` is the index of the marked character or -1.
    struct Line {
        std::string text;
        long underlined = -1;
    };
    std::vector<Line> lines(1);
    for (std::size_t k = 0; k < length; ++k) {
        const char c = text[k];
        if (!(format & DT_SINGLELINE) &&
            (c == '\n' || (c == '\r' && k + 1 < length && text[k + 1] == '\n'))) {
            if (c == '\r') ++k;
            lines.emplace_back();
            continue;
        }
        if (!(format & DT_NOPREFIX) && c == '&' && k + 1 < length) {
            ++k;
            if (text[k] != '&') lines.back().underlined = static_cast<long>(lines.back().text.size());
        }
        lines.back().text += text[k];
    }

    const TabStops tabs = MakeStops(painter, 0, nullptr, 0);
    auto lineWidth = [&](const std::string& line) {
        if (!(format & DT_EXPANDTABS)) return painter.Width(line.data(), line.size());
        return WalkTabs(painter, line.data(), line.size(), 0, tabs, [](LONG, const char*, std::size_t) {});
    };
    const LONG lineHeight =
        metrics.text.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.text.tmExternalLeading : 0);
    const LONG height = lineHeight * static_cast<LONG>(lines.size());
    if (format & DT_CALCRECT) {
        LONG widest = 0;
        for (const Line& line : lines) widest = std::max(widest, lineWidth(line.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    LONG top = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) top = rect->top + (rect->bottom - rect->top - height) / 2;
        if (format & DT_BOTTOM) top = rect->bottom - height;
    }
    std::optional<Region> clip;
    if (!(format & DT_NOCLIP)) clip = Region(dc->ToDevice(*rect));
    const Region* clipArea = clip ? &*clip : nullptr;
    for (const Line& line : lines) {
        const LONG width = lineWidth(line.text);
        LONG left = rect->left;
        if (format & DT_CENTER) left = rect->left + (rect->right - rect->left - width) / 2;
        if (format & DT_RIGHT) left = rect->right - width;
        const DPoint origin{static_cast<double>(left), static_cast<double>(top + metrics.text.tmAscent)};
        if (dc->state.bkMode == OPAQUE) painter.FillCell(origin, width, clipArea);
        if (format & DT_EXPANDTABS) {
            WalkTabs(painter, line.text.data(), line.text.size(), 0, tabs,
                     [&](LONG position, const char* piece, std::size_t pieceLength) {
                         painter.Draw(painter.Move(origin, position), piece, pieceLength, nullptr, clipArea);
                     });
        } else {
            painter.Draw(origin, line.text.data(), line.text.size(), nullptr, clipArea);
        }
        if (line.underlined >= 0) {
            const auto at = static_cast<std::size_t>(line.underlined);
            const LONG from = painter.Width(line.text.data(), at);
            painter.Rule(origin, from, from + painter.Advance(line.text[at]), metrics.underlineOffset,
                         clipArea);
        }
        top += lineHeight;
    }
    return height;
}

}  // namespace win
