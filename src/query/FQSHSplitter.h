#pragma once
// The query window's splitter between its left column and the page: a bar of six one-pixel lines,
// three dark and three light, with the resize cursor of horizontal splitters.

#include "items/Splitters.h"

class FQSHSplitter : public HorizontalSplitter {
public:
    using HorizontalSplitter::HorizontalSplitter;

    void Draw(win::HDC dc, const Rgn& clip) override;
};
