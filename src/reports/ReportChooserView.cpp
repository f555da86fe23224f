#include "reports/ReportChooserView.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/ViewDrawContext.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportSets.h"

namespace {

constexpr std::int16_t kBoxSize = 11;
constexpr std::int16_t kTextGap = 5;
constexpr std::int16_t kFontNumber = 0;
constexpr std::int16_t kFontSize = 12;
constexpr std::int32_t kBold = 1;
constexpr std::int32_t kItalic = 2;

bool IsGroupHeading(const ReportCatalogueEntry& entry) {
    return !entry.IsReport() && entry.reportId >= kFirstGroupId && entry.reportId < kNoReportId;
}

}  // namespace

ReportChooserView::ReportChooserView(IReportChooserClient* client, const ReportSets* sets, ItemList* list,
                                     const ShortRect* bounds)
    : TView(list, static_cast<std::uint16_t>(kVertScrollBar | kReadOnly), bounds, 0, GetStandardColor(1)),
      client_(client),
      sets_(sets) {
    SetVertUnitHeight(kRowHeight);
    SetupScrollBars();
    Rebuild();
}

void ReportChooserView::Rebuild() {
    rows_.clear();
    for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
        if (entry.IsReport()) {
            rows_.push_back({Row::kReport, &entry});
        } else if (IsGroupHeading(entry)) {
            rows_.push_back({Row::kGroup, &entry});
        } else if (std::string_view(entry.name) != "-") {
            rows_.push_back({Row::kSetsHeading, &entry});
            const std::size_t count = sets_ ? sets_->GetSets().size() : 0;
            for (std::size_t set = 0; set < count; ++set) rows_.push_back({Row::kSet, &entry, set});
        }
    }
    UpdateScrollBars(1);
    Invalidate();
}

bool ReportChooserView::IsChosen(std::int16_t reportId) const {
    return std::find(chosen_.begin(), chosen_.end(), reportId) != chosen_.end();
}

void ReportChooserView::SetChosen(const std::vector<std::int16_t>& reportIds) {
    chosen_.clear();
    for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
        const auto id = static_cast<std::int16_t>(entry.reportId);
        if (entry.IsReport() && std::find(reportIds.begin(), reportIds.end(), id) != reportIds.end() &&
            !IsChosen(id))
            chosen_.push_back(id);
    }
}

void ReportChooserView::Tick(std::int16_t reportId, bool on) {
    std::vector<std::int16_t> ids = chosen_;
    if (on) {
        ids.push_back(reportId);
    } else {
        ids.erase(std::remove(ids.begin(), ids.end(), reportId), ids.end());
    }
    SetChosen(ids);
}

std::int32_t ReportChooserView::FindReportRow(std::int16_t reportId) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].kind == Row::kReport && rows_[i].entry->reportId == static_cast<std::uint16_t>(reportId))
            return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t ReportChooserView::FindGroupRow(std::uint16_t groupId) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].kind == Row::kGroup && rows_[i].entry->reportId == groupId)
            return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t ReportChooserView::FindSetRow(std::size_t set) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].kind == Row::kSet && rows_[i].set == set) return static_cast<std::int32_t>(i);
    return -1;
}

std::vector<std::int16_t> ReportChooserView::GroupReports(std::size_t index) const {
    std::vector<std::int16_t> ids;
    for (std::size_t i = index + 1; i < rows_.size() && rows_[i].kind == Row::kReport; ++i)
        ids.push_back(static_cast<std::int16_t>(rows_[i].entry->reportId));
    return ids;
}

int ReportChooserView::GroupState(std::size_t index) const {
    const std::vector<std::int16_t> ids = GroupReports(index);
    const auto ticked =
        std::count_if(ids.begin(), ids.end(), [this](std::int16_t id) { return IsChosen(id); });
    if (ticked == 0) return 0;
    return ticked == static_cast<std::ptrdiff_t>(ids.size()) ? 1 : 2;
}

void ReportChooserView::ClickRow(std::size_t index, bool doubleClick) {
    if (index >= rows_.size()) return;
    const Row& row = rows_[index];
    switch (row.kind) {
        case Row::kReport: {
            const auto id = static_cast<std::int16_t>(row.entry->reportId);
            if (doubleClick) {
                SetChosen({id});
            } else {
                Tick(id, !IsChosen(id));
            }
            break;
        }
        case Row::kGroup: {
            const std::vector<std::int16_t> ids = GroupReports(index);
            if (doubleClick) {
                SetChosen(ids);
            } else {
                const bool on = GroupState(index) != 1;
                for (const std::int16_t id : ids) Tick(id, on);
            }
            break;
        }
        case Row::kSet:
            if (!sets_ || row.set >= sets_->GetSets().size()) return;
            SetChosen(sets_->GetSets()[row.set].reportIds);
            break;
        case Row::kSetsHeading: return;
    }
    Changed(doubleClick);
}

void ReportChooserView::Changed(bool confirmed) {
    Invalidate();
    if (!client_) return;
    client_->ReportChoiceChanged();
    if (confirmed) client_->ReportChoiceConfirmed();
}

std::int32_t ReportChooserView::HandleMouseDown(const MsgEvent& event) {
    if (TView::HandleMouseDown(event) == 0) return 0;
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    ShortRect content;
    GetContentRect(content);
    if (!content.Contains(point)) return 1;
    LongPoint document;
    ViewPointToDoc(point, document);
    if (document.y >= 0) ClickRow(static_cast<std::size_t>(document.y / kRowHeight), event.IsDoubleClick());
    return 1;
}

void ReportChooserView::SetBounds(const ShortRect& rect, bool redraw) {
    TView::SetBounds(rect, redraw);
    UpdateScrollBars(1);
}

void ReportChooserView::DrawRow(TGraphEnv& env, std::size_t index, int top, int left, int right) {
    const Row& row = rows_[index];
    const bool heading = row.kind == Row::kGroup || row.kind == Row::kSetsHeading;
    const int boxLeft = heading ? left : left + kIndent;
    const int boxTop = top + (kRowHeight - kBoxSize) / 2;
    const ShortRect box = ShortRect::MakeLTRB(
        static_cast<std::int16_t>(boxLeft), static_cast<std::int16_t>(boxTop),
        static_cast<std::int16_t>(boxLeft + kBoxSize), static_cast<std::int16_t>(boxTop + kBoxSize));
    env.SetForeStandardColor(0);
    int state = 0;
    if (row.kind == Row::kReport) state = IsChosen(static_cast<std::int16_t>(row.entry->reportId)) ? 1 : 0;
    if (row.kind == Row::kGroup) state = GroupState(index);
    if (row.kind == Row::kReport || row.kind == Row::kGroup) {
        env.FrameRect(box);
        if (state == 1) {
            env.MoveTo(box.left + 2, box.top + 5);
            env.LineTo(box.left + 4, box.bottom - 3);
            env.LineTo(box.right - 3, box.top + 2);
        } else if (state == 2) {
            env.FillRect(ShortRect::MakeLTRB(box.left + 3, box.top + 3, box.right - 3, box.bottom - 3));
        }
    }
    std::string label;
    if (row.kind == Row::kSet) {
        label = sets_ && row.set < sets_->GetSets().size() ? sets_->GetSets()[row.set].name : "";
    } else {
        label = ReportEntryLabel(*row.entry);
    }
    env.SetFont(kFontNumber, kFontSize, heading ? kBold : row.kind == Row::kSet ? kItalic : 0);
    const int textLeft = row.kind == Row::kSetsHeading ? left : boxLeft + kBoxSize + kTextGap;
    env.DrawTextBox(
        label.c_str(),
        ShortRect::MakeLTRB(static_cast<std::int16_t>(textLeft), static_cast<std::int16_t>(top),
                            static_cast<std::int16_t>(right), static_cast<std::int16_t>(top + kRowHeight)),
        0, 0, 0);
}

void ReportChooserView::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !context) return;
    ShortRect content;
    GetContentRect(content);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto top = static_cast<int>(static_cast<std::int64_t>(i) * kRowHeight - context->origin.y);
        if (top + kRowHeight <= content.top || top >= content.bottom) continue;
        DrawRow(*env, i, top, static_cast<int>(4 - context->origin.x), content.right - 2);
    }
}

void ReportChooserView::WindowResized() { StretchToWindowBottom(); }
