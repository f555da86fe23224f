#include "storymodel/engine/Terminology.h"

#include <cstring>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/TheoryTables.h"
#include "storymodel/engine/Vocabulary.h"

namespace {
constexpr int kFirstStoryPointID = 1000;
}

const char* TerminologyTerm(const char* key) {
    if (!key) return nullptr;
    for (const TerminologyRecord& row : kTerminologyTable) {
        if (std::strcmp(row.key, key) != 0) continue;
        if (row.id != 0) {
            const auto id = static_cast<std::int16_t>(row.id);
            return id >= kFirstStoryPointID ? StoryPointName(id) : ElementName(id);
        }
        return UseOriginalTerms() != 0 ? row.originalTerm : row.newTerm;
    }
    return nullptr;
}

const char* DynamicValueName(int dynamic, int value) {
    if (dynamic < 0 || dynamic >= kDynamicCount || (value != 1 && value != 2)) return "";
    const DynamicValueNames& names = kDynamicValueNames[dynamic];
    return value == 1 ? TermInForce(names.value1, names.newValue1)
                      : TermInForce(names.value2, names.newValue2);
}
