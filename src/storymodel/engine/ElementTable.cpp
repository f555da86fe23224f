#include "storymodel/engine/ElementTable.h"

#include <array>
#include <functional>
#include <string>

#include "storymodel/engine/Vocabulary.h"

namespace {

int CodeDigit(std::int16_t id, int index) {
    const ElementRecord* row = ElementRecordByID(id);
    return row ? row->code[index] - '0' : 0;
}

// The item whose variations or elements a group row spans: the type or variation that the leading
// digits of the group's code address, or -1 for every other row.
std::int16_t GroupedItemID(const char* code) {
    const int level = code[4] - '0';
    int depth = 0;
    while (depth < 4 && code[depth] != '0') ++depth;
    const int c = code[0] - '0', t = code[1] - '0', v = code[2] - '0';
    if (level == 0) return -1;
    if (depth - level == 2) return static_cast<std::int16_t>(kFirstTypeID + 4 * (c - 1) + (t - 1));
    if (depth - level == 3) {
        return static_cast<std::int16_t>(kFirstVariationID + 16 * (c - 1) + 4 * (t - 1) + (v - 1));
    }
    return -1;
}

// The display names of those group rows, in both vocabularies, made once from the table.
struct GroupNames {
    std::array<std::string, kElementCount> newer;
    std::array<std::string, kElementCount> original;

    GroupNames() {
        for (int id = kFirstGroupID; id <= kLastElementID; ++id) {
            const char* code = kElementTable[id].code;
            const std::int16_t item = GroupedItemID(code);
            if (item < 0) continue;
            const char* suffix = code[3] == '0' ? " Variations" : " Elements";
            const ElementRecord& row = kElementTable[item];
            newer[id] = std::string(row.altName ? row.altName : row.name) + suffix;
            original[id] = std::string(row.name) + suffix;
        }
    }
};

const GroupNames& TheGroupNames() {
    static const GroupNames names;
    return names;
}

}  // namespace

const ElementRecord* ElementRecordByID(std::int16_t id) {
    if (id < 0 || id >= kElementCount) return nullptr;
    return &kElementTable[id];
}

int ElementClassDigit(std::int16_t id) { return CodeDigit(id, 0); }
int ElementTypeDigit(std::int16_t id) { return CodeDigit(id, 1); }
int ElementVariationDigit(std::int16_t id) { return CodeDigit(id, 2); }
int ElementElementDigit(std::int16_t id) { return CodeDigit(id, 3); }
int ElementLevelDigit(std::int16_t id) { return CodeDigit(id, 4); }

const char* ElementDisplayName(const ElementRecord& row) {
    const ElementRecord* first = kElementTable.data();
    const std::less<const ElementRecord*> before;
    if (!before(&row, first) && before(&row, first + kElementCount)) {
        const GroupNames& names = TheGroupNames();
        const std::string& name =
            UseOriginalTerms() == 0 ? names.newer[&row - first] : names.original[&row - first];
        if (!name.empty()) return name.c_str();
    }
    return TermInForce(row.name, row.altName);
}

const char* ElementName(std::int16_t id) {
    const ElementRecord* row = ElementRecordByID(id);
    return row ? ElementDisplayName(*row) : "";
}
