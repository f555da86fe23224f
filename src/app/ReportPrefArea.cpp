#include "app/ReportPrefArea.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/FKDoc.h"
#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "framework/graphics/GraphEnv.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/printing/PrintRecord.h"
#include "widgets/Popup.h"

const HeaderFooterCode HeaderFooterCodes[kHeaderFooterCodeCount] = {
    {"Author", "^A", "{author}"},     {"Date and Time", "^D", "{date}"},
    {"Page Number", "^P", "{page}"},  {"Report Title", "^R", "{report}"},
    {"Story Title", "^T", "{story}"}, {"Version Number", "^V", "{version}"},
    {"-", nullptr, nullptr},          {"Left", "^<", "{left}"},
    {"Center", "^|", "{center}"},     {"Right", "^>", "{right}"},
};

namespace {

constexpr std::int16_t kLargestPoints = 32767;

}  // namespace

ReportPrefArea::~ReportPrefArea() { StoreValues(); }

std::int16_t ReportPrefArea::ParseMargin(const std::string& text) {
    const std::string read = text.substr(0, kMarginLength);
    const double inches = read.empty() ? 0.0 : std::strtod(read.c_str(), nullptr);
    // A negative margin, or one the record cannot hold, is brought within range; NaN counts as 0.
    const double points = std::clamp(inches * 72.0, 0.0, static_cast<double>(kLargestPoints));
    return std::isnan(points) ? std::int16_t{0} : static_cast<std::int16_t>(points);
}

std::string ReportPrefArea::FormatMargin(std::int16_t points) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", points / 72.0);
    return text;
}

void ReportPrefArea::BuildItems() {
    MarkFirstItem();
    const int x = bounds_.left + 25;
    const int right = bounds_.right;
    top_ = AddField(ItemRect(35, 294, 51, 329), 0, 12);
    bottom_ = AddField(ItemRect(35, 405, 51, 440), 0, 12);
    left_ = AddField(ItemRect(70, 294, 86, 329), 0, 12);
    right_ = AddField(ItemRect(70, 405, 86, 440), 0, 12);
    columns_ = AddPopup("Number of columns:           ", ItemRect(140, x, 160, right - 15));
    header_ = AddField(ItemRect(200, x, 216, right - 48), 3, 9);
    headerCodes_ = AddPopup(nullptr, ItemRect(200, right - 43, 218, right - 15));
    footer_ = AddField(ItemRect(260, x, 276, right - 48), 3, 9);
    footerCodes_ = AddPopup(nullptr, ItemRect(260, right - 43, 278, right - 15));
    // A pattern is no story text: it is kept, and printed, as typed, no character escaped.
    header_->SetTextFilter(nullptr);
    footer_->SetTextFilter(nullptr);
    headerCodesItem_ = items_ ? items_->IndexOf(headerCodes_) : -1;
    footerCodesItem_ = items_ ? items_->IndexOf(footerCodes_) : -1;
    OpenItems();
}

std::int16_t ReportPrefArea::ReadStoryValue(const char* key, std::int16_t fallback) const {
    if (document_ && document_->HasRecords())
        document_->GetInfoRecord().GetEntry(key, kPTextShort, &fallback);
    return fallback;
}

void ReportPrefArea::WriteStoryValue(const char* key, std::int16_t value) {
    if (!document_ || !document_->HasRecords()) return;
    PText& info = document_->GetInfoRecord();
    std::int16_t stored = 0;
    if (info.GetEntry(key, kPTextShort, &stored) >= 0 && stored == value) return;
    info.SetNumberByName(key, kPTextShort, value);
}

void ReportPrefArea::LoadValues() {
    if (!top_) return;
    ShowMargins(
        ReportMargins{ReadStoryValue(kTopKey, kDefaultMargin), ReadStoryValue(kLeftKey, kDefaultMargin),
                      ReadStoryValue(kBottomKey, kDefaultMargin), ReadStoryValue(kRightKey, kDefaultMargin)});
    for (const char* count : {"1", "2", "3"}) columns_->AddItem(count);
    const std::int16_t columns = std::clamp<std::int16_t>(ReadStoryValue(kColumnsKey, 1), 1, kMaxColumns);
    columns_->SetValue(columns - 1, true);
    if (preferences_) {
        header_->SetText(preferences_->GetReportHeader().substr(0, kPatternLength).c_str(), 1);
        footer_->SetText(preferences_->GetReportFooter().substr(0, kPatternLength).c_str(), 1);
        shown_.Note(preferences_->GetReportOptions(), PreferencesManager::kReportHeaderKey,
                    header_->GetText().substr(0, kPatternLength));
        shown_.Note(preferences_->GetReportOptions(), PreferencesManager::kReportFooterKey,
                    footer_->GetText().substr(0, kPatternLength));
    }
    for (const HeaderFooterCode& row : HeaderFooterCodes) {
        headerCodes_->AddItem(row.caption);
        footerCodes_->AddItem(row.caption);
    }
}

void ReportPrefArea::StoreValues() {
    if (!top_) return;
    if (preferences_) {
        PText* options = preferences_->GetReportOptions();
        const std::string header = header_->GetText().substr(0, kPatternLength);
        const std::string footer = footer_->GetText().substr(0, kPatternLength);
        if (shown_.Writes(options, PreferencesManager::kReportHeaderKey, header))
            preferences_->SetReportHeader(header.c_str());
        if (shown_.Writes(options, PreferencesManager::kReportFooterKey, footer))
            preferences_->SetReportFooter(footer.c_str());
    }
    const std::int32_t chosen = columns_->GetValue();
    WriteStoryValue(kColumnsKey,
                    static_cast<std::int16_t>(std::clamp<std::int32_t>(chosen + 1, 1, kMaxColumns)));
    if (!document_ || !document_->HasRecords()) return;
    PText& info = document_->GetInfoRecord();
    // Only this save counts: the flag may still stand from the story's last save to disk.
    info.ClearFlushedFlag();
    info.Save();
    if (info.WasSaved()) {
        document_->SetDirty();
        info.ClearFlushedFlag();
    }
}

void ReportPrefArea::Draw(TGraphEnv& env) {
    const int top = bounds_.top;
    DrawGroupTitle(env, "Printing Margins:", top + 20, 90);
    env.SetFont(0, 12, 0);
    const struct {
        const char* text;
        int x, y;
    } labels[] = {{"Top:", 260, 51}, {"Bottom:", 345, 51}, {"Left:", 255, 86}, {"Right:", 360, 86}};
    for (const auto& label : labels) {
        env.MoveTo(label.x, label.y);
        env.DrawText(label.text, 0, 0);
    }
    DrawGroupTitle(env, "Report Format:", top + 130, 40);
    DrawGroupTitle(env, "Header:", top + 190, 40);
    DrawGroupTitle(env, "Footer:", top + 250, 40);
}

void ReportPrefArea::AppendCode(EditView& field, std::int32_t row) {
    const char* code = HeaderFooterCodes[row].code;
    if (!code) return;
    std::string text = field.GetText();
    if (text.size() + std::char_traits<char>::length(code) > kPatternLength) return;
    text += code;
    field.SetText(text.c_str(), 1);
}

void ReportPrefArea::ItemHit(std::int32_t index) {
    if (index < 0 || (index != headerCodesItem_ && index != footerCodesItem_)) return;
    Popup& popup = index == headerCodesItem_ ? *headerCodes_ : *footerCodes_;
    const std::int32_t row = popup.GetValue();
    popup.SetValue(-1, true);
    if (row < 0 || row >= static_cast<std::int32_t>(kHeaderFooterCodeCount)) return;
    AppendCode(index == headerCodesItem_ ? *header_ : *footer_, row);
}

ReportMargins ReportPrefArea::FieldMargins() const {
    return ReportMargins{ParseMargin(top_->GetText()), ParseMargin(left_->GetText()),
                         ParseMargin(bottom_->GetText()), ParseMargin(right_->GetText())};
}

void ReportPrefArea::ShowMargins(const ReportMargins& margins) {
    top_->SetText(FormatMargin(margins.top).c_str(), 1);
    left_->SetText(FormatMargin(margins.left).c_str(), 1);
    bottom_->SetText(FormatMargin(margins.bottom).c_str(), 1);
    right_->SetText(FormatMargin(margins.right).c_str(), 1);
}

std::int16_t ReportPrefArea::CanLeave() {
    if (!top_) return 1;
    const ReportMargins read = FieldMargins();
    ReportMargins margins = read;
    const std::int16_t result = CheckReportMargins(PrintRecord::OfApplication(), margins);
    const std::pair<EditView*, std::int16_t ReportMargins::*> sides[] = {{top_, &ReportMargins::top},
                                                                         {left_, &ReportMargins::left},
                                                                         {bottom_, &ReportMargins::bottom},
                                                                         {right_, &ReportMargins::right}};
    for (const auto& [field, side] : sides) {
        if (margins.*side != read.*side) field->SetText(FormatMargin(margins.*side).c_str(), 1);
    }
    if (result == 0) return 0;
    WriteStoryValue(kLeftKey, margins.left);
    WriteStoryValue(kRightKey, margins.right);
    WriteStoryValue(kTopKey, margins.top);
    WriteStoryValue(kBottomKey, margins.bottom);
    return result;
}
