#pragma once
// One page of a printable as the print preview shows it. The page is laid out through a printer
// graph (fonts take their printed sizes) into a bitmap of the page area at the zoom it is shown at:
// the graph's units stay points, mapped onto the bitmap's pixels, so text is drawn with its fonts at
// the shown size rather than shrunk afterwards, and the page holds the lines it prints with. While
// open, the page keeps the print record it lays out for and a measuring graph of the printable size
// for the run's layout passes.

#include <memory>

#include "foundation/Types.h"
#include "items/printing/PrintGraph.h"

class OffscreenEnv;
class PrintRecord;
class TGraphEnv;

class PreviewPage {
public:
    PreviewPage();
    // Deletes the bitmap.
    ~PreviewPage();
    PreviewPage(const PreviewPage&) = delete;
    PreviewPage& operator=(const PreviewPage&) = delete;

    // Keeps the record and opens the measuring graph at the record's printable size; answers 0.
    ErrCode Open(PrintRecord* record, GarbageGraph*& measuringGraph);
    // Forgets the record and closes the measuring graph.
    void Close();

    // The percentage of the printed size the next pages are made at (100 at first: a pixel a
    // point); at least 1.
    void SetZoom(std::int16_t zoom);
    std::int16_t GetZoom() const { return zoom_; }
    // A fresh page graph drawing into a new white bitmap of the page area at the zoom (the old one
    // deleted), its units points: 0 with the graph, or -4 when the bitmap cannot be made or is too
    // small to use (the graph is then null and no bitmap is kept).
    ErrCode MakePageBitmap(TGraphEnv*& graph);
    // Lets the page graph go and the bitmap's drawing context with it; the bitmap stays.
    void ReleasePageBitmap();
    // The last page made, or null.
    OffscreenEnv* GetPageBitmap() const { return pageBitmap_.get(); }
    // Whether the bitmap is as large as the record's page area at the zoom now (the margins may have
    // changed since it was made).
    bool FitsPageArea() const;

    PrintRecord* GetPrintRecord() const { return record_; }
    bool IsOpen() const { return record_ != nullptr; }

private:
    // The page area's size in pixels at the zoom; false without a record or its page area.
    bool ScaledPageArea(int& width, int& height) const;

    PrintRecord* record_ = nullptr;
    std::int16_t zoom_ = 100;
    std::unique_ptr<PrintGraph> pageGraph_;
    std::unique_ptr<OffscreenEnv> pageBitmap_;
    GarbageGraph measuringGraph_;
};
