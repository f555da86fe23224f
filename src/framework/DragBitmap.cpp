#include "framework/DragBitmap.h"

#include <cstdlib>
#include <optional>

#include "framework/InputHelpers.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"

namespace {

// The image on the window and the window's pixels it covers.
class ImageOnWindow {
public:
    ImageOnWindow(win::HWND window, QRVBitmap& image, ShortPoint at, bool saveFirst)
        : window_(window),
          image_(image),
          width_(static_cast<std::int16_t>(image.Width())),
          height_(static_cast<std::int16_t>(image.Height())),
          saved_(width_, height_, 0),
          place_(PlaceAt(at)) {
        if (saveFirst) Save(Whole());
        Draw();
    }
    ~ImageOnWindow() { Restore(Whole()); }
    ImageOnWindow(const ImageOnWindow&) = delete;
    ImageOnWindow& operator=(const ImageOnWindow&) = delete;

    bool IsNear(ShortPoint to) const {
        return std::abs(to.x - place_.left) <= width_ && std::abs(to.y - place_.top) <= height_;
    }
    // Takes the image off, lets the tracker see the window without it, and draws it at the point.
    void MoveWhole(ShortPoint to, IBitmapDragTracker* tracker, ShortPoint mouse) {
        Restore(Whole());
        if (tracker) tracker->MovingTo(mouse);
        place_ = PlaceAt(to);
        Save(Whole());
        Draw();
        if (tracker) tracker->MovingTo(mouse);
    }
    // Puts back only what the image leaves, shifts the kept pixels it still covers, keeps what it
    // comes to cover, and draws it there.
    void MoveNear(ShortPoint to) {
        const int dx = to.x - place_.left;
        const int dy = to.y - place_.top;
        // In the save bitmap's coordinates, which are the old place's.
        Restore(ColumnsOf(dx > 0 ? 0 : width_ + dx, dx > 0 ? dx : width_));
        Restore(RowsOf(dy > 0 ? 0 : height_ + dy, dy > 0 ? dy : height_));
        ShortRect staying = Whole();
        ShortRect moved = Whole();
        moved.Offset(dx, dy);
        if (staying.Intersect(moved)) {
            ShortRect shifted = staying;
            shifted.Offset(-dx, -dy);
            saved_.DrawInto(saved_, &staying, &shifted, false, win::SRCCOPY);
        }
        place_ = PlaceAt(to);
        // Now in the new place's coordinates.
        Save(ColumnsOf(dx > 0 ? width_ - dx : 0, dx > 0 ? width_ : -dx));
        Save(RowsOf(dy > 0 ? height_ - dy : 0, dy > 0 ? height_ : -dy));
        Draw();
    }

private:
    ShortRect PlaceAt(ShortPoint at) const {
        return ShortRect::MakeLTRB(at.x, at.y, at.x + width_, at.y + height_);
    }
    ShortRect Whole() const { return ShortRect::MakeLTRB(0, 0, width_, height_); }
    ShortRect ColumnsOf(int left, int right) const { return ShortRect::MakeLTRB(left, 0, right, height_); }
    ShortRect RowsOf(int top, int bottom) const { return ShortRect::MakeLTRB(0, top, width_, bottom); }
    ShortRect OnWindow(ShortRect part) const { return OffsetShortRect(part, place_.left, place_.top); }

    // Part of the save bitmap back to the window, and the window's pixels into it.
    void Restore(const ShortRect& part) {
        if (part.IsEmpty()) return;
        const ShortRect there = OnWindow(part);
        saved_.Draw(window_, &part, &there, false, win::SRCCOPY);
    }
    void Save(const ShortRect& part) {
        if (part.IsEmpty()) return;
        const ShortRect there = OnWindow(part);
        saved_.CopyFromWindow(window_, &there, &part, false, win::SRCCOPY);
    }
    void Draw() { image_.Draw(window_, nullptr, &place_, false, win::SRCCOPY); }

    win::HWND window_;
    QRVBitmap& image_;
    std::int16_t width_;
    std::int16_t height_;
    QRVBitmap saved_;
    ShortRect place_;
};

ShortPoint Plus(ShortPoint a, ShortPoint b) {
    return ShortPoint{static_cast<std::int16_t>(a.x + b.x), static_cast<std::int16_t>(a.y + b.y)};
}

ShortPoint Minus(ShortPoint a, ShortPoint b) {
    return ShortPoint{static_cast<std::int16_t>(a.x - b.x), static_cast<std::int16_t>(a.y - b.y)};
}

}  // namespace

void DragBitmapImage(ShortPoint& end, win::HWND window, QRVBitmap& image, ShortPoint start,
                     const ShortRect& clamp, const ShortRect& active, const ShortPoint* offset,
                     IBitmapDragTracker* tracker, const ShortRect* part, bool saveFirst) {
    const ShortPoint shift = offset ? *offset : ShortPoint{};
    ShortPoint last = Plus(start, shift);
    if (win::GetAsyncKeyState(win::VK_LBUTTON) & 0x8000) {
        win::SetCapture(window);
        std::optional<QRVBitmap> partImage;
        if (part) partImage.emplace(image, part);
        ImageOnWindow shown(window, part ? *partImage : image, last, saveFirst);
        ShortPoint mouse;
        while (StillDown(mouse, window)) {
            ShortPoint point = Plus(mouse, shift);
            if (active.Contains(point)) point = ClampPoint(clamp, point);
            if (point == last) continue;
            const ShortPoint asked = Minus(point, shift);
            const bool changes = tracker && tracker->WillMoveTo(asked) != 0;
            if (!changes && shown.IsNear(point)) {
                shown.MoveNear(point);
            } else {
                shown.MoveWhole(point, tracker, asked);
            }
            last = point;
        }
        if (win::GetCapture() == window) win::ReleaseCapture();
    }
    end = Minus(last, shift);
}
