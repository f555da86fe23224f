#include "storywindows/DictionaryTerms.h"

#include <algorithm>
#include <cctype>

#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

std::string Folded(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

}  // namespace

std::vector<int> TheoryTermIds() {
    std::vector<int> ids;
    for (int id = kFirstClassID; id < kFirstElementID + kElementsPerClass; ++id) ids.push_back(id);
    // The dynamics' block of the story point table: each dynamic and appreciation with its values.
    for (int index = 0; index < kThroughlineFirstIndex[0]; ++index)
        if (const StoryPointRecord* row = StoryPointAt(index)) ids.push_back(row->id);
    return ids;
}

std::vector<DictionaryTerm> DictionaryTerms(const TheoryTexts& texts, DictionarySort sort) {
    std::vector<DictionaryTerm> terms;
    for (int id : TheoryTermIds()) {
        std::string name = texts.Name(id);
        if (!name.empty()) terms.push_back({id, std::move(name)});
    }
    if (sort == DictionarySort::kAlphabetical)
        std::stable_sort(terms.begin(), terms.end(), [](const DictionaryTerm& a, const DictionaryTerm& b) {
            return Folded(a.name) < Folded(b.name);
        });
    return terms;
}

std::string DictionaryEntry(const TheoryTexts& texts, int id, DictionaryDisplay display) {
    return texts.Definitions(id, display != DictionaryDisplay::kShort,
                             display == DictionaryDisplay::kEverything);
}
