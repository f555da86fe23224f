#include "platform/gdi/Cursor.h"

#include <algorithm>
#include <map>
#include <memory>
#include <unordered_set>

#include "platform/gdi/StockCursors.h"

namespace win {
namespace {

struct Cursor {
    CursorImage image;
    bool stock = false;
};

struct CursorState {
    std::unordered_set<const Cursor*> live;  // made by CreateCursor
    std::map<WORD, std::unique_ptr<Cursor>> stock;
    HCURSOR current = nullptr;
    CursorDisplayHook hook = nullptr;
};

// Never destroyed: cursors may still be let go of while the program shuts down.
CursorState& State() {
    static CursorState* state = new CursorState;
    return *state;
}

HCURSOR HandleOf(Cursor* cursor) { return reinterpret_cast<HCURSOR>(cursor); }

Cursor* LookupCursor(HCURSOR handle) {
    CursorState& state = State();
    auto* cursor = reinterpret_cast<Cursor*>(handle);
    if (!handle) return nullptr;
    if (state.live.contains(cursor)) return cursor;
    for (auto& [id, stock] : state.stock) {
        if (stock.get() == cursor) return cursor;
    }
    return nullptr;
}

bool PlaneBit(const BYTE* plane, int rowBytes, int x, int y) {
    return (plane[y * rowBytes + x / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance || !IS_INTRESOURCE(name)) return nullptr;
    const WORD id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    CursorState& state = State();
    auto& slot = state.stock[id];
    if (!slot) {
        CursorImage image = gdi::StockCursorImage(id);
        if (image.pixels.empty()) {
            state.stock.erase(id);
            return nullptr;
        }
        slot = std::make_unique<Cursor>(Cursor{std::move(image), true});
    }
    return HandleOf(slot.get());
}

HCURSOR CreateCursor(HINSTANCE, int xHotSpot, int yHotSpot, int width, int height, LPCVOID andPlane,
                     LPCVOID xorPlane) {
    if (!andPlane || !xorPlane || width < 1 || height < 1 || width > 256 || height > 256) return nullptr;
    auto cursor = std::make_unique<Cursor>();
    CursorImage& image = cursor->image;
    image.width = width;
    image.height = height;
    image.hotSpot = POINT{std::clamp(xHotSpot, 0, width - 1), std::clamp(yHotSpot, 0, height - 1)};
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const int rowBytes = BitmapWidthBytes(width, 1);
    const auto* andBits = static_cast<const BYTE*>(andPlane);
    const auto* xorBits = static_cast<const BYTE*>(xorPlane);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool a = PlaneBit(andBits, rowBytes, x, y);
            const bool b = PlaneBit(xorBits, rowBytes, x, y);
            image.pixels[static_cast<std::size_t>(y * width + x)] =
                a && !b ? 0 : (!a && b ? 0xFFFFFFFF : 0xFF000000);
        }
    }
    Cursor* made = cursor.release();
    State().live.insert(made);
    return HandleOf(made);
}

BOOL DestroyCursor(HCURSOR handle) {
    Cursor* cursor = LookupCursor(handle);
    if (!cursor) return FALSE;
    if (cursor->stock) return TRUE;
    CursorState& state = State();
    if (state.current == handle) SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    state.live.erase(cursor);
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR handle) {
    if (handle && !LookupCursor(handle)) return nullptr;
    CursorState& state = State();
    HCURSOR previous = state.current;
    state.current = handle;
    if (state.hook) state.hook(handle);
    return previous;
}

HCURSOR GetCursor() { return State().current; }

CursorDisplayHook SetCursorDisplayHook(CursorDisplayHook hook) {
    CursorDisplayHook previous = State().hook;
    State().hook = hook;
    return previous;
}

const CursorImage* GetCursorImage(HCURSOR handle) {
    Cursor* cursor = LookupCursor(handle);
    return cursor ? &cursor->image : nullptr;
}

long GetLiveCursorCount() { return static_cast<long>(State().live.size()); }

}  // namespace win
