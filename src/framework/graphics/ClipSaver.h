#pragma once
// Narrows an environment's clip for one drawing block and puts back the clip that was in force
// when it goes, including having none.

#include <cstdint>

#include "framework/graphics/Rgn.h"
#include "framework/graphics/ShortRect.h"

class TGraphEnv;

class ClipSaver {
public:
    // Keeps the clip in force; with a rectangle, narrows the clip to it.
    explicit ClipSaver(TGraphEnv& env);
    ClipSaver(TGraphEnv& env, const ShortRect& rect);
    ~ClipSaver();
    ClipSaver(const ClipSaver&) = delete;
    ClipSaver& operator=(const ClipSaver&) = delete;

    // Keeps the clip in force and narrows it to the region.
    static ClipSaver FromRegion(TGraphEnv& env, const Rgn& region);

    // The kept clip narrowed to the rectangle (not the clip of an earlier narrowing).
    void NarrowTo(const ShortRect& rect);
    void NarrowTo(const Rgn& region);

private:
    ClipSaver(TGraphEnv& env, const Rgn& region);

    TGraphEnv& env_;
    Rgn kept_;
    std::int16_t hadNoClip_;
};
