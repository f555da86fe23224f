#include "storywindows/TheoryTexts.h"

#include <cstring>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StyledText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr FourCC kDescriptionRecord = FourCCOf("APPR");
constexpr const char* kDescriptionKey = "DF";

}  // namespace

int TextIdOfTerm(int id) { return IsElementID(id) ? kFirstElementID + ElementRank(id) : id; }

std::string TheoryTexts::Text(FourCC kind, int id) const {
    const int textId = TextIdOfTerm(id);
    if (!store_ || textId <= 0 || textId > 0xFFFF) return "";
    const CheckedOutHdl segment(kind, static_cast<std::uint16_t>(textId), store_);
    const auto* text = static_cast<const char*>(segment.Data());
    if (!text) return "";
    const std::size_t size = MemSize(segment.Data());
    const void* end = std::memchr(text, '\0', size);
    return std::string(text, end ? static_cast<const char*>(end) - text : size);
}

std::string TheoryTexts::Name(int id) const {
    // The dictionary's names may be terms of the vocabulary in force.
    std::string name = ExpandAndDecode(nullptr, Text(kTermNameSegment, id).c_str());
    if (!name.empty()) return name;
    if (id >= 1000 && id <= INT16_MAX) return StoryPointName(static_cast<std::int16_t>(id));
    return id > 0 && id <= INT16_MAX ? ElementName(static_cast<std::int16_t>(id)) : "";
}

std::string TheoryTexts::Definitions(int id, bool longDefinition, bool synonyms) const {
    std::string text = std::string(kBoldOn) + Name(id) + std::string(kBoldOff);
    const auto add = [&](FourCC kind, const char* label) {
        const std::string part = Text(kind, id);
        if (part.empty()) return;
        text += "\n\n";
        if (label) text += std::string(kBoldOn) + label + std::string(kBoldOff) + " ";
        text += part;
    };
    add(kShortDefinitionSegment, nullptr);
    if (longDefinition) add(kLongDefinitionSegment, nullptr);
    if (synonyms) add(kSynonymSegment, "Synonyms:");
    return text;
}

std::string TheoryTexts::Description(std::int16_t storyPointId) const {
    if (!store_ || storyPointId <= 0) return "";
    ErrCode error = kNoErr;
    PText record(store_, kDescriptionRecord, static_cast<std::uint16_t>(storyPointId), &error);
    return error == kNoErr ? RecordText(record, kDescriptionKey) : "";
}

TheoryTexts ApplicationTheoryTexts() {
    IStoryApplication* application = GetStoryApplication();
    return TheoryTexts(application ? application->GetDataFile() : nullptr);
}
