#pragma once
// The drawn leaves besides text: a line (which may stretch to its area and go on across pages), a
// horizontal rule across the whole width, a frame around a child, and a margin around a child.

#include <cstdint>
#include <memory>

#include "items/printing/Printable.h"

// Where a line goes on: the offset into its design box.
class LocationProgress : public TPrintProgress {
public:
    explicit LocationProgress(LongPoint offset) : offset_(offset) {}
    ProgressPtr Clone() const override { return std::make_unique<LocationProgress>(offset_); }
    LongPoint GetOffset() const { return offset_; }

private:
    LongPoint offset_;
};

// Clips the segment to the window (edges included); false when nothing of it remains.
bool ClipLine(LongPoint& p1, LongPoint& p2, const LongRect& window);

class PrintableLine : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    // A segment in a design box reaching to its far ends.
    PrintableLine(PrintingEnvironment* environment, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2);

    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;
    virtual void SetDesignWidth(std::int32_t width) { design_.x = width; }
    virtual void SetDesignHeight(std::int32_t height) { design_.y = height; }
    // Whether the line is scaled to fill the area's height or width.
    virtual bool StretchesVertically() const { return false; }
    virtual bool StretchesHorizontally() const { return false; }

private:
    LongPoint design_;
    LongPoint start_;
    LongPoint end_;
};

// A rule across the whole width of its area, centred in a band of its thickness.
class HorizontalLine : public PrintableLine {
public:
    HorizontalLine(PrintingEnvironment* environment, std::int32_t thickness);
    bool StretchesHorizontally() const override { return true; }
};

class PrintableFrame : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    // Without a child the frame outlines its whole area; a missing margin is (0, 0).
    PrintableFrame(PrintingEnvironment* environment, PrintablePtr child, const LongPoint* margin);
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

private:
    PrintablePtr child_;
    LongPoint margin_;
};

class PrintableInset : public IPrintableObject {
public:
    PrintableInset(PrintablePtr child, std::int32_t dx, std::int32_t dy)
        : child_(std::move(child)), dx_(dx), dy_(dy) {}
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

private:
    PrintablePtr child_;
    std::int32_t dx_;
    std::int32_t dy_;
};
