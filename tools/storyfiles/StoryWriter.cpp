#include "storyfiles/StoryWriter.h"

#include <map>
#include <vector>

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "query/QueryDocument.h"
#include "query/data/AppreciationTables.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/QuerySolver.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/IncludeableAppreciation.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"

namespace {

// The scene pages' menu whose items the scenes are given: the one that lists every story point.
constexpr int kSceneMenu = 1;
// Its item that stands for a character.
constexpr std::int16_t kCharacterItem = 1;

// A text as the program's edit fields store it.
std::string Filtered(const std::string& text) {
    const FablecoreStringConverter& converter = SharedStringConverter();
    std::vector<char> stored(converter.MaxEncodedSize(static_cast<std::uint32_t>(text.size())));
    converter.Encode(text.c_str(), stored.data(), static_cast<std::uint32_t>(stored.size()));
    return stored.data();
}

// Where a throughline sits in the structure (its position and home class) is the storyform's
// business; a story may tell it but need not.
bool MustBeTold(int index) {
    for (const int first : kThroughlineFirstIndex) {
        if (index == first + kPositionOffset || index == first + kHomeClassOffset) return false;
    }
    return true;
}

std::string PointName(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    return row && row->code ? row->code : "?";
}

}  // namespace

StoryWriter::StoryWriter(FKDoc& document, std::string path, Diagnostics& diagnostics)
    : document_(document), path_(std::move(path)), diagnostics_(diagnostics) {}

void StoryWriter::Error(int line, const std::string& message) { diagnostics_.Error({path_, line}, message); }

bool StoryWriter::Write(const ResolvedStory& story) {
    WriteInformation(story);
    WriteCharacters(story);
    WriteScenes(story);
    if (!WriteStoryform(story)) return false;
    return WriteStorytelling(story);
}

void StoryWriter::WriteInformation(const ResolvedStory& story) {
    PText& info = document_.GetInfoRecord();
    info.SetEntry("Title", kPTextText, Filtered(story.title).c_str());
    for (const auto& [key, text] : story.info) info.SetEntry(key, kPTextText, Filtered(text).c_str());
}

void StoryWriter::WriteCharacters(const ResolvedStory& story) {
    CharacterManager& cast = *document_.GetCharacterManager();
    for (const ResolvedCharacter& character : story.characters) {
        const CharID id = cast.CreateCharacter(character.name.c_str(), character.sex, character.form,
                                               character.picture, kNoRole, false);
        characterIds_.push_back(id);
        // Taking a role from the new story's stand-in character removes the stand-in.
        if (character.subjectiveRole != kNoRole) cast.AssignRoleById(character.subjectiveRole, id);
        CharInfoRec* record = cast.GetCharacter(id);
        if (!record) {
            Error(character.line, "the story cannot take another character");
            continue;
        }
        for (const auto& [key, text] : character.texts) record->SetText(key, Filtered(text).c_str());
        if (character.archetype != 0) cast.ApplyArchetype(id, character.archetype);
    }
    for (const ResolvedRelationship& relationship : story.relationships) {
        if (CharInfoRec* first = cast.GetCharacter(characterIds_[relationship.first]))
            first->SetRelationship(Filtered(relationship.text).c_str(), characterIds_[relationship.second]);
    }
}

void StoryWriter::WriteScenes(const ResolvedStory& story) {
    SceneManager& scenes = *document_.GetSceneManager();
    const FQSPageDataList menu(QueryStoryOf(document_), kSceneMenu);
    for (const ResolvedScene& source : story.scenes) {
        const std::int32_t position = scenes.InsertScene(-1);
        Scene* scene = position >= 0 ? scenes.SceneAt(position) : nullptr;
        if (!scene) {
            Error(source.line, "the story cannot take another scene");
            continue;
        }
        scene->SetTitle(Filtered(source.title).c_str());
        if (!source.description.empty()) scene->SetDescription(Filtered(source.description).c_str());
        for (const int index : source.points) {
            const std::int16_t id = StoryPointAt(index)->id;
            std::int32_t item = 0;
            while (item < menu.Count() && !(menu.RowOf(item) && menu.RowOf(item)->storyPoint == id)) ++item;
            if (item == menu.Count()) {
                Error(source.line,
                      "a scene cannot represent " + PointName(index) + ": the scene menu lacks it");
                continue;
            }
            scene->AddAppreciation(menu.MakeAppreciation(item));
        }
        for (const std::size_t place : source.characters) {
            std::int32_t item = 0;
            while (item < menu.Count() && !(menu.GetAppreciationID(item) == kCharacterItem &&
                                            menu.At(item)->GetCharacter() == characterIds_[place]))
                ++item;
            if (item < menu.Count()) scene->AddAppreciation(menu.MakeAppreciation(item));
        }
    }
}

// The count the query window makes after an answer: every point the story constrains and every
// point the engine gives a value, and with one storyform left its results written into the story.
bool StoryWriter::WriteStoryform(const ResolvedStory& story) {
    StoryFormManager& storyform = *document_.GetStoryFormManager();
    for (const ResolvedChoice& choice : story.choices)
        storyform.SetChoice(StoryPointAt(choice.index)->id, choice.value);
    StoryformSolver solver(storyform);
    StoryPointIDList ids;
    CollectRecountPoints(solver, 0, ids);
    solver.SetConstraints(nullptr, ids);
    const std::uint16_t count = solver.CountStoryforms();
    document_.SetStoryformCount(count);
    if (count == StoryFormManager::kOneStoryform) {
        const BroadcasterBracket bracket(&storyform);
        solver.StoreForcedDomains();
        for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i)
            solver.ApplyResult(i, document_.GetResponseRecord(), count);
        document_.RebuildThroughlines();
        return true;
    }
    std::string message = "the storyform comes to " + std::to_string(count) + " storyforms, not one";
    for (int i = 0; count > 1 && i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i) {
        const SolverConstraint& record = solver.GetConstraint(i);
        if (record.possibleCount < 2) continue;
        message += "\n    " + PointName(record.index) + " can be:";
        for (int value = 0; value < record.valueCount; ++value) {
            if (!record.IsValuePossible(value)) continue;
            const std::int16_t id = record.kind == kDynamicPoint
                                        ? static_cast<std::int16_t>(record.id + 1 + value)
                                        : ConstraintValueID(record, value);
            message += " " + StoryPointValueName(record.index, id) + ",";
        }
        message.pop_back();
    }
    Error(0, message);
    return false;
}

bool StoryWriter::WriteStorytelling(const ResolvedStory& story) {
    const std::size_t errors = diagnostics_.Messages().size();
    std::map<int, const ResolvedStorytelling*> told;
    for (const ResolvedStorytelling& text : story.storytelling) told[text.index] = &text;
    PText& record = document_.GetStorytellingRecord();
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        if (!row.code) continue;
        const std::int16_t value = document_.GetStoryFormManager()->GetValue(row.id);
        const bool valued = value > 0;
        const auto text = told.find(index);
        if (text == told.end()) {
            if (valued && MustBeTold(index))
                Error(0, std::string("no storytelling text for ") + row.code + " (" +
                             StoryPointValueName(index, value) + ")");
        } else if (!valued) {
            Error(text->second->line, std::string(row.code) + " has no value in this storyform");
        } else {
            record.SetEntry(row.code, kPTextText, Filtered(text->second->text).c_str());
        }
    }
    return diagnostics_.Messages().size() == errors;
}

std::string StoryWriter::DescribeStoryform() const {
    std::string text;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        if (!row.code) continue;
        const std::int16_t value = document_.GetStoryFormManager()->GetValue(row.id);
        char told[2] = "";
        document_.GetStorytellingRecord().GetEntry(row.code, kPTextText, told, sizeof told);
        text += std::string(row.code) + "\t" + (value > 0 ? StoryPointValueName(index, value) : "-") +
                (told[0] ? "" : "\t(not told)") + "\n";
    }
    return text;
}
