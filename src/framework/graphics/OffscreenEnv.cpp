#include "framework/graphics/OffscreenEnv.h"

OffscreenEnv::~OffscreenEnv() {
    while (IsInUse()) End();
}

void OffscreenEnv::Begin() {
    if (IsInUse()) {
        TGraphEnv::Begin();
        return;
    }
    // A fresh memory context starts opaque: the environment's transparency carries over.
    const bool transparent = IsTransparent();
    SetDC(bitmap_.BeginDrawing());
    TGraphEnv::Begin();
    SetTransparent(transparent);
}

void OffscreenEnv::End() {
    TGraphEnv::End();
    if (IsInUse() || !HasDC()) return;
    DetachDC();
    bitmap_.EndDrawing();
}
