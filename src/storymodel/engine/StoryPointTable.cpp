#include "storymodel/engine/StoryPointTable.h"

#include <cstring>
#include <string>

#include "storymodel/engine/Vocabulary.h"

namespace {

// Where the search for a code starts: the first row of the throughline block its prefix names.
int SearchStartForCode(const char* code) {
    static constexpr const char* kPrefixes[] = {"ST", "MC", "OC", "PL"};
    for (int throughline = 0; throughline < 4; ++throughline) {
        if (std::strncmp(code, kPrefixes[throughline], 2) == 0) return kThroughlineFirstIndex[throughline];
    }
    return 0;
}

}  // namespace

const StoryPointRecord* StoryPointAt(int index) {
    if (index < 0 || index >= kStoryPointCount) return nullptr;
    return &kStoryPointTable[index];
}

int StoryPointIndex(std::int16_t id) {
    int low = 0;
    int high = kStoryPointCount - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const std::int16_t found = kStoryPointTable[middle].id;
        if (found == id) return middle;
        if (id > found) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return -1;
}

const StoryPointRecord* StoryPointByID(std::int16_t id) { return StoryPointAt(StoryPointIndex(id)); }

const char* StoryPointDisplayName(const StoryPointRecord& row) { return TermInForce(row.name, row.altName); }

const char* StoryPointName(std::int16_t id) {
    if (id == 0 || id == -1) return "";
    const StoryPointRecord* row = StoryPointByID(id);
    return row ? StoryPointDisplayName(*row) : "";
}

const char* StoryPointCode(std::int16_t id) {
    if (id == 0) return "";
    const StoryPointRecord* row = StoryPointByID(id);
    return row ? row->code : nullptr;
}

int StoryPointIndexForCode(const char* code) {
    if (!code) return -1;
    for (int index = SearchStartForCode(code); index < kStoryPointCount; ++index) {
        const char* rowCode = kStoryPointTable[index].code;
        if (rowCode && std::strcmp(rowCode, code) == 0) return index;
    }
    return -1;
}

std::int16_t StoryPointIDForCode(const char* code) {
    const int index = StoryPointIndexForCode(code);
    return index < 0 ? std::int16_t{-1} : kStoryPointTable[index].id;
}

int StoryPointValueCount(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row) return 0;
    switch (row->kind) {
        case kDynamicPoint: return 2;
        case kDomainLevelPoint: return 4;
        case kConcernLevelPoint: return 16;
        case kIssueLevelPoint:
        case kElementLevelPoint: return 64;
        default: return 0;
    }
}

int ThroughlineStoryPointIndex(int throughline, int offset) {
    const int first = throughline >= 0 && throughline < 4 ? kThroughlineFirstIndex[throughline] : 0;
    return first + offset;
}

bool IsWholeStoryPoint(int index) {
    for (int throughline = kMainCharacter; throughline <= kSubjectiveStory; ++throughline)
        for (const int offset : {kGoalOffset, kRequirementsOffset})
            if (index == ThroughlineStoryPointIndex(throughline, offset)) return true;
    return false;
}

int ThroughlineDomainIndex(std::int16_t id) {
    const char* code = StoryPointCode(id);
    if (!code || std::strlen(code) < 2) return -1;
    const std::string domainCode = std::string(code, 2) + "Dom";
    return StoryPointIndexForCode(domainCode.c_str());
}
