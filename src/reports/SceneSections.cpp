// The scenes of the story in storytelling order, each under its name: as a treatment, with each
// scene's description (report id 51, also at the end of the section of all characters); as a
// treatment with structure, with the story points each scene refers to (49), also as the scene
// outline that Export to Scenewright writes; and as the story's structure, with everything each
// scene represents (50): its story points, characters and throughline items, as the writer ticked
// them under "This Scene Represents:".
//
// A story point a scene includes is named by its throughline (or, for a point of the story as a
// whole, by the story) and its name, and its value is a macro ({SNF(MCDom)}), or "not chosen yet";
// the story's storytelling text of the point follows. Another item is named by the character (or
// the two characters) it concerns, its throughline and the name the scene menus give it. A story
// without scenes, a scene without a description and a scene that includes nothing say so in words.
//
// Templates 49, 50 and 51, every key from "S1" up to the first missing one. Story data read: the
// scenes' names ("SCENECAT", "SCNTITLE"), descriptions ("SCNDESC") and appreciation lists
// ("APPRLST"), the characters' names, and the storytelling texts of the story points.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "query/data/AppreciationTables.h"
#include "reports/ReportComposer.h"
#include "reports/ReportThroughlines.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryTextLimits.h"
#include "storymodel/engine/InclApprList.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::uint32_t kNameSize = 256;
// A description the writer can type fits whole.
constexpr std::uint32_t kDescriptionSize = kLongTextLimit + 1;
constexpr const char* kBullet = "\x95 ";

// The name the scene menus give an appreciation id, when it is a plain one (not one that names a
// character through a page keyword); empty when none does.
std::string MenuName(std::int16_t appreciation) {
    for (int kind = 0; kind < kAppreciationTableCount; ++kind) {
        for (const AppreciationRow& row : AppreciationTable(kind)) {
            if (row.appreciation != appreciation || !row.name) continue;
            const std::string_view name = row.name;
            if (name.find("{NAME(") == std::string_view::npos) return std::string(name);
        }
    }
    return {};
}

std::string CharacterName(CharacterManager* characters, CharID id) {
    CharInfoRec* record = characters && IsValidCharID(id) ? characters->GetCharacter(id) : nullptr;
    return record ? CharacterManager::ShownName(*record) : std::string();
}

// A story point's name with its throughline's ("Main Character {NDoma}"), or with the story's for a
// point of the story as a whole ("Story Dividends").
std::string StoryPointLabel(const StoryPointRecord& point) {
    const ReportThroughline* throughline = ThroughlineOfCode(point.code);
    const char* owner = IsWholeStoryPoint(StoryPointIndex(point.id)) ? kWholeStoryName
                        : throughline                                ? throughline->shortName
                                                                     : nullptr;
    return (owner ? std::string(owner) + " " : std::string()) + StoryPointDisplayName(point);
}

// The name of an item a scene includes that is not a story point.
std::string ItemName(const IncludeableAppreciation& item, CharacterManager* characters) {
    const std::string first = CharacterName(characters, item.GetCharacter1());
    const std::string second = CharacterName(characters, item.GetCharacter2());
    const std::string menuName = MenuName(item.GetFirstID());
    std::string name = first;
    const std::int16_t throughline = item.GetSecondID();
    if (name.empty() && throughline >= 0 && throughline < 4)
        name = kReportThroughlines[static_cast<std::size_t>(throughline)].shortName;
    if (!menuName.empty()) name += (name.empty() ? "" : ": ") + menuName;
    if (!second.empty()) name += " with " + second;
    if (name.empty()) name = "item " + std::to_string(item.GetFirstID());
    return name;
}

}  // namespace

void ReportComposer::AppendScenes(bool descriptions, SceneItems items) {
    const std::int32_t count = scenes_ ? scenes_->GetSceneCount() : 0;
    if (count == 0) {
        AppendText("This story has no scenes yet.");
        AppendStyleCode(ReportStyle::kParagraphEnd);
        return;
    }
    CharacterManager* characters = GetCharacterManager();
    std::vector<char> buffer(kDescriptionSize, '\0');
    for (std::int32_t position = 0; position < count; ++position) {
        Scene* scene = scenes_->SceneAt(position);
        if (!scene) continue;
        scene->GetDisplayName(buffer.data(), kNameSize);
        AppendStyleCode(ReportStyle::kBoldOn);
        AppendText(buffer.data());
        AppendStyleCode(ReportStyle::kBoldOff);
        AppendStyleCode(ReportStyle::kLineEnd);
        if (descriptions) {
            buffer[0] = '\0';
            scene->GetDescription(buffer.data(), kDescriptionSize);
            AppendText(buffer[0] ? buffer.data() : "No description of this scene is written yet.");
            AppendStyleCode(ReportStyle::kLineEnd);
        }
        if (items != SceneItems::kNone) {
            if (items == SceneItems::kEverything) {
                AppendStyleCode(ReportStyle::kItalicOn);
                AppendText("This Scene Represents:");
                AppendStyleCode(ReportStyle::kItalicOff);
                AppendStyleCode(ReportStyle::kLineEnd);
            }
            bool any = false;
            const InclApprList& list = scene->GetAppreciations();
            for (std::int32_t i = 0; i < list.GetCount(); ++i) {
                const IncludeableAppreciation& item = list.GetAt(i);
                const StoryPointRecord* point = StoryPointByID(item.GetFirstID());
                const bool isPoint = point && point->code && point->kind != kValueRow;
                if (!isPoint && items == SceneItems::kStoryPoints) continue;
                any = true;
                AppendText(kBullet);
                if (isPoint) {
                    AppendFormatted("%s:  %s", StoryPointLabel(*point).c_str(),
                                    ValueOr(point->code, "not chosen yet").c_str());
                    AppendStoryPoint(point->code, "", false);
                } else {
                    AppendText(ItemName(item, characters).c_str());
                }
                AppendStyleCode(ReportStyle::kLineEnd);
            }
            if (!any) {
                AppendText(items == SceneItems::kEverything ? "Nothing is ticked for this scene yet."
                                                            : "This scene refers to no story point yet.");
                AppendStyleCode(ReportStyle::kLineEnd);
            }
        }
        AppendStyleCode(ReportStyle::kLineEnd);
    }
}

void ReportComposer::BuildReportSection49() {
    AppendTemplateText(49);
    AppendScenes(true, SceneItems::kStoryPoints);
}

void ReportComposer::BuildReportSection50() {
    AppendTemplateText(50);
    AppendScenes(false, SceneItems::kEverything);
}

void ReportComposer::BuildReportSection51() {
    AppendTemplateText(51);
    AppendScenes(true, SceneItems::kNone);
}

void ReportComposer::BuildSceneOutline(const char* title) {
    AppendHeading(title);
    AppendScenes(true, SceneItems::kStoryPoints);
}
