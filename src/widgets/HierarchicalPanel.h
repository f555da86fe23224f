#pragma once
// A hierarchy in which every node has four children, shown as nested panels: each node is a
// bevelled rectangle whose inner area is divided two by two among its children, so that several
// levels show at once. One node is current (framed in blue); the arrow keys move it within its level,
// Tab walks every node, Ctrl+Up and Ctrl+Down (or double-clicks) go up and down levels, and when the
// current node leaves the levels shown the panel zooms by one level with a short animation. The panel
// fits itself to its window, choosing how many levels to show and scaling its margins.
//
// It is a popup choice control for one reason: a click on a node's menu marker (or an Alt-click)
// opens the popup's menu, with items its client fills for that node.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/OffscreenEnv.h"
#include "framework/graphics/RGBColor.h"
#include "widgets/PanelLayout.h"
#include "widgets/Popup.h"

class MsgEvent;

// What the panel's owner answers. Not owned by the panel.
class IHPanelClient {
public:
    virtual ~IHPanelClient() = default;
    // Whenever the current node is set, and once when the client is attached.
    virtual void CurrentNodeChanged(std::int32_t node) = 0;
    // A second text for the node (null for none); *hasMenu tells whether the node offers a menu.
    virtual const char* GetNodeSubtext(std::int32_t node, bool* hasMenu) = 0;
    // A short note for the top of a level-0 node in large mode (null for none).
    virtual const char* GetNodeNote(std::int32_t node) = 0;
    // Fills the panel's popup items for the node; true to have the menu opened.
    virtual bool PrepareNodeMenu(std::int32_t node, const MsgEvent& event, const ShortRect& marker) = 0;
};

class HierarchicalPanel : public Popup {
    TOBJECT_CLASS(HierarchicalPanel, Popup, 172)

public:
    static constexpr std::int32_t kSchemeCount = 8;
    static constexpr std::int32_t kAnimationTicks = 30;

    HierarchicalPanel(std::int16_t dataLevels, std::int16_t visibleLevels, ItemList* list,
                      const ShortRect* bounds, ShortPoint windowMargin, ShortPoint freeRoom,
                      std::uint16_t flags, const RGBColor& color);
    ~HierarchicalPanel() override;

    // --- TItem and Popup
    void WindowResized() override;
    void DrawFocusRing() override {}
    bool HandleKey(KeyEvent& event) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;
    void RedrawContents() override {}
    void EraseText() override {}
    // The menu opens at the top-left corner of this box: the current node's lower half at the deepest
    // level shown, else the lower half of its top band, in either case its right 160 pixels.
    ShortRect GetBoxRect() const override;

    // Every visible node drawn.
    virtual void RedrawAll();
    virtual void NodesChanged() {}

    // --- The hierarchy
    void SetDataLevels(std::int16_t levels);
    // A copy of the text (null clears it).
    void SetNodeText(std::int32_t node, const char* text);
    const char* GetNodeText(std::int32_t node) const;
    // 0 draws the node's text grey.
    void SetNodeFlag(std::int32_t node, std::int16_t flag);
    void SetClient(IHPanelClient* client);
    void SetCurrentNode(std::int32_t node);
    std::int32_t GetCurrentNode() const { return current_; }
    std::int32_t GetAnchorNode() const { return anchor_; }
    std::int16_t GetLevelCount() const { return visibleLevels_; }
    std::int16_t GetDataLevels() const { return dataLevels_; }
    std::int16_t GetDataNodeCount() const { return dataNodeCount_; }
    std::int32_t GetCurrentDepth() const;
    std::int32_t GetAnchorDepth() const;
    // Moves the current node by grid steps, levels and steps of the Tab order (see MoveCurrent's
    // definition).
    void MoveCurrent(std::int32_t dx, std::int32_t dy, std::int32_t ddepth, std::int32_t dnext);
    // Makes the current node visible with that many levels, and sizes the panel to them.
    void SetVisibleLevels(std::int16_t levels);

    // --- Look
    void SetColorScheme(std::int16_t scheme) { scheme_ = static_cast<std::int16_t>(scheme % kSchemeCount); }
    std::int16_t GetColorScheme() const { return scheme_; }
    void SetLargeMode(bool large) { large_ = large ? 1 : 0; }
    bool IsLargeMode() const { return large_ != 0; }
    RGBColor GetNodeColor(std::int32_t node);
    // Whether client texts are black (1) or dark green (0), as the last node colour chose.
    std::int16_t GetClientTextColorFlag() const { return clientTextBlack_; }
    const PanelLayout& GetLayout() const { return layout_; }

    // --- Geometry (window coordinates)
    // A displayed node's rectangle (relative number); empty for one not displayed.
    ShortRect NodeRect(std::int32_t relative) const;
    // The displayed node at the point (absolute), the anchor when no child holds it.
    std::int32_t NodeAt(ShortPoint point) const;
    // The position map's box at the top left of the anchor's face.
    ShortRect PositionMapRect() const;
    // The node the position map's cell at the point stands for; -1 outside the map.
    std::int32_t PositionMapNodeAt(ShortPoint point) const;

    // Fits the text to the width: "The " dropped first, then the size lowered down to 9, then
    // characters cut from the end for "...". The measure gives a text's width at a size.
    template <typename Measure>
    static std::string FitText(std::string text, std::int32_t width, std::int32_t& size, Measure measure);

private:
    std::int32_t NodeLevel(std::int32_t absolute) const;
    bool IsDisplayed(std::int32_t absolute) const;
    // One step of the Tab order from the node.
    std::int32_t TabStep(std::int32_t node, std::int32_t direction) const;
    void FollowCurrent(std::int32_t old);
    void Animate(std::int32_t direction, std::int32_t old);
    // Drawing, into the off-screen environment when there is one.
    TGraphEnv* DrawingTarget();
    void DrawAll(const ShortRect& outer);
    void DrawSubtree(TGraphEnv& env, const ShortRect& rect, std::int32_t level, std::int32_t absolute,
                     std::int32_t relative, bool recurse);
    void DrawNodeTexts(TGraphEnv& env, const ShortRect& face, std::int32_t level, std::int32_t absolute);
    void DrawFittedText(TGraphEnv& env, std::int32_t size, const char* text, const ShortRect& rect,
                        std::int32_t alignment);
    void DrawPositionMap(TGraphEnv& env, const ShortRect& face);
    void DrawNode(std::int32_t absolute);

    std::int32_t current_ = 0;
    std::int32_t anchor_ = 0;
    std::int16_t dataLevels_ = 0;
    std::int16_t dataNodeCount_ = 0;
    std::int16_t visibleLevels_ = 0;
    std::int16_t visibleNodeCount_ = 0;
    std::vector<std::int16_t> nodeFlags_;
    std::vector<std::unique_ptr<char[]>> nodeTexts_;
    std::int16_t phase_ = 0;
    std::unique_ptr<OffscreenEnv> offscreen_;
    std::int16_t scheme_ = 0;
    ShortPoint freeRoom_;
    ShortPoint windowMargin_;
    std::int16_t large_ = 0;
    IHPanelClient* client_ = nullptr;
    std::int16_t clientTextBlack_ = 1;
    win::LOGFONTA nodeFont_{};
    PanelLayout layout_;
    double averageFrameTicks_ = 2.5;
};

template <typename Measure>
std::string HierarchicalPanel::FitText(std::string text, std::int32_t width, std::int32_t& size,
                                       Measure measure) {
    const std::int32_t room = width - 2;
    if (measure(text, size) > room && text.rfind("The ", 0) == 0) text.erase(0, 4);
    while (measure(text, size) > room && size > 9) --size;
    if (measure(text, size) <= room) return text;
    // Cut to fit with "...", down to nothing when even that does not fit.
    while (!text.empty() && measure(text + "...", size) > room) text.pop_back();
    return text.empty() ? text : text + "...";
}
