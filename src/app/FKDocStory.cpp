// Loading a story from its file: the main record made current, the records opened, the managers
// made, what earlier versions got wrong repaired, the storyforms recounted and the question status
// read.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/LeftOutRecords.h"
#include "app/StoryGenre.h"
#include "app/StrayRecords.h"
#include "foundation/Debug.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/BusyCursor.h"
#include "framework/InputHelpers.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"

namespace {

constexpr FourCC kOldQuestionStatusType = FourCCOf("QSTS");
constexpr FourCC kSceneRecordType = FourCCOf("SCNL");
constexpr FourCC kValuesInForceType = FourCCOf("FCAP");
// The topics of the question status, and its statuses.
constexpr std::size_t kTopicCount = 762;
constexpr std::int8_t kHighestStatus = kQuestionNotApplicable;

// The Act Order story points, the only choices given up when the story's choices leave no
// storyform.
constexpr std::int16_t kActOrderPoints[] = {13100, 13200, 13300, 13400, 16100, 16200, 16300, 16400,
                                            19100, 19200, 19300, 19400, 22100, 22200, 22300, 22400};

bool IsActOrderPoint(std::int16_t id) {
    return std::find(std::begin(kActOrderPoints), std::end(kActOrderPoints), id) != std::end(kActOrderPoints);
}

constexpr const char* kDoubleRolesMessage =
    "Multiple Main/{NObst} characters detected.\n\nThis problem was created by a bug in earlier versions "
    "of Fablecore.\n\nThe problem will be fixed automatically.";
constexpr const char* kRolesCorrectedMessage =
    "Problem corrected.\n\nYour first two characters are now Main and {NObst}.\n\nIf this isn't right, go "
    "into the cast list, double-click on the icon of the proper Main and {NObst} character and change the "
    "Special Identification popup menu.";
constexpr const char* kActOrderMessage =
    "Act Order {NAppr}s previously set in this document have been removed because of conflicts with "
    "other {NAppr}s.\n\nYou may want to double-check your storyform settings and Act Order {NAppr}s to "
    "guarantee they accurately reflect what you had in mind.";

// What the open says of the parts of a story it could not read from the file.
constexpr const char* kLostMessage =
    "Some of the story \"%s\" was damaged in its file, and what could not be read was left out:\n\n%s\n"
    "Everything else is as it was saved. Saving the story writes it whole again, without what was left out.";
constexpr const char* kFoundMessage =
    "Some of the story \"%s\" was listed under a damaged name in its file, and was read as it was "
    "written:\n\n%s\nNothing was left out. Saving the story writes it whole again.";
constexpr const char* kMendedMessage =
    "Some of the story \"%s\" was damaged in its file, and was mended:\n\n%s\nNothing the file still held "
    "was left out. Saving the story writes it whole again.";
constexpr const char* kLostValuesInForce =
    "the {NAppr}s in force that follow from the storyform (the choices you made are kept)";
constexpr const char* kLostQuestionStatus =
    "which questions of the query system were answered (they show as not answered)";
constexpr const char* kLostScene = "the contents of %s (kept empty)";
constexpr const char* kLostScenePlacedLast = "the contents of %s (kept empty, after the others)";
constexpr const char* kUnlistedScenes = "the scenes";
constexpr const char* kRoleGivenToNewCharacter =
    "the %s's role, which no character read from the file holds (a new %s stands in for it)";
constexpr const char* kLostRelationships =
    "the relationships the other characters had with %s (they went with it)";
constexpr const char* kUnreadMapEnd =
    "what the file holds past the end of its list of parts, which could not be read";
constexpr const char* kMistypedChoice =
    "the {NAppr} chosen for %s (the file holds another kind of value there)";

// A character as the writer knows it: by its name, by its role when its name was lost, else by the
// number of its record (all a removed character has).
std::string CharacterInStory(IStoryDocument* story, CharID id, const CharInfoRec* character) {
    if (character && CharInfoRec::IsName(character->Name()))
        return FormatText("the character \"%s\"", Decoded(character->Name()).c_str());
    if (character && character->GetSubjectiveRole() == kMainRole) return "the Main Character";
    if (character && character->GetSubjectiveRole() == kImpactRole)
        return ExpandText(story, "the {NObst} Character");
    return FormatText("the character numbered %u", static_cast<unsigned>(id));
}

// The scene or the character a record holds, as the writer knows it; the empty text for others.
std::string NameInStory(IStoryDocument* story, PFMSegmentKey key, SceneManager& scenes,
                        const CharacterManager& characters) {
    if (key.type == kSceneRecordType) {
        Scene* scene = scenes.FindScene(static_cast<std::int16_t>(key.id));
        if (!scene) return {};
        // By the number the writer knew it by, where scenes whose places were lost moved it; one of
        // them is said to come after the others now (unless its line says so).
        char name[256] = "";
        const std::optional<std::int16_t> read = scenes.GetReadPosition(scene->GetID());
        scene->GetDisplayNameAt(read.value_or(scene->GetPosition()), name, sizeof name);
        const bool placedLast =
            std::ranges::find(scenes.GetScenesPlacedLast(), scene->GetID()) !=
                scenes.GetScenesPlacedLast().end() &&
            std::ranges::find(scenes.GetLostScenes(), scene->GetID()) == scenes.GetLostScenes().end();
        return FormatText(placedLast
                              ? "the scene \"%s\", whose place was lost (it comes after the others now)"
                              : "the scene \"%s\"",
                          Decoded(name).c_str());
    }
    if (key.type != FourCCOf("CHAR")) return {};
    return CharacterInStory(story, key.id, characters.RecordAt(characters.IndexOf(key.id)));
}

}  // namespace

ErrCode FKDoc::InitStoryData() {
    ErrCode error = kNoErr;
    bool repaired = false;
    {
        const BusyCursor busy;
        const PFMFileScope story(store_, true);
        error = LoadStoryData(repaired);
        if (error == kNoErr) {
            SetClean();
            const Fablecore* application = GetFablecore();
            WriteRecordNumber(*info_, "MajVer", static_cast<std::int16_t>(application->GetMajorVersion()));
            WriteRecordNumber(*info_, "MinVer", static_cast<std::int16_t>(application->GetMinorVersion()));
            WriteRecordNumber(*info_, "MaintVer",
                              static_cast<std::int16_t>(application->GetMaintenanceVersion()));
            WriteRecordNumber(*info_, "FileFmt", static_cast<std::int16_t>(application->GetFileFormat()));
            if (repaired) SetDirty();
        }
    }
    if (error != kNoErr && error != kConversionCancelled) {
        char text[512];
        std::snprintf(text, sizeof text, "Error initializing data from Fablecore Story file: \"%s\"",
                      GetFileName().c_str());
        AlertMessage(text, kAlertStop, 1);
    }
    return error;
}

ErrCode FKDoc::LoadStoryData(bool& repaired) {
    // Only the records this open finds damaged are its to tell.
    PFMTakeDamagedRecords(store_);
    PFMTakeMendedRecords(store_);
    if (const ErrCode error = MoveMainRecord(); error != kNoErr) return error;
    std::vector<StrayRecord> strays;
    {
        const PFMFileScope story(store_, false);
        strays = TakeBackStrayRecords();
    }
    std::vector<PFMSegmentKey> lostRecords;
    if (const ErrCode error = OpenRecords(lostRecords); error != kNoErr) return error;
    MakeManagers();
    // The scenes' records are read under the numbers their texts' keys name as the scenes are made.
    for (const auto& [listed, read] : scenes_->GetMovedRecords())
        strays.push_back({{kSceneRecordType, static_cast<std::uint16_t>(listed)},
                          {kSceneRecordType, static_cast<std::uint16_t>(read)}});
    if (const ErrCode error = characters_->LoadCharacters(info_.get(), GetPreferencesRecord()); error != kNoErr)
        return error;
    const std::vector<PFMSegmentKey>& lostToCharacters = characters_->GetLostRecords();
    lostRecords.insert(lostRecords.end(), lostToCharacters.begin(), lostToCharacters.end());
    if (RepairMainAndImpact()) repaired = true;
    characters_->ScanCustomPictures();
    if (CheckStoryform()) repaired = true;
    const bool statusRead = questionStatus_.Load(store_);
    const bool oldStatusRead = ImportOldQuestionStatus();
    ClearGenreMarkWithoutChoice(*info_, questionStatus_);
    // The second records kept under keys of their own were not left out after all.
    SegmentMap leftOut = PFMGetLeftOutRecords(store_);
    std::erase_if(leftOut, [&strays](const SegmentMapRecord& record) {
        return std::ranges::any_of(strays, [&](const StrayRecord& kept) { return kept.secondAt == record.position; });
    });
    std::vector<std::string> lost = DescribeLeftOutRecords(leftOut);
    const auto name = [this](PFMSegmentKey key) { return NameInStory(this, key, *scenes_, *characters_); };
    std::vector<PFMSegmentKey> damaged = PFMTakeDamagedRecords(store_);
    for (const auto& lines : {DescribeDamagedRecords(damaged, name), DescribeLostRecords(lostRecords, name)})
        lost.insert(lost.end(), lines.begin(), lines.end());
    for (const CharID character : characters_->GetLostRelationships())
        lost.push_back(FormatText(kLostRelationships, name({FourCCOf("CHAR"), character}).c_str()));
    if (PFMMapEndsShort(store_)) lost.emplace_back(kUnreadMapEnd);
    if (storyForm_->LostValuesInForce()) lost.push_back(ExpandText(this, kLostValuesInForce));
    for (const int index : storyForm_->GetMistypedChoices()) {
        const std::string line = FormatText(kMistypedChoice, StoryPointDisplayName(*StoryPointAt(index)));
        lost.push_back(ExpandText(this, line.c_str()));
    }
    if (!oldStatusRead || !statusRead) lost.emplace_back(kLostQuestionStatus);
    for (const std::int16_t scene : scenes_->GetLostScenes()) {
        const bool last =
            std::ranges::find(scenes_->GetScenesPlacedLast(), scene) != scenes_->GetScenesPlacedLast().end();
        lost.push_back(FormatText(last ? kLostScenePlacedLast : kLostScene,
                                  name({kSceneRecordType, static_cast<std::uint16_t>(scene)}).c_str()));
    }
    if (scenes_->GetLoadError() != kNoErr) lost.emplace_back(kUnlistedScenes);
    for (const std::int16_t role : characters_->GetRolesGivenToNewCharacters()) {
        const char* holder = role == kMainRole ? "Main Character" : "{NObst} Character";
        lost.push_back(ExpandText(this, FormatText(kRoleGivenToNewCharacter, holder, holder).c_str()));
    }
    std::vector<std::string> found = DescribeStrayRecords(strays, name);
    const std::vector<PFMSegmentKey> mendedRecords = PFMTakeMendedRecords(store_);
    const std::vector<std::string> mended = DescribeMendedRecords(mendedRecords, name);
    found.insert(found.end(), mended.begin(), mended.end());
    // A record whose contents are told above, lost, left out in part or mended, is told there alone:
    // it was not read as written.
    std::vector<PFMSegmentKey> told = std::move(damaged);
    told.insert(told.end(), lostRecords.begin(), lostRecords.end());
    told.insert(told.end(), mendedRecords.begin(), mendedRecords.end());
    if (storyForm_->LostValuesInForce()) told.push_back({kValuesInForceType, 0});
    if (!storyForm_->GetMistypedChoices().empty()) told.push_back({FourCCOf("RESP"), 0});
    if (!statusRead) {
        told.push_back({QuestionStatus::kRecordType, 0});
        told.push_back({QuestionStatus::kRawType, 0});
    }
    if (!oldStatusRead) told.push_back({kOldQuestionStatusType, 0});
    for (const std::int16_t scene : scenes_->GetLostScenes())
        told.push_back({kSceneRecordType, static_cast<std::uint16_t>(scene)});
    const std::vector<std::string> mismapped =
        DescribeMismappedRecords(store_, told, characters_->GetRenumberedRecords(), name);
    found.insert(found.end(), mismapped.begin(), mismapped.end());
    if (TellWhatWasLost(lost, found, !mended.empty() || !mismapped.empty())) repaired = true;
    return kNoErr;
}

bool FKDoc::TellWhatWasLost(const std::vector<std::string>& lost, const std::vector<std::string>& found,
                            bool mended) {
    if (lost.empty() && found.empty()) return false;
    std::string list;
    for (const auto* lines : {&found, &lost})
        for (const std::string& line : *lines) list += "- " + line + "\n";
    const char* form = !lost.empty() ? kLostMessage : mended ? kMendedMessage : kFoundMessage;
    const std::string message = FormatText(form, GetFileName().c_str(), list.c_str());
    AlertMessage(message.c_str(), kAlertStop, 1);
    return true;
}

// A file that holds the current main record is never converted, even when an older one is there
// too: its texts are in the current form already.
ErrCode FKDoc::MoveMainRecord() {
    if (PFMSegmentExists(kMainRecordType, 0)) return kNoErr;
    if (PFMSegmentExists(kOldestMainRecordType, 0)) {
        if (ConvertOldTexts() == kConversionCancelled) return kConversionCancelled;
        PFMSetCurrentFile(store_);
        return MoveRecord({kOldestMainRecordType, 0}, {kMainRecordType, 0});
    }
    if (PFMSegmentExists(kOldMainRecordType, 0))
        return MoveRecord({kOldMainRecordType, 0}, {kMainRecordType, 0});
    return kNoErr;
}

ErrCode FKDoc::OpenRecords(std::vector<PFMSegmentKey>& lost) {
    std::unique_ptr<PText>* records[] = {&info_, &responses_, &storytelling_, &locks_};
    const FourCC types[] = {kMainRecordType, FourCCOf("RESP"), FourCCOf("STEL"), FourCCOf("LOCK")};
    for (std::size_t i = 0; i < std::size(records); ++i) {
        StoryRecord opened = OpenStoryRecord(store_, types[i], 0);
        if (opened.error != kNoErr && opened.error != kPTextErrNoRecord) return opened.error;
        if (opened.lost) lost.push_back({types[i], 0});
        *records[i] = std::move(opened.record);
    }
    if (!info_->IsPresent()) {
        info_->SetEntry("Title", kPTextText, "Your Story");
        info_->SetEntry("OSName", kPTextText, "The {NObje} Story");
        info_->SetEntry("SSName", kPTextText, "The {NSubj} Story");
    }
    // The form of the record is made current; the story is no more changed for it.
    MoveOldGenreChoice(*info_);
    LeaveOutMistyped(*info_, "Title", kPTextText);
    // Every lock is a number.
    LeaveOutOtherTypes(*locks_, kPTextShort);
    return kNoErr;
}

void FKDoc::MakeManagers() {
    std::int16_t storyforms = 0;
    std::int16_t structuresValid = 0;
    std::int16_t pictureBase = -32767;
    // The main record's numbers: one held as another type of value was damaged, and is told.
    for (const char* key : {"NmStories", "IsJust", "MaxPictID", "MajVer", "MinVer", "MaintVer", "FileFmt",
                            "RepLtMar", "RepRtMar", "RepTopMar", "RepBotMar", "NumCols"})
        LeaveOutMistyped(*info_, key, kPTextShort);
    info_->GetEntry("NmStories", kPTextShort, &storyforms);
    info_->GetEntry("IsJust", kPTextShort, &structuresValid);
    info_->GetEntry("MaxPictID", kPTextShort, &pictureBase);
    scenes_ = std::make_unique<SceneManager>(*this, *storytelling_);
    storyForm_ = std::make_unique<StoryFormManager>(*this, *responses_, static_cast<std::uint16_t>(storyforms),
                                                    static_cast<std::uint16_t>(structuresValid));
    characters_ = std::make_unique<CharacterManager>(*this, static_cast<std::uint16_t>(pictureBase));
}

// Holding Alt while the first message goes away leaves the characters as they are.
bool FKDoc::RepairMainAndImpact() {
    characters_->RecomputeRoleIndexes();
    if (characters_->ValidateSubjectiveRoles(false)) return false;
    Beep();
    AlertMessage(ExpandText(this, kDoubleRolesMessage).c_str(), kAlertStop, 1);
    if (IsAltKeyDown(0)) return false;
    characters_->ResetSubjectiveRoles();
    AlertMessage(ExpandText(this, kRolesCorrectedMessage).c_str(), kAlertStop, 1);
    return true;
}

// The Act Order choices are switched off one by one until storyforms remain. Only then are they
// taken out of the story: when switching all of them off still leaves none, the choices stay as
// the writer made them.
bool FKDoc::CheckStoryform() {
    if (!GetFablecore()->GetEngineFile()) return false;
    StoryformSolver solver(*storyForm_);
    StoryPointIDList ids;
    solver.CollectConstrainedPoints(ids);
    solver.SetConstraints(nullptr, ids);
    std::uint16_t count = solver.CountStoryforms();
    std::vector<int> switchedOff;
    for (int i = 0; count == 0 && i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i) {
        SolverConstraint& constraint = solver.GetConstraint(i);
        if (!IsActOrderPoint(constraint.id) || constraint.open) continue;
        constraint.open = 1;
        constraint.allowedCount = 0;
        switchedOff.push_back(i);
        count = solver.CountStoryforms();
    }
    const bool removed = count != 0 && !switchedOff.empty();
    if (removed) {
        for (const int i : switchedOff) solver.ApplyResult(i, responses_.get(), 0);
        AlertMessage(ExpandText(this, kActOrderMessage).c_str(), kAlertStop, 1);
    }
    SetStoryformCount(count);
    if (count == StoryFormManager::kOneStoryform) {
        for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i)
            solver.ApplyResult(i, responses_.get(), 1);
    }
    // With more storyforms left, or none, nothing of a single storyform the file kept stays in force.
    RebuildThroughlines();
    return removed;
}

// One status byte per topic; bytes beyond the topics and statuses that do not exist are left out.
bool FKDoc::ImportOldQuestionStatus() {
    const PFMFileScope story(store_, false);
    if (!PFMSegmentExists(kOldQuestionStatusType, 0)) return true;
    bool read = false;
    {
        const CheckedOutHdl old(kOldQuestionStatusType, 0, store_);
        if (old.Data()) {
            const auto* bytes = static_cast<const std::int8_t*>(old.Data());
            const std::size_t count = std::min<std::size_t>(MemSize(old.Data()), kTopicCount);
            for (std::size_t i = 0; i < count; ++i) {
                if (bytes[i] >= 0 && bytes[i] <= kHighestStatus)
                    questionStatus_.SetStatus(bytes[i], static_cast<std::int16_t>(i), 0);
            }
        }
        read = old.Data() != nullptr;
    }
    if (!read) PFMClearError();
    PFMRemoveSegment(kOldQuestionStatusType, 0);
    return read;
}
