#pragma once
// The list the writer chooses reports from in the Reports window: the report catalogue's groups,
// each heading followed by its reports, every row with a tick box, then the heading "Report Sets"
// followed by the writer's saved sets. A click on a report ticks or clears it; a click on a group
// heading ticks the whole group (or clears it when all of it was ticked); a click on a set ticks
// exactly its reports. A double click chooses the row's reports alone and asks for them at once.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "items/TView.h"

class ReportSets;
class TGraphEnv;
struct ReportCatalogueEntry;

class IReportChooserClient {
public:
    virtual ~IReportChooserClient() = default;
    // The ticked reports changed.
    virtual void ReportChoiceChanged() = 0;
    // A double click chose a row's reports: show them now.
    virtual void ReportChoiceConfirmed() = 0;
};

class ReportChooserView : public TView {
public:
    static constexpr std::int16_t kRowHeight = 18;
    static constexpr std::int16_t kIndent = 16;

    struct Row {
        enum Kind { kGroup, kReport, kSetsHeading, kSet };
        Kind kind;
        const ReportCatalogueEntry* entry;  // the group heading or the report
        std::size_t set = 0;                // the set's index, for a set row
    };

    // The sets are the window's; the rows follow them after Rebuild.
    ReportChooserView(IReportChooserClient* client, const ReportSets* sets, ItemList* list,
                      const ShortRect* bounds);

    // Makes the rows again from the catalogue and the sets; the ticks stay.
    void Rebuild();

    // The ticked reports, in catalogue order.
    const std::vector<std::int16_t>& GetChosen() const { return chosen_; }
    // Ticks exactly the catalogued reports among the ids.
    void SetChosen(const std::vector<std::int16_t>& reportIds);
    bool IsChosen(std::int16_t reportId) const;

    std::size_t GetRowCount() const { return rows_.size(); }
    const Row& GetRow(std::size_t index) const { return rows_[index]; }
    // The row of a report, of a group heading (by its id) or of a set; -1 when none.
    std::int32_t FindReportRow(std::int16_t reportId) const;
    std::int32_t FindGroupRow(std::uint16_t groupId) const;
    std::int32_t FindSetRow(std::size_t set) const;
    // What a click (or a double click) on the row does; nothing for a row outside the list.
    void ClickRow(std::size_t index, bool doubleClick);
    // A group's tick: 0 none of its reports ticked, 1 all of them, 2 some.
    int GroupState(std::size_t index) const;

    // --- TItem and TView
    std::int32_t VertUnitCount() const override { return static_cast<std::int32_t>(rows_.size()); }
    void DrawContent(ViewDrawContext* context) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    // The list reaches down to the bottom of the window.
    void WindowResized() override;

private:
    // The reports under the group heading at the row.
    std::vector<std::int16_t> GroupReports(std::size_t index) const;
    void Tick(std::int16_t reportId, bool on);
    void DrawRow(TGraphEnv& env, std::size_t index, int top, int left, int right);
    void Changed(bool confirmed);

    IReportChooserClient* client_;
    const ReportSets* sets_;
    std::vector<Row> rows_;
    std::vector<std::int16_t> chosen_;
};
