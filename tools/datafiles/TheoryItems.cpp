#include "datafiles/TheoryItems.h"

#include <algorithm>
#include <cstdio>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr int kFirstValueID = 1000;
// The first story point of the throughlines: the points below it are the dynamics and the dynamic
// appreciations with their values.
constexpr int kFirstThroughlinePointID = 12000;
constexpr int kImpactResolveID = 1005;
// The impact character's resolve values are read this far above the Main Character's.
constexpr int kImpactResolveShift = 5;
constexpr int kFirstReportIndex = 3;
constexpr int kLastReportIndex = 118;
constexpr int kSkippedReportIndexes[] = {11, 12, 25, 38, 51, 64, 65, 74, 82, 90, 98, 106, 114};

// The story point row whose names an id carries: the impact character's resolve values carry the
// names of the Main Character's.
const StoryPointRecord* StoryPointRow(int id) {
    if (id > kImpactResolveID && id <= kImpactResolveID + 2) id -= kImpactResolveShift;
    if (id < kFirstValueID || id >= kFirstThroughlinePointID) return nullptr;
    return StoryPointByID(static_cast<std::int16_t>(id));
}

}  // namespace

TheoryLevel DictionaryLevel(int id) {
    if (id >= kFirstClassID && id < kFirstTypeID) return TheoryLevel::kClass;
    if (id >= kFirstTypeID && id < kFirstVariationID) return TheoryLevel::kType;
    if (id >= kFirstVariationID && id < kFirstElementID) return TheoryLevel::kVariation;
    if (id >= kFirstElementID && id < kFirstElementID + kElementsPerClass) return TheoryLevel::kElement;
    return StoryPointRow(id) ? TheoryLevel::kStoryPointValue : TheoryLevel::kNone;
}

std::string_view LevelWord(TheoryLevel level) {
    switch (level) {
        case TheoryLevel::kClass: return "classes";
        case TheoryLevel::kType: return "types";
        case TheoryLevel::kVariation: return "variations";
        case TheoryLevel::kElement: return "elements";
        case TheoryLevel::kStoryPointValue: return "dynamics";
        case TheoryLevel::kNone: break;
    }
    return "";
}

const std::vector<std::uint16_t>& DictionaryIDs() {
    static const std::vector<std::uint16_t> ids = [] {
        std::vector<std::uint16_t> all;
        for (int id = 0; id < kFirstThroughlinePointID; ++id) {
            if (DictionaryLevel(id) != TheoryLevel::kNone) all.push_back(static_cast<std::uint16_t>(id));
        }
        return all;
    }();
    return ids;
}

const std::vector<std::uint16_t>& VerbIDs() {
    static const std::vector<std::uint16_t> ids = [] {
        std::vector<std::uint16_t> all;
        for (int id = kFirstClassID; id < kFirstElementID + kElementsPerClass; ++id)
            all.push_back(static_cast<std::uint16_t>(id));
        return all;
    }();
    return ids;
}

bool IsNameOf(int id, std::string_view name) {
    const char* names[2] = {nullptr, nullptr};
    if (const StoryPointRecord* row = StoryPointRow(id)) {
        names[0] = row->name;
        names[1] = row->altName;
    } else if (const ElementRecord* element = DictionaryLevel(id) != TheoryLevel::kNone
                                                  ? ElementRecordByID(static_cast<std::int16_t>(id))
                                                  : nullptr) {
        names[0] = element->name;
        names[1] = element->altName;
    }
    for (const char* known : names) {
        if (known && name == known) return true;
    }
    return false;
}

std::string NamesOf(int id) {
    const char* name = nullptr;
    const char* altName = nullptr;
    if (const StoryPointRecord* row = StoryPointRow(id)) {
        name = row->name;
        altName = row->altName;
    } else if (DictionaryLevel(id) != TheoryLevel::kNone) {
        const ElementRecord* element = ElementRecordByID(static_cast<std::int16_t>(id));
        name = element->name;
        altName = element->altName;
    }
    if (!name) return "nothing";
    return altName && std::string_view(altName) != name ? std::string(name) + " or " + altName : name;
}

bool IsStoryPointReportIndex(std::int64_t index) {
    return index >= kFirstReportIndex && index <= kLastReportIndex &&
           std::find(std::begin(kSkippedReportIndexes), std::end(kSkippedReportIndexes), index) ==
               std::end(kSkippedReportIndexes);
}

const std::vector<std::uint16_t>& StoryPointRecordNumbers() {
    static const std::vector<std::uint16_t> numbers = [] {
        std::vector<std::uint16_t> all;
        for (int index = kFirstReportIndex; index <= kLastReportIndex; ++index) {
            if (IsStoryPointReportIndex(index)) all.push_back(static_cast<std::uint16_t>(index));
        }
        for (const StoryPointRecord& row : kStoryPointTable)
            all.push_back(static_cast<std::uint16_t>(row.id));
        return all;
    }();
    return numbers;
}

std::string StructureOrderKey(int id) {
    // Level by level; the items of a level by their codes, the story point values by id.
    const ElementRecord* row =
        id < kFirstValueID ? ElementRecordByID(static_cast<std::int16_t>(id)) : nullptr;
    char key[16];
    std::snprintf(key, sizeof key, "%d:%s%05d", static_cast<int>(DictionaryLevel(id)), row ? row->code : "",
                  row ? 0 : id);
    return key;
}
