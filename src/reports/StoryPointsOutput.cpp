// Every story point of the storyform (report id 6): grouped under headings, once as lines of text
// in the output and once as printable tables of four columns (name, value, definition, the story's
// storytelling text) for the printed report.
//
// Template 1079: S1 and S2 open the report, S3-S13 head the eleven groups. 'APPR' records 3-118
// (apart from the thirteen skipped numbers) describe the story points, with the keys "VN" (the code),
// "NM" (the name), "DF" (an explanation) and "TY" (the kind of line). A number whose record is
// missing or has no code is skipped like the skipped numbers (its group's heading still comes), and
// when no number has a description a sentence says that they are missing from the data file;
// every text of a table's cell is expanded as the screen expands the report's text (twice, for the
// macros a definition holds) and decoded before it is printed; the group tables
// follow each other on the pages and keep the report's page numbers. A line that sets its name and
// value in bold switches bold off at its end, so that the storytelling text and the lines after it
// are not bold. A story point whose value is not chosen yet says so, with what the point is. A
// dynamic appreciation follows from two dynamics: once both are chosen its line gives the value they
// make, before then it says which of them it waits for.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "items/printing/PrintableShapes.h"
#include "items/printing/PrintableTable.h"
#include "items/printing/PrintableText.h"
#include "reports/IOutlineWindow.h"
#include "reports/PrintableHeadedTable.h"
#include "reports/ReportComposer.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportText.h"
#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::int16_t kFirstNumber = 3;
constexpr std::int16_t kLastNumber = 118;
constexpr std::array<std::int16_t, 13> kSkipped = {11, 12, 25, 38, 51, 64, 65, 74, 82, 90, 98, 106, 114};

// The numbers that open a group, and the template key of the group's heading.
struct GroupStart {
    std::int16_t number;
    int headingKey;
};
constexpr std::array<GroupStart, 11> kGroups = {{
    {13, 3},
    {26, 4},
    {39, 5},
    {52, 6},
    {66, 7},
    {75, 8},
    {83, 9},
    {91, 10},
    {99, 11},
    {107, 12},
    {115, 13},
}};

constexpr std::int16_t kColumns = 4;
constexpr std::array<std::int16_t, kColumns> kColumnWeights = {12, 12, 20, 40};
// The header's captions, and the room around the texts of the cells.
constexpr std::array<const char*, kColumns> kCaptions = {"{NAppr}", "Item", "Definition", "{NST-Results}"};
constexpr std::int32_t kCellInsetX = 3;
constexpr std::int32_t kCellInsetY = 2;
constexpr std::int32_t kHeaderInset = 1;

constexpr char kBullet = '\x95';
constexpr const char* kNotChosen = "not chosen yet";

bool IsSkipped(std::int16_t number) {
    return std::find(kSkipped.begin(), kSkipped.end(), number) != kSkipped.end();
}

int HeadingKeyOf(std::int16_t number) {
    for (const GroupStart& group : kGroups)
        if (group.number == number) return group.headingKey;
    return 0;
}

// The line of a story point and the texts of its first three cells, by its kind.
struct StoryPointLine {
    std::string line;
    std::array<std::string, 3> cells;
};

// The value a dynamic appreciation takes from the values of its two dynamics when both are chosen;
// else 0, and the words for what it waits for ("waits for Outcome to be chosen").
std::int16_t DerivedAppreciation(const DynamicAppreciationSource& source,
                                 const std::array<std::int16_t, 2>& values, std::string& waiting) {
    std::string missing;
    std::array<bool, 2> holdsFirst{};
    for (std::size_t side = 0; side < 2; ++side) {
        const Dynamic dynamic = side == 0 ? source.first : source.second;
        holdsFirst[side] = values[side] == DynamicValue(dynamic, 0);
        if (values[side] > 0) continue;
        const StoryPointRecord* point = StoryPointAt(DynamicIndex(dynamic));
        missing += (missing.empty() ? "" : " and ") + std::string(point ? StoryPointDisplayName(*point) : "");
    }
    if (missing.empty()) return DynamicAppreciationValue(source.index, holdsFirst[0], holdsFirst[1]);
    waiting = "waits for " + missing + " to be chosen";
    return 0;
}

}  // namespace

bool ReportComposer::ExpandDefinition(const char* code, std::string& out) {
    const std::string macro = std::string("{SDF(") + (code ? code : "") + ")}";
    out = ExpandReportMacros(document_, macro.c_str(), &vocabulary_);
    return !out.empty();
}

std::unique_ptr<PrintableTable> ReportComposer::MakeStoryPointHeader() {
    PrintingEnvironment* environment = GetPrintingEnvironment();
    auto header = std::make_unique<PrintableTable>(environment, 1, kColumns, kColumns);
    header->SetColumnWeights(kColumnWeights.data());
    win::LOGFONTA font = GetPrintableFont();
    font.lfWeight = win::FW_BOLD;
    const LongPoint margin{kCellInsetX, kCellInsetY};
    for (std::int16_t column = 0; column < kColumns; ++column) {
        const std::string caption =
            ExpandReportText(document_, kCaptions[static_cast<std::size_t>(column)], &vocabulary_, false);
        auto text = std::make_unique<PrintableText>(environment, caption.c_str(), font);
        auto frame = std::make_unique<PrintableFrame>(environment, std::move(text), &margin);
        header->SetCell(column, 0,
                        std::make_unique<PrintableInset>(std::move(frame), kHeaderInset, kHeaderInset));
    }
    return header;
}

void ReportComposer::BuildStoryPointsOutput() {
    Section t(*this, 1079);
    PrintingEnvironment* environment = GetPrintingEnvironment();
    const win::LOGFONTA font = GetPrintableFont();
    // A text printable of the text as it prints: expanded as the screen expands it, twice (a story
    // point's definition may itself hold a macro), with the terms collected, and decoded.
    const auto textOf = [&](const std::string& text) -> std::unique_ptr<PrintableText> {
        if (!environment) return nullptr;
        const std::string once = ExpandReportMacros(document_, text.c_str(), &vocabulary_);
        const std::string printed = ExpandReportText(document_, once.c_str(), &vocabulary_, false);
        return std::make_unique<PrintableText>(environment, printed.c_str(), font);
    };
    const auto appendWithPrintable = [&](int key) {
        std::string text;
        if (!t.Read(key, text)) return;
        AppendText(text.c_str());
        AddPrintable(textOf(text), nullptr);
    };
    appendWithPrintable(1);
    appendWithPrintable(2);

    std::unique_ptr<PrintableTable> group;
    bool groupOpen = false;
    std::int16_t rows = 0;
    const auto handOver = [&] {
        if (group)
            AddPrintable(
                std::make_unique<PrintableHeadedTable>(environment, MakeStoryPointHeader(), std::move(group)),
                nullptr);
        group.reset();
        groupOpen = false;
    };
    const std::string bold = StyleCodeText("B+"), plain = StyleCodeText("B-");
    bool anyDescribed = false;
    for (std::int16_t number = kFirstNumber; number <= kLastNumber; ++number) {
        if (IsSkipped(number)) continue;
        StoryPointDescription point;
        const bool described = Templates().ReadDescription(number, point) && !point.code.empty();
        if (const int headingKey = HeadingKeyOf(number)) {
            std::string heading;
            const bool hasHeading = t.Read(headingKey, heading);
            AppendText(heading.c_str());
            handOver();
            if (hasHeading) AddPrintable(textOf(heading), nullptr);
        }
        if (!described) continue;
        anyDescribed = true;
        if (!groupOpen) {
            groupOpen = true;
            rows = 0;
            if (environment) {
                group = std::make_unique<PrintableTable>(environment, 0, kColumns, kColumns);
                group->SetColumnWeights(kColumnWeights.data());
            }
        }

        const std::string& code = point.code;
        // The value's code: the point's own, or the id of the value an appreciation takes from its
        // dynamics.
        std::string valueCode = code;
        std::string unsettled = kNotChosen;
        bool chosen = IsPointChosen(code);
        const DynamicAppreciationSource* source =
            DynamicAppreciationSourceOf(StoryPointIndexForCode(code.c_str()));
        if (!chosen && source) {
            const std::array<std::int16_t, 2> values = {PointValueAt(DynamicIndex(source->first)),
                                                        PointValueAt(DynamicIndex(source->second))};
            if (const std::int16_t derived = DerivedAppreciation(*source, values, unsettled)) {
                valueCode = std::to_string(derived);
                chosen = true;
            }
        }
        const std::string value = "{SNF(" + valueCode + ")}";
        const std::string definition = "{SDF(" + code + ")}";
        const std::string head = std::string(1, kBullet) + " " + bold + point.name + ": ";
        StoryPointLine formed;
        // A value not chosen yet is said to be so, and the line tells what the point is.
        const bool showsValue = point.kind >= 0 && point.kind <= 8;
        switch (showsValue && !chosen ? -1 : point.kind) {
            case -1: {
                const std::string about = point.explanation.empty() ? "" : " (" + point.explanation + ")";
                formed = {head + unsettled + about + plain, {point.name, unsettled, point.explanation}};
                break;
            }
            case 7:
                // A position's place or a home class's class, with what it is.
                formed = {head + value + " (" + point.explanation + ")" + plain,
                          {point.name, value, point.explanation}};
                break;
            case 1:
            case 6:
                formed = {head + value + " (" + point.explanation + " as it concerns how " + definition +
                              ")" + plain,
                          {point.name, value, definition}};
                break;
            case 2:
            case 3:
            case 4:
            case 5:
                formed = {head + value + " (" + definition + " is " + point.explanation + ")" + plain,
                          {point.name, value, definition + " is " + point.explanation}};
                break;
            case 0:
            case 8: {
                std::string expanded;
                ExpandDefinition(valueCode.c_str(), expanded);
                formed = {head + value + " (" + expanded + ")" + plain, {point.name, value, expanded}};
                break;
            }
            default: break;
        }
        if (!formed.line.empty()) {
            AppendText(formed.line.c_str());
            if (group) {
                for (std::int16_t column = 0; column < kColumns; ++column) {
                    const std::string& cell =
                        column < 3 ? formed.cells[static_cast<std::size_t>(column)] : "{STF(" + code + ")}";
                    group->SetCell(column, rows,
                                   std::make_unique<PrintableInset>(textOf(cell), kCellInsetX, kCellInsetY));
                }
            }
            ++rows;
            AppendStoryPoint(code.c_str(), "", false);
        }
        AppendStyleCode(ReportStyle::kParagraphEnd);
        AppendMargins(0, 20, 0);
    }
    handOver();
    if (!anyDescribed) {
        AppendText("The descriptions of the story points are missing from the program's data.");
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
    if (!owner_ || owner_->GetVocabularyOption() == 0)
        ReplaceText(ExpandReportMacros(document_, GetText(), &vocabulary_).c_str());
}
