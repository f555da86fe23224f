#pragma once
// A scrolling list of one-line topic entries with one highlighted row. Each entry carries a 16-bit
// topic id and a text, and may be dimmed, styled (bold, italic, underline) and marked with a small
// glyph in a mark column. Choosing a row (a click, the arrow and paging keys, Return or Space) is
// offered to the view's client, which may take it or leave it to the view, whose own TopicChosen
// posts the view's item hit. In reorder mode the user drags the highlighted entry to another place:
// the rows show the order the drag would give, and the owner applies the move when it is told.

#include <cstdint>
#include <memory>

#include "foundation/TList.h"
#include "foundation/pfm/Pool.h"
#include "items/TView.h"
#include "platform/gdi/GdiTypes.h"

class KeyEvent;
class TGraphEnv;
class TopicListView;
class TWindow;

// What a topic list tells its client (not owned by the view), in this order: a chosen topic, every
// key before the view takes it, and a change of the keyboard focus (the selection may then change
// meaning, as between two lists whose buttons follow the focus).
class ITopicViewClient {
public:
    virtual ~ITopicViewClient() = default;
    // Nonzero when the client took the choice.
    virtual std::int16_t TopicChosen(TopicListView* view, std::int32_t row, std::int16_t topicId,
                                     std::int16_t doubleClickOrKey, std::int16_t notify) = 0;
    // Nonzero when the client took the key.
    virtual std::int16_t PreviewKey(KeyEvent& /*event*/) { return 0; }
    virtual void FocusChanged() {}
};

// A window that takes the rows its topic lists select in code (SelectTopic).
class ITopicListOwner {
public:
    virtual ~ITopicListOwner() = default;
    virtual void TopicSelected(TopicListView* view, std::int32_t row, std::int16_t topicId, std::int16_t flag,
                               std::int16_t notify) = 0;
};

class TopicListView : public TView {
    TOBJECT_CLASS(TopicListView, TView, 1533)

public:
    // Glyphs of the mark column.
    static constexpr std::uint8_t kNoGlyph = 0;
    static constexpr std::uint8_t kSlantGlyph = 1;
    static constexpr std::uint8_t kDotGlyph = 2;
    static constexpr std::uint8_t kDashGlyph = 3;
    static constexpr std::uint8_t kPairGlyph = 4;
    static constexpr std::int16_t kMarkColumnWidth = 10;
    // Ticks between rows scrolled while a press is held above or below the rows.
    static constexpr std::uint64_t kScrollTicks = 2;

    struct Choice {
        std::int32_t row = -1;
        std::int16_t topicId = 0;
        std::int16_t a = 0;
        std::int16_t b = 0;
    };

    // Without a font, font 3 at size 10. The entry list grows by the growth count.
    TopicListView(ItemList* list, std::int16_t growth, ITopicViewClient* client, const ShortRect* bounds,
                  std::uint16_t viewFlags = kVertScrollBar, std::uint16_t itemFlags = 0,
                  const RGBColor& color = RGBColor(0), const win::LOGFONTA* font = nullptr);
    ~TopicListView() override;

    // --- TView and TItem
    // Measures the font again, empties the list and clears the selection.
    virtual void Reset();
    // Draws the highlighted row again (filled while the view has the focus, framed otherwise).
    void DrawFocusRing() override;
    bool HandleKey(KeyEvent& event) override;
    void ShowFocusRing() override;
    void HideFocusRing() override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void DrawContent(ViewDrawContext* context) override;
    std::int32_t VertUnitCount() const override { return GetTopicCount(); }
    // Notes the choice and posts the view's item hit to its window.
    virtual std::int16_t TopicChosen(std::int32_t row, std::int16_t topicId, std::int16_t a, std::int16_t b);

    // --- Entries
    // The new row's index.
    std::int32_t AddTopic(std::int16_t topicId, const char* text);
    void RemoveAllTopics();
    // The selection stays on its entry; when the selected entry goes, the highlight goes with it.
    void DeleteTopic(std::int32_t row);
    // DeleteTopic of the highlighted row; nothing without a highlight.
    void DeleteSelectedTopic();
    // 1 and the row of the first entry with the id, else 0.
    std::int16_t FindTopic(std::int16_t topicId, std::int32_t* row) const;
    void SetTopicMark(std::int32_t row, std::int16_t dimmed, bool redraw);
    void SetTopicStyle(std::int32_t row, std::uint32_t style, bool redraw);
    void SetTopicGlyph(std::int32_t row, std::uint8_t glyph, bool redraw);
    // At most size - 1 characters and a NUL; row -1 is the selected row.
    void GetTopicText(char* buffer, std::int32_t row, std::size_t size) const;
    std::int16_t GetTopicID(std::int32_t row) const;
    std::int32_t GetTopicCount() const { return entries_.Count(); }
    std::uint32_t GetTopicStyle(std::int32_t row) const;
    std::uint8_t GetTopicGlyph(std::int32_t row) const;
    std::int16_t GetTopicMark(std::int32_t row) const;

    // --- Selection
    // The row within the entries, highlighted and scrolled into view with three rows around it.
    void SetSelection(std::int32_t row);
    // SetSelection, then the owner window (or else the client, or else the view) hears of it.
    void SelectTopic(std::int32_t row, std::int16_t notify);
    void ClearHighlight();
    const Choice& GetLastChoice() const { return lastChoice_; }
    std::int32_t GetSelectedRow() const { return selected_; }
    bool IsHighlighted() const { return highlight_ != 0; }
    // The row a finished drag started from, once; -1 after that or when there was none.
    std::int32_t TakeMovedFromRow();
    std::int32_t GetDragOrigin() const { return dragOrigin_; }
    void RedrawRow(std::int32_t row);

    // --- Owner's settings
    void SetOwnerWindow(TWindow* window) { ownerWindow_ = window; }
    void SetClient(ITopicViewClient* client) { client_ = client; }
    void SetMarkColumn(bool shown);
    void SetReorderMode(bool on) { reorder_ = on ? 1 : 0; }
    bool IsReorderMode() const { return reorder_ != 0; }
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

    std::int16_t GetRowHeight() const { return rowHeight_; }
    // Row i's rectangle in the window; false when it leaves 16-bit coordinates.
    bool GetRowRect(std::int32_t row, ShortRect& rect) const;
    // The entry row i shows: during a drag, the order the drag would give.
    std::int32_t DisplayedEntry(std::int32_t row) const;
    // The row at a point of the content; -1 when none.
    std::int32_t RowAt(ShortPoint point) const;

private:
    struct Entry {
        std::int16_t topicId;
        std::int32_t text;
        std::int16_t dimmed;
        std::uint32_t style;
        std::uint8_t glyph;
    };

    const Entry* EntryAt(std::int32_t row) const;
    Entry* EntryAt(std::int32_t row);
    void MeasureFont();
    void DrawRow(TGraphEnv& env, std::int32_t row);
    void DrawGlyph(TGraphEnv& env, std::uint8_t glyph, int left, int baseline);
    // Scrolls by whole rows just far enough to show the row.
    void RevealRow(std::int32_t row);
    // The row becomes the highlighted selection, the old one drawn without its highlight.
    void MoveHighlight(std::int32_t row);
    // Offered to the client; the view's own TopicChosen when the client leaves it.
    void OfferChoice(std::int32_t row, std::int16_t doubleClickOrKey, std::int16_t ownA);
    void TrackPress(bool doubleClick);
    // Invalidated now, or noted for the end of the update.
    void InvalidateArea(const ShortRect& rect);

    ITopicViewClient* client_;
    TWindow* ownerWindow_ = nullptr;
    Pool texts_;
    ArbList entries_;
    std::int16_t markColumn_ = 0;
    std::int16_t reorder_ = 0;
    std::int16_t highlight_ = 0;
    std::int32_t selected_ = 0;
    std::int32_t dragOrigin_ = -1;
    std::int32_t movedFrom_ = -1;
    win::LOGFONTA font_{};
    std::int16_t rowHeight_ = 0;
    std::int16_t ascent_ = 0;
    Choice lastChoice_;
    std::int16_t updateDepth_ = 0;
    std::int16_t redrawDeferred_ = 0;
};
