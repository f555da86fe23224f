#pragma once
// A scrolling item that shows a tree of nodes as indented rows with connector lines and open and
// closed markers. The user opens and closes branches on their markers (or by double-clicking a
// container), selects a row with the mouse or the keys, jumps to a row by typing its first letters,
// and scrolls with the view's own two scrollers, which show only while the rows do not fit.
//
// The visible rows are the nodes a pre-order walk reaches while it only descends into open nodes.
// A row is as high as its node or its marker, whichever is higher; its text starts at the marker
// width plus the indent per level. What a row shows is drawn by the subclass (DrawNodeText), which
// also measures it (MeasureNode). The view's own bounds are the content rectangle: the frame and the
// scrollers lie outside them, so the scrollers take their own clicks.
//
// Bulk changes are bracketed by an update guard: the layout and the redraw they ask for are done
// once, when the outermost guard ends.

#include <cstdint>

#include "items/Scroller.h"
#include "items/TItem.h"
#include "widgets/QRVTree.h"
#include "widgets/TreeSelectorNode.h"

class QRVBitmap;
class TGraphEnv;

class TreeSelectorView : public TItem, public TScrollerClient, public QRVTree<VTreeSelectorNode> {
    TOBJECT_CLASS(TreeSelectorView, TItem, 518)

public:
    // Style: one of three selection modes, and whether the view takes the keyboard focus.
    static constexpr std::uint32_t kSelectionModeMask = 0x7;
    static constexpr std::uint32_t kSingleSelection = 1;
    static constexpr std::uint32_t kSelectionMode2 = 2;
    static constexpr std::uint32_t kSelectionMode4 = 4;
    static constexpr std::uint32_t kTakesFocus = 8;
    static constexpr std::int16_t kLineStep = 13;
    static constexpr std::int16_t kMinimumMarkerSize = 10;
    // Typing more than this many ticks after the last character starts a new search.
    static constexpr std::uint64_t kTypeAheadTicks = 20;
    static constexpr std::size_t kTypeAheadLength = 10;

    // The node tests of every walk.
    class NodeIsOpen : public TNodeTest {
    public:
        std::int16_t Test(const QRVTreeNode* node) const override;
    };
    class NodeIsSelected : public TNodeTest {
    public:
        std::int16_t Test(const QRVTreeNode* node) const override;
    };
    class NodeIsSelectable : public TNodeTest {
    public:
        std::int16_t Test(const QRVTreeNode* node) const override;
    };
    class NodeIsContainer : public TNodeTest {
    public:
        std::int16_t Test(const QRVTreeNode* node) const override;
    };
    static const NodeIsOpen kIsOpen;
    static const NodeIsSelected kIsSelected;
    static const NodeIsSelectable kIsSelectable;
    static const NodeIsContainer kIsContainer;

    // Raises the update depth for the life of the scope; the end runs EndUpdate.
    class UpdateGuard {
    public:
        explicit UpdateGuard(TreeSelectorView& view) : view_(view) { view_.BeginUpdate(); }
        ~UpdateGuard() { view_.EndUpdate(); }
        UpdateGuard(const UpdateGuard&) = delete;
        UpdateGuard& operator=(const UpdateGuard&) = delete;

    private:
        TreeSelectorView& view_;
    };

    // Makes the two scrollers along the bottom and the right edge (items of the list, appended to it).
    TreeSelectorView(ItemList* list, std::int16_t indent, const ShortRect* bounds, std::uint16_t flags,
                     const RGBColor& color);
    ~TreeSelectorView() override;

    // --- TItem
    // The full bounds, frame and scrollers included.
    void SetBounds(const ShortRect& rect, bool redraw) override;
    bool TakesFocus() const override { return (style_ & kTakesFocus) != 0; }
    void DrawFocusRing() override;
    bool HandleKey(KeyEvent& event) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    // --- What subclasses may change
    // Whether the marker box lies just before the row's text (else at the row's left edge).
    virtual bool MarkersAtTextStart() const { return true; }
    virtual bool ShowConnectors() const { return true; }
    // The marker area: the largest of the three pictures, at least 10 by 10.
    virtual std::int16_t GetMarkerWidth() const;
    virtual std::int16_t GetMarkerHeight() const;
    // A bevelled frame just inside the full bounds, and the focus ring when the view takes the focus.
    virtual void DrawFrame();
    virtual void DrawConnectorsAndMarker(TreeSelectorNode* node, const ShortRect& rect);
    // The row's content, from its text start to the content's right edge.
    virtual void DrawNodeText(TGraphEnv& env, TreeSelectorNode* node, const ShortRect& rect) = 0;
    // The row's size; the base answers the node's stored size.
    virtual ShortPoint MeasureNode(TGraphEnv& env, TreeSelectorNode* node);
    // The full bounds inset by 2, less the scrollers that show.
    virtual ShortRect GetContentRect() const;
    virtual ShortRect GetInnerRect() const;
    // The node the typed text leads to; the base finds none.
    virtual TreeSelectorNode* FindNodeByPrefix(const char* text);

    // --- The tree
    void DeleteAll() override;
    // Inserts as the tree does; the parent becomes a container.
    void InsertNode(QRVTreeNode* node, QRVTreeNode* parent, std::int16_t position) override;
    // The node leaves the selection and the range anchors, the rows below it are marked for painting,
    // and a parent left without children stops being a container.
    void RemoveNode(QRVTreeNode* node) override;

    // --- TScrollerClient
    std::int16_t Scrolled(Scroller* scroller, std::int32_t delta) override;
    // The wheel turns the vertical scroller, or sideways the horizontal one.
    TControl* GetWheelScroller(bool sideways) override;

    // --- The view
    // Turning on any of the selection modes first turns the others off; with none left, mode 1.
    void SetStyle(std::uint32_t mask, bool on);
    std::uint32_t GetStyle() const { return style_; }
    void SetIndent(std::int16_t indent);
    std::int16_t GetIndent() const { return indent_; }
    // The pictures are not owned.
    void SetOpenMarker(QRVBitmap* picture);
    void SetClosedMarker(QRVBitmap* picture);
    void SetExtraMarker(QRVBitmap* picture);
    void SetNodeOpen(TreeSelectorNode* node, bool open);
    // On: the node becomes the only selected one, every closed branch above it opened. Off: it leaves
    // the selection.
    void SetNodeSelected(TreeSelectorNode* node, bool on);
    // SetNodeSelected, then the node scrolled into view (the changed rows painted when no scroll was
    // needed).
    void SelectNode(TreeSelectorNode* node, bool on);
    // The previous or next selectable visible row selected; whether there was one.
    bool SelectPrevious();
    bool SelectNext();
    TreeSelectorNode* GetFirstVisibleSelected() const;
    TreeSelectorNode* GetLastVisibleSelected() const;
    // The last selected node of the whole tree, with every branch above it opened.
    TreeSelectorNode* RevealLastSelected();
    const TreeSelectorNodeList& GetSelectedNodes() const { return selected_; }
    void MarkNodeForRedraw(TreeSelectorNode* node);
    // Closes the open branches above a that are not shared with b.
    void CloseBranchesNotShared(TreeSelectorNode* a, TreeSelectorNode* b);
    // Scrolls the row into view: to the top when above, to the bottom when below. Whether it scrolled.
    bool ScrollIntoView(TreeSelectorNode* node);
    // The rows' extent, the scrollers shown as needed and the view's bounds the content rectangle.
    void Layout();
    // The whole view painted, or noted for the end of the update.
    void Invalidate();
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();
    bool WasDoubleClick() const { return doubleClick_ != 0; }

    // --- Rows
    TreeSelectorNode* FirstRow() const { return FindNext(nullptr, false, nullptr, &kIsOpen); }
    TreeSelectorNode* NextRow(TreeSelectorNode* row) const { return FindNext(row, false, nullptr, &kIsOpen); }
    std::int16_t RowHeight(const TreeSelectorNode* node) const;
    // Pixels from the first row's top to the node's.
    std::int32_t RowTop(const TreeSelectorNode* node) const;
    // The visible row at a point of the view (null when none or not selectable).
    TreeSelectorNode* RowAt(ShortPoint point) const;
    // Whether the point lies on the node's marker.
    bool IsOnMarker(const TreeSelectorNode* node, ShortPoint point) const;
    // The first row whose top is not above the scroll position, and the last whose bottom is not
    // below the visible bottom (the last row of all when every row fits).
    TreeSelectorNode* FirstVisibleRow() const;
    TreeSelectorNode* LastVisibleRow() const;

    const ShortRect& GetFullBounds() const { return fullBounds_; }
    Scroller* GetHorzScroller() const { return horzScroller_; }
    Scroller* GetVertScroller() const { return vertScroller_; }
    std::int16_t GetContentWidth() const { return contentWidth_; }
    std::int16_t GetContentHeight() const { return contentHeight_; }
    const char* GetTypeAhead() const { return typeAhead_; }

private:
    void ComputeMarkerArea();
    void PlaceScrollers();
    // Opens or closes the scroller to match the need; whether its visibility changed.
    bool ShowScroller(Scroller* scroller, bool needed);
    std::int32_t HorzValue() const;
    std::int32_t VertValue() const;
    void ScrollVertTo(std::int32_t value);
    // Paints every row, or the changed ones.
    void DrawRows(bool all);
    void DrawMarker(QRVBitmap* picture, const ShortRect& box);
    // The anchors of a range, kept while Shift is down in a multi-selection mode.
    void RefreshRangeAnchors();
    bool IsExtending() const;
    // Sets every container of the tree opposite to the node's state.
    void ToggleAllContainers(TreeSelectorNode* node);
    // One step of a press held down: the row under the point selected, scrolling at the edges.
    void TrackPress(ShortPoint point);
    void TypeAhead(char character);
    TreeSelectorNode* PreviousSelectableRow(TreeSelectorNode* row) const;
    TreeSelectorNode* NextSelectableRow(TreeSelectorNode* row) const;

    std::uint32_t style_ = kSingleSelection;
    std::int16_t indent_;
    TreeSelectorNodeList selected_;
    ShortRect fullBounds_;
    QRVBitmap* closedMarker_ = nullptr;
    QRVBitmap* openMarker_ = nullptr;
    QRVBitmap* extraMarker_ = nullptr;
    std::int16_t markerWidth_ = 0;
    std::int16_t markerHeight_ = 0;
    std::int16_t contentWidth_ = 0;
    std::int16_t contentHeight_ = 0;
    Scroller* horzScroller_ = nullptr;
    Scroller* vertScroller_ = nullptr;
    std::int16_t horzVisible_ = -1;
    std::int16_t vertVisible_ = -1;
    TreeSelectorNode* rangeFirst_ = nullptr;
    TreeSelectorNode* rangeLast_ = nullptr;
    std::int16_t doubleClick_ = 0;
    std::int16_t updateDepth_ = 0;
    std::int16_t redrawDeferred_ = 0;
    char typeAhead_[kTypeAheadLength + 1] = {};
    std::uint64_t lastTypedTime_ = 0;
};
