#include "query/data/QuestionListExpansion.h"

#include <algorithm>
#include <span>

#include "query/data/QueryStory.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"

namespace {

// The characters in the manager's order, without those the filter leaves out.
template <typename Keep>
std::vector<CharID> Characters(const QueryStory& story, Keep keep) {
    std::vector<CharID> ids;
    if (!story.characters) return ids;
    for (std::int32_t position = 0; position < story.characters->GetCount(); ++position) {
        const CharID id = story.characters->IdAt(position);
        if (keep(id)) ids.push_back(id);
    }
    return ids;
}

// The other characters the character has a relationship text with.
std::vector<CharID> RelatedCharacters(const QueryStory& story, CharID character) {
    CharacterManager* characters = story.characters;
    CharInfoRec* record =
        characters && character != kNoCharID ? characters->GetCharacter(character) : nullptr;
    if (!record) return {};
    return Characters(story,
                      [&](CharID other) { return other != character && record->HasRelationship(other); });
}

std::vector<std::int16_t> SceneIds(const QueryStory& story) {
    std::vector<std::int16_t> ids;
    if (!story.scenes) return ids;
    for (std::int32_t position = 0; position < story.scenes->GetSceneCount(); ++position) {
        if (const Scene* scene = story.scenes->SceneAt(position)) ids.push_back(scene->GetID());
    }
    return ids;
}

// Appends the entry unless the list is full; answers whether it was appended.
bool Append(const FQSPageData& entry, std::vector<FQSPageData>& out) {
    if (out.size() >= kMaxListEntries) return false;
    out.push_back(entry);
    return true;
}

// Appends one copy of the block per character, each with only its character field of the mode set.
void CopyPerCharacter(std::span<const FQSPageData> block, const std::vector<CharID>& ids, int mode,
                      std::vector<FQSPageData>& out) {
    for (CharID id : ids) {
        for (const FQSPageData& entry : block) {
            if (!Append(entry, out)) return;
            out.back().SetCharacterByMode(mode, id);
        }
    }
}

// Appends one copy of the block per value, each filled from the expanded entry, then given the value
// (no value is set when the mode is -1).
void CopyFilled(std::span<const FQSPageData> block, const FQSPageData& expanded,
                const std::vector<std::int16_t>& values, int mode, std::vector<FQSPageData>& out) {
    for (std::int16_t value : values) {
        for (const FQSPageData& entry : block) {
            if (!Append(entry, out)) return;
            out.back().MergeFrom(expanded);
            out.back().SetNumberByMode(mode, value);
        }
    }
}

// Expands the entry at the head of the block (the entry and its subtree) into the output.
void ExpandEntry(std::span<const FQSPageData> block, const QueryStory& story, std::vector<FQSPageData>& out) {
    FQSPageData expanded = block.front();
    const std::uint16_t code = expanded.GetCode();
    const CharID main = story.characters ? story.characters->GetMainCharacter() : kNoCharID;
    const CharID impact = story.characters ? story.characters->GetImpactCharacter() : kNoCharID;
    switch (code) {
        case kEveryCharacter:
            CopyPerCharacter(block, Characters(story, [](CharID) { return true; }),
                             QuestionContext::kCharacterMode, out);
            return;
        case kSupportingCharacters:
            CopyPerCharacter(block, Characters(story, [&](CharID id) { return id != main && id != impact; }),
                             QuestionContext::kCharacterMode, out);
            return;
        case kEveryRelationship:
            CopyPerCharacter(block, RelatedCharacters(story, expanded.GetCharacter()),
                             QuestionContext::kSecondCharacterMode, out);
            return;
        case kMainCharacterOnly:
        case kImpactCharacterOnly: {
            // The entry itself takes the character; its subtree takes it where it has none.
            expanded.SetCharacter(code == kMainCharacterOnly ? main : impact);
            std::vector<FQSPageData> copy(block.begin(), block.end());
            copy.front() = expanded;
            CopyFilled(copy, expanded, {0}, -1, out);
            return;
        }
        case kEveryThroughline:
            CopyFilled(block, expanded, {0, 1, 2, 3}, QuestionContext::kThroughlineMode, out);
            return;
        case kEveryScene:
            CopyFilled(block, expanded, SceneIds(story), QuestionContext::kSceneMode, out);
            return;
        case kEveryAct: CopyFilled(block, expanded, {0, 1, 2}, QuestionContext::kActMode, out); return;
        default:
            if (code >= kFirstThroughlineCode && code <= kLastThroughlineCode) {
                CopyFilled(block, expanded, {static_cast<std::int16_t>(code - kFirstThroughlineCode)},
                           QuestionContext::kThroughlineMode, out);
                return;
            }
            for (const FQSPageData& entry : block) {
                if (!Append(entry, out)) return;
            }
            return;
    }
}

}  // namespace

std::vector<FQSPageData> ExpandQuestionList(const std::vector<FQSPageData>& entries,
                                            const QueryStory& story) {
    std::vector<FQSPageData> current = entries;
    for (std::int16_t level = 1; level <= kMaxOutlineLevel; ++level) {
        std::vector<FQSPageData> next;
        next.reserve(current.size());
        bool deeper = false;
        for (std::size_t i = 0; i < current.size();) {
            if (current[i].GetLevel() != level) {
                deeper = deeper || current[i].GetLevel() > level;
                Append(current[i++], next);
                continue;
            }
            std::size_t end = i + 1;
            while (end < current.size() && current[end].GetLevel() > level) ++end;
            deeper = deeper || end > i + 1;
            ExpandEntry(std::span<const FQSPageData>(current).subspan(i, end - i), story, next);
            i = end;
        }
        current = std::move(next);
        if (!deeper) break;
    }
    return current;
}
