#pragma once
// The tree of the story element browser: one row per item of the structure, showing its name and,
// when a story's choices are shown, the story points that have it as their value; a chosen item's
// row is bold and, when colours are asked for, filled with its first throughline's colour.

#include <cstdint>
#include <optional>
#include <string>

#include "framework/graphics/RGBColor.h"
#include "platform/gdi/GdiTypes.h"
#include "widgets/TreeSelectorView.h"

class ElementNode : public TreeSelectorNode, public INamedTreeNode {
public:
    ElementNode(int id, std::string name, bool open);

    const char* GetNodeName() const override { return name_.c_str(); }
    std::int16_t GetNodeType() const override { return 0; }
    std::int16_t GetNodeID() const override { return static_cast<std::int16_t>(id_); }
    int GetID() const { return id_; }
    // The story points that have the item, as the row shows them after its name; empty for none.
    const std::string& GetChoices() const { return choices_; }
    void SetChoices(std::string choices, std::optional<RGBColor> fill);
    const std::optional<RGBColor>& GetFill() const { return fill_; }
    // The name and the choices, as the row shows them.
    std::string RowText() const;

private:
    int id_;
    std::string name_;
    std::string choices_;
    std::optional<RGBColor> fill_;
};

class ElementTreeView : public TreeSelectorView {
public:
    ElementTreeView(ItemList* list, const ShortRect& bounds, const win::LOGFONTA& font);
    ~ElementTreeView() override;

    void DrawNodeText(TGraphEnv& env, TreeSelectorNode* node, const ShortRect& rect) override;
    ShortPoint MeasureNode(TGraphEnv& env, TreeSelectorNode* node) override;
    TreeSelectorNode* FindNodeByPrefix(const char* text) override;

    // The node of the item, or null.
    ElementNode* FindItem(int id) const;
    // The selected item's id, 0 when none.
    int SelectedItem() const;

private:
    win::LOGFONTA font_;
    win::LOGFONTA bold_;
};
