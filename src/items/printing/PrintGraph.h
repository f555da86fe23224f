#pragma once
// The drawing environments of printing. PrintGraph draws on a printer's context (or a page bitmap
// of the preview) whose units are points: it sizes fonts given in screen pixels as points, so text
// keeps its size on paper of any resolution, and it keeps its font and background mode while it is
// detached from one context and attached to the next. GarbageGraph is a PrintGraph over a small
// bitmap of its own, for layout passes whose drawing is thrown away.

#include <cstdint>
#include <memory>

#include "framework/graphics/GraphEnv.h"

class OffscreenEnv;

class PrintGraph : public TGraphEnv {
public:
    PrintGraph() = default;
    ~PrintGraph() override;

    // The record's height (screen pixels) becomes points: -MulDiv(-height, 72, screen dpi).
    void SetFontIndirect(const win::LOGFONTA& font) override;

    // Draws on the context; a graph detached with its state takes its font and background mode back.
    void Attach(win::HDC dc);
    // Keeps the font and background mode, then lets the context go.
    void Detach();
    bool IsAttached() const { return HasDC(); }

private:
    win::LOGFONTA savedFont_;
    int savedBackMode_ = 0;
    bool detachedWithState_ = false;
};

// Attaches the graph to the context for the life of the scope.
class PrintGraphAttacher {
public:
    PrintGraphAttacher(PrintGraph& graph, win::HDC dc) : graph_(graph) { graph_.Attach(dc); }
    ~PrintGraphAttacher() { graph_.Detach(); }
    PrintGraphAttacher(const PrintGraphAttacher&) = delete;
    PrintGraphAttacher& operator=(const PrintGraphAttacher&) = delete;

private:
    PrintGraph& graph_;
};

class GarbageGraph : public PrintGraph {
public:
    GarbageGraph();
    ~GarbageGraph() override;

    // A bitmap of the size to draw into (replacing any before), attached and in use.
    void Open(int width, int height);
    void Close();
    bool IsOpen() const { return offscreen_ != nullptr; }

private:
    std::unique_ptr<OffscreenEnv> offscreen_;
    bool begun_ = false;
};
