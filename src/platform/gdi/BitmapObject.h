#pragma once
// A device bitmap: a surface of pixels and its depth. A monochrome bitmap (1 bit) holds only
// black and white pixels; every other bitmap has the screen's depth.

#include <memory>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

namespace win::gdi {

class Dc;

class Bitmap : public GdiObject {
public:
    Bitmap(std::unique_ptr<Surface> surface, int bitsPixel)
        : GdiObject(OBJ_BITMAP), surface_(std::move(surface)), bitsPixel_(bitsPixel) {}

    Surface& Pixels() { return *surface_; }
    int Width() const { return surface_->Width(); }
    int Height() const { return surface_->Height(); }
    int BitsPixel() const { return bitsPixel_; }
    bool IsMonochrome() const { return bitsPixel_ == 1; }

    // The memory context whose current state holds the bitmap; a bitmap is in one at most.
    Dc* SelectedInto() const { return selectedInto_; }
    void SetSelectedInto(Dc* dc) { selectedInto_ = dc; }

private:
    std::unique_ptr<Surface> surface_;
    int bitsPixel_;
    Dc* selectedInto_ = nullptr;
};

}  // namespace win::gdi
