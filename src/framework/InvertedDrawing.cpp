#include "framework/InvertedDrawing.h"

#include "framework/graphics/FillPatterns.h"
#include "platform/ui/Paint.h"

namespace {

constexpr std::uint32_t kInvertingCopy = 0x660046;

}  // namespace

InvertedDrawing::InvertedDrawing(win::HWND window) : window_(window), dc_(win::GetDC(window)) {
    env_.SetDC(dc_);
    env_.Begin();
    env_.SetPenSize(1, 1);
    env_.SetPattern(kGreyPattern);
    env_.SetRasterOp(kInvertingCopy);
}

InvertedDrawing::~InvertedDrawing() {
    env_.End();
    env_.DetachDC();
    win::ReleaseDC(window_, dc_);
}
