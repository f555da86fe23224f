#pragma once
// The picture-button chooser of the front-end panels: a scrolling grid of equal cells, each holding
// one entry of a table (a picture button with a caption and a short description), and a click on an
// entry's button choosing it. The cells take the size of the table's cell picture; the grid takes
// as many columns as fit and divide the number of entries, and as many rows as the entries need.
//
// Entry tables are static arrays: row 0 names the cell picture, the entries follow, and a row whose
// picture id is 0 ends the table. Captions and descriptions are templates expanded for the
// document. All measurements are made once per layout; drawing only copies pictures, draws frames
// and the prepared texts, and skips cells outside the area being drawn.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/ShortRect.h"
#include "items/TView.h"
#include "platform/gdi/GdiTypes.h"

class IStoryDocument;
class ItemGraphEnv;
class QRVBitmap;
class TextWrap;

struct FrontEndEntry {
    std::int16_t picture;  // a 'BITM' picture of the application data file; 0 ends the table
    std::int16_t enabled;
    const char* caption;
    const char* description;
};

class FrontEndView : public TView {
    TOBJECT_CLASS(FrontEndView, TView, 1532)

public:
    // The gap between a cell's edge and its inner area, and between a button and its picture.
    static constexpr std::int16_t kCellMargin = 3;
    static constexpr std::int16_t kDefaultSpacing = 8;
    // How long (in ticks) a chosen button shows pressed at least.
    static constexpr std::uint64_t kPressedTicks = 8;
    // The cursor over the entries.
    static constexpr std::int32_t kEntryCursor = 201;

    // One entry as laid out, in document coordinates.
    struct Layout {
        bool title = false;
        std::int16_t picture = 0;
        std::shared_ptr<QRVBitmap> bitmap;  // the application's, shared
        std::unique_ptr<TextWrap> description;
        LongRect cell, inner, button, frame, image, captionRect, descriptionRect;
        std::int16_t row = 0;
        std::int16_t column = 0;
        std::int16_t enabled = 0;
        std::string descriptionText;
        std::string captionText;
    };

    FrontEndView(IStoryDocument* document, const FrontEndEntry* table, ItemList* list, std::uint16_t viewFlags,
                 const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color);
    ~FrontEndView() override;

    // --- TView
    std::int32_t HorzUnitCount() const override { return columns_ > 0 ? columns_ - 1 : 0; }
    std::int32_t VertUnitCount() const override { return rowsNeeded_; }
    std::int32_t VertScrollMaximum() const override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void DrawContent(ViewDrawContext* context) override;
    // Inside their bevels, the cells' pictures.
    void GetCoveredContent(Rgn& covered) const override;
    // The panel paints every pixel of its bounds: its window need not erase under it.
    void GetRepaintedArea(Rgn& area) const override { GetPendingRepaint(area); }
    // The owning window's client area changed: laid out again for it.
    void WindowResized() override;

    // --- the panel
    // Lays the entries out in the cells of the grid the bounds' size gives.
    void LayOut(const ShortRect& bounds);
    void ReleaseLayout();
    // The entries' cells become the regions of the entry cursor.
    void InvalidateEntries();
    void DrawEntry(ItemGraphEnv& env, const ViewDrawContext* context, std::int32_t index);
    // The entry whose cell holds the point (document coordinates); -1 for none.
    std::int32_t HitTest(const LongPoint& point) const;
    // Columns and rows needed for an area of the size, kept as the view's grid.
    void GetGrid(std::int32_t width, std::int32_t height);
    // The size of whole cells (and the scroll bars) the grid of an area of the rectangle's size takes.
    ShortPoint GetPreferredSize(const ShortRect& rect);
    // One cell and the scroll bars.
    ShortPoint GetMinSize() const;
    // An entry was chosen (0 for the first entry after the cell picture).
    virtual void EntryChosen(std::int32_t index);
    // The gap between a button and its texts, and the texts' right margin in the cell.
    virtual std::int16_t GetTextGap() const { return 11; }
    virtual std::int16_t GetTextRightMargin() const { return 9; }

    void SetSpacing(std::int16_t spacing) { spacing_ = spacing; }
    std::int32_t GetEntryCount() const { return entryCount_; }
    std::int32_t GetColumns() const { return columns_; }
    std::int32_t GetRowsNeeded() const { return rowsNeeded_; }
    std::int16_t GetCellWidth() const { return cellWidth_; }
    std::int16_t GetCellHeight() const { return cellHeight_; }
    bool IsLaidOut() const { return laidOut_; }
    const Layout& GetLayout(std::int32_t index) const { return layouts_[static_cast<std::size_t>(index)]; }
    const FrontEndEntry* GetTable() const { return table_; }
    IStoryDocument* GetDocument() const { return document_; }

private:
    void DrawEntryNow(std::int32_t index, bool pressed);
    void DrawButton(ItemGraphEnv& env, const Layout& layout, bool pressed);
    // The cell's picture again behind the button, so that a picture that moves leaves nothing.
    void DrawBehindButton(ItemGraphEnv& env, const Layout& layout);
    // The cell picture's size, read once per layout.
    ShortPoint CellPictureSize();

    IStoryDocument* document_;
    const FrontEndEntry* table_;
    std::int32_t entryCount_ = 0;
    bool laidOut_ = false;
    std::int32_t columns_ = 3;
    std::int32_t rowsNeeded_ = 4;
    win::LOGFONTA descriptionFont_{};
    std::int16_t cellPicture_;
    std::shared_ptr<QRVBitmap> cellBitmap_;
    std::int16_t cellHeight_ = 0;
    std::int16_t cellWidth_ = 0;
    std::int16_t spacing_ = kDefaultSpacing;
    std::vector<Layout> layouts_;
};
