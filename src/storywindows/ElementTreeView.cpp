#include "storywindows/ElementTreeView.h"

#include <utility>

#include "framework/graphics/GraphEnv.h"
#include "items/GraphFontUser.h"

namespace {

// Finds the node of an item id.
class NodeHasItem : public TNodeTest {
public:
    explicit NodeHasItem(int id) : id_(id) {}
    std::int16_t Test(const QRVTreeNode* node) const override {
        return static_cast<const ElementNode*>(node)->GetID() == id_ ? 1 : 0;
    }

private:
    int id_;
};

}  // namespace

ElementNode::ElementNode(int id, std::string name, bool open)
    : TreeSelectorNode({0, 0}, open), id_(id), name_(std::move(name)) {
    SetFlags(kSelectable);
}

void ElementNode::SetChoices(std::string choices, std::optional<RGBColor> fill) {
    choices_ = std::move(choices);
    fill_ = fill;
}

std::string ElementNode::RowText() const { return choices_.empty() ? name_ : name_ + "  (" + choices_ + ")"; }

ElementTreeView::ElementTreeView(ItemList* list, const ShortRect& bounds, const win::LOGFONTA& font)
    : TreeSelectorView(list, 16, &bounds, 0, RGBColor(0)), font_(font), bold_(font) {
    bold_.lfWeight = 700;
    SetStyle(kTakesFocus, true);
}

ElementTreeView::~ElementTreeView() { DeleteAll(); }

void ElementTreeView::DrawNodeText(TGraphEnv& env, TreeSelectorNode* node, const ShortRect& rect) {
    const auto* item = static_cast<const ElementNode*>(node);
    const GraphFontUser font(env, item->GetChoices().empty() ? font_ : bold_);
    win::TEXTMETRICA metrics{};
    env.GetTextMetrics(metrics);
    const ShortRect text =
        ShortRect::MakeLTRB(rect.left + 2, rect.top, rect.left + 2 + node->GetSize().x - 4, rect.bottom);
    if (node->IsSelected()) {
        env.FillHighlight(text);
        env.UseHighlightTextColor();
    } else if (item->GetFill()) {
        env.SetBackColor(*item->GetFill());
        env.EraseRect(text);
    }
    env.MoveTo(text.left + 1, rect.top + 1 + metrics.tmAscent);
    const std::string shown = item->RowText();
    env.DrawText(shown.c_str(), 0, 0);
}

ShortPoint ElementTreeView::MeasureNode(TGraphEnv& env, TreeSelectorNode* node) {
    const auto* item = static_cast<const ElementNode*>(node);
    const GraphFontUser font(env, item->GetChoices().empty() ? font_ : bold_);
    win::TEXTMETRICA metrics{};
    env.GetTextMetrics(metrics);
    const std::string shown = item->RowText();
    node->SetSize(ShortPoint{static_cast<std::int16_t>(env.StringWidth(shown.c_str()) + 6),
                             static_cast<std::int16_t>(metrics.tmHeight + 2)});
    return node->GetSize();
}

TreeSelectorNode* ElementTreeView::FindNodeByPrefix(const char* text) {
    const NodeMatchesName match(text, 0);
    return FindNext(nullptr, false, &match, nullptr);
}

ElementNode* ElementTreeView::FindItem(int id) const {
    const NodeHasItem match(id);
    return static_cast<ElementNode*>(FindNext(nullptr, false, &match, nullptr));
}

int ElementTreeView::SelectedItem() const {
    const TreeSelectorNodeList& selected = GetSelectedNodes();
    return selected.Count() > 0 ? static_cast<const ElementNode*>(selected.NodeAt(0))->GetID() : 0;
}
