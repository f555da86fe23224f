#include "storywindows/ElementStructure.h"

#include <algorithm>
#include <utility>

#include "app/FKDoc.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"
#include "storywindows/PlotProgression.h"

namespace {

constexpr int kCodeDigits = 4;

// The item's code without its level digit; empty for an id that is no item.
std::string ItemCode(int id) {
    if (id < kFirstClassID || id >= kFirstGroupID) return "";
    const ElementRecord* row = ElementRecordByID(static_cast<std::int16_t>(id));
    return row ? std::string(row->code, kCodeDigits) : "";
}

// How many of the code's digits are set: 1 for a class .. 4 for an element.
int Depth(const std::string& code) {
    return static_cast<int>(std::find(code.begin(), code.end(), '0') - code.begin());
}

// The throughline of the story point row, -1 outside them.
int ThroughlineOf(int index) {
    for (int throughline = kThroughlineCount - 1; throughline >= 0; --throughline)
        if (index >= kThroughlineFirstIndex[static_cast<std::size_t>(throughline)])
            return index < kThroughlineFirstIndex[static_cast<std::size_t>(throughline)] +
                               kThroughlinePointCount
                       ? throughline
                       : -1;
    return -1;
}

bool Counts(int index, const ChoiceOptions& options) {
    const int throughline = ThroughlineOf(index);
    if (options.allPoints || throughline < 0) return options.allPoints;
    const int offset = index - kThroughlineFirstIndex[static_cast<std::size_t>(throughline)];
    if (offset >= kSignpostOffset && offset < kSignpostOffset + kSignpostCount) return options.signposts;
    return offset <= kProblemOffset;
}

}  // namespace

int StructureParent(int id) {
    const std::string code = ItemCode(id);
    const int depth = Depth(code);
    if (depth < 1 || depth > kCodeDigits) return -1;
    if (depth == 1) return 0;
    std::string parent = code;
    parent[static_cast<std::size_t>(depth - 1)] = '0';
    for (int candidate = kFirstClassID; candidate < kFirstElementID; ++candidate)
        if (ItemCode(candidate) == parent) return candidate;
    return -1;
}

std::vector<int> StructureChildren(int id) {
    const std::string code = id == 0 ? std::string(kCodeDigits, '0') : ItemCode(id);
    const int depth = Depth(code);
    if (code.empty() || depth >= kCodeDigits) return {};
    std::vector<std::pair<std::string, int>> children;
    for (int candidate = kFirstClassID; candidate < kFirstGroupID; ++candidate) {
        std::string child = ItemCode(candidate);
        if (Depth(child) == depth + 1 &&
            child.compare(0, static_cast<std::size_t>(depth), code, 0, static_cast<std::size_t>(depth)) == 0)
            children.emplace_back(std::move(child), candidate);
    }
    std::sort(children.begin(), children.end());
    std::vector<int> ids;
    for (const auto& child : children) ids.push_back(child.second);
    return ids;
}

std::vector<ElementChoice> ChoicesOf(FKDoc& story, int id, const ChoiceOptions& options) {
    std::vector<ElementChoice> choices;
    if (id <= 0 || !story.HasRecords()) return choices;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord* row = StoryPointAt(index);
        if (!row || !row->code || !*row->code || !Counts(index, options)) continue;
        // A home class holds its class's digit and a position a place in the quad: each is read as
        // what it names (the class, and no item).
        if (StoryPointValueItem(index, story.GetStoryPointValue(index)) != id) continue;
        ElementChoice choice;
        choice.index = index;
        choice.throughline = ThroughlineOf(index);
        const std::string point = ExpandAndDecode(&story, StoryPointDisplayName(*row));
        const std::string owner = IsWholeStoryPoint(index) ? kWholeStoryName
                                  : choice.throughline < 0 ? ""
                                                           : ThroughlineName(story, choice.throughline);
        choice.name = owner.empty() ? point : owner + " " + point;
        choices.push_back(std::move(choice));
    }
    return choices;
}
