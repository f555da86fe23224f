#pragma once
// A tree selector whose rows show names, as the dictionary's term tree does: each node measured by
// its name in the view's font, the selected row highlighted, and typing finds the first name that
// begins with what was typed.

#include <string>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "items/GraphFontUser.h"
#include "widgets/TreeSelectorView.h"

namespace widgetstest {

class NameNode : public TreeSelectorNode, public INamedTreeNode {
public:
    explicit NameNode(std::string name, bool open = true)
        : TreeSelectorNode({0, 0}, open), name_(std::move(name)) {}
    const char* GetNodeName() const override { return name_.c_str(); }
    std::int16_t GetNodeType() const override { return 0; }
    std::int16_t GetNodeID() const override { return 0; }

private:
    std::string name_;
};

class NameTreeView : public TreeSelectorView {
public:
    NameTreeView(ItemList* list, const ShortRect& bounds)
        : TreeSelectorView(list, 16, &bounds, 0, RGBColor(0)) {
        MakeLogFont(font_, 3, 10, 0);
        SetStyle(kTakesFocus, true);
    }
    ~NameTreeView() override { DeleteAll(); }

    void DrawNodeText(TGraphEnv& env, TreeSelectorNode* node, const ShortRect& rect) override {
        const GraphFontUser font(env, font_);
        win::TEXTMETRICA metrics{};
        env.GetTextMetrics(metrics);
        const ShortRect text =
            ShortRect::MakeLTRB(rect.left + 2, rect.top, rect.left + 2 + node->GetSize().x - 4, rect.bottom);
        if (node->IsSelected()) {
            env.FillHighlight(text);
            env.UseHighlightTextColor();
        }
        env.MoveTo(text.left + 1, rect.top + 1 + metrics.tmAscent);
        env.DrawText(Name(node), 0, 0);
    }
    ShortPoint MeasureNode(TGraphEnv& env, TreeSelectorNode* node) override {
        const GraphFontUser font(env, font_);
        win::TEXTMETRICA metrics{};
        env.GetTextMetrics(metrics);
        node->SetSize(ShortPoint{static_cast<std::int16_t>(env.StringWidth(Name(node)) + 6),
                                 static_cast<std::int16_t>(metrics.tmHeight + 2)});
        return node->GetSize();
    }
    TreeSelectorNode* FindNodeByPrefix(const char* text) override {
        const NodeMatchesName match(text, 0);
        lastSearch = text;
        return FindNext(nullptr, false, &match, nullptr);
    }

    static const char* Name(const TreeSelectorNode* node) {
        return static_cast<const NameNode*>(node)->GetNodeName();
    }

    std::string lastSearch;

private:
    win::LOGFONTA font_{};
};

}  // namespace widgetstest
