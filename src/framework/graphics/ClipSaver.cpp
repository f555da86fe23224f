#include "framework/graphics/ClipSaver.h"

#include "framework/graphics/GraphEnv.h"

ClipSaver::ClipSaver(TGraphEnv& env) : env_(env), hadNoClip_(env.GetClip(kept_)) {}

ClipSaver::ClipSaver(TGraphEnv& env, const ShortRect& rect) : ClipSaver(env) { NarrowTo(rect); }

ClipSaver::ClipSaver(TGraphEnv& env, const Rgn& region) : ClipSaver(env) { NarrowTo(region); }

ClipSaver ClipSaver::FromRegion(TGraphEnv& env, const Rgn& region) { return ClipSaver(env, region); }

ClipSaver::~ClipSaver() {
    if (hadNoClip_) {
        env_.ClearClip();
    } else {
        env_.SetClip(kept_);
    }
}

void ClipSaver::NarrowTo(const ShortRect& rect) { NarrowTo(Rgn(rect)); }

void ClipSaver::NarrowTo(const Rgn& region) {
    Rgn narrowed(kept_);
    narrowed.Intersect(region);
    env_.SetClip(narrowed);
}
