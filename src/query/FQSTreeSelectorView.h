#pragma once
// The query window's topic tree: one node per row of the current question list, nested by outline
// level. Beside the generic tree selector it keeps a direct index from list row to node, draws a
// status mark (answered, answered by the storyform, no status, not applicable) before each caption
// and an optional picture, shows the application data file's folder pictures ('BITM' 8010 open and
// 8011 closed) as its open and closed markers, and folds and unfolds with the arrow keys.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/GdiTypes.h"
#include "widgets/TreeSelectorView.h"

class FQSTreeSelectorNode : public TreeSelectorNode {
public:
    // The caption is copied; the picture (null for none) is not owned.
    FQSTreeSelectorNode(bool open, const char* caption, std::int16_t row, std::int16_t topic,
                        std::int16_t scenePosition, std::int16_t sceneId, std::int32_t style,
                        QRVBitmap* picture);

    const char* GetText() const { return text_ ? text_->c_str() : nullptr; }
    std::int16_t GetRow() const { return row_; }
    std::int16_t GetTopic() const { return topic_; }
    // The storytelling position and the id of the row's scene; -1 when the row has none.
    std::int16_t GetScenePosition() const { return scenePosition_; }
    std::int16_t GetSceneId() const { return sceneId_; }
    // The caption's font style bits (2: italic).
    std::int32_t GetStyle() const { return style_; }
    QRVBitmap* GetPicture() const { return picture_; }
    std::uint8_t GetStatus() const { return status_; }
    void SetStatus(std::uint8_t status) { status_ = status; }

private:
    std::unique_ptr<std::string> text_;
    std::int16_t row_;
    std::int16_t topic_;
    std::int16_t scenePosition_;
    std::int16_t sceneId_;
    std::int32_t style_;
    QRVBitmap* picture_;
    std::uint8_t status_ = 0;
};

class FQSTreeSelectorView : public TreeSelectorView {
public:
    static constexpr std::uint16_t kOpenFolderPicture = 8010;
    static constexpr std::uint16_t kClosedFolderPicture = 8011;
    // The caption starts this far right of the mark's gap.
    static constexpr std::int16_t kMarkWidth = 12;

    // The folder pictures are read from the application data file; the font is font 3, size 10.
    FQSTreeSelectorView(ItemList* list, const ShortRect* bounds);
    ~FQSTreeSelectorView() override;

    // --- The tree: the row index follows insertions and removals.
    void InsertNode(QRVTreeNode* node, QRVTreeNode* parent, std::int16_t position) override;
    void RemoveNode(QRVTreeNode* node) override;
    void DeleteAll() override;

    // --- Drawing: picture, selection, caption and status mark.
    void DrawNodeText(TGraphEnv& env, TreeSelectorNode* node, const ShortRect& rect) override;
    ShortPoint MeasureNode(TGraphEnv& env, TreeSelectorNode* node) override;

    // The node of a list row, or null.
    FQSTreeSelectorNode* NodeAt(std::int32_t row) const;
    // Stores a status that differs and invalidates the node's row, which is painted at once with
    // redraw when the view shows.
    void SetNodeStatus(std::int32_t row, std::uint8_t status, bool redraw);
    using TreeSelectorView::SelectNode;
    // Selects the row's node (with notify, the view's hit follows).
    void SelectNode(std::int32_t row, bool notify);
    // Closes the open containers above the row left that are not above the row entered (those
    // above both stay open), and lays the tree out again when it closed any.
    void CloseBranchesBetween(std::int32_t rowLeft, std::int32_t rowEntered);
    // The topic of the row's node; 0 when the row has none.
    std::int16_t GetTopicAt(std::int32_t row) const;
    // The selected node's row and topic, and whether the last press in the view was a double click;
    // found is false (and all 0) without a selection.
    struct Selection {
        std::int32_t row = 0;
        std::int16_t topic = 0;
        bool doubleClick = false;
        bool found = false;
    };
    Selection GetSelection() const;
    void SetFont(const win::LOGFONTA& font);
    const win::LOGFONTA& GetFont() const { return font_; }
    // Left arrow: closes the selected open container, else selects its parent.
    void FoldOrGoUp();
    // Right arrow: opens the selected closed container, else selects the next row.
    void UnfoldOrGoDown();

    // The row index: entries in use and entries made room for.
    std::int32_t RowCount() const { return rowCount_; }
    std::int32_t RowCapacity() const { return static_cast<std::int32_t>(rows_.size()); }

private:
    // The node's row, as far as it shows, is painted again.
    void InvalidateRow(const FQSTreeSelectorNode* node);
    FQSTreeSelectorNode* Selected() const;
    void DrawStatusMark(TGraphEnv& env, std::uint8_t status, int x, int y, bool selected);

    std::vector<FQSTreeSelectorNode*> rows_;
    std::int32_t rowCount_ = 0;
    QRVBitmap openFolder_;
    QRVBitmap closedFolder_;
    win::LOGFONTA font_{};
};
