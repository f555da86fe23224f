#include "storymodel/SceneManager.h"

#include <algorithm>
#include <numeric>

#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/engine/InclApprList.h"

namespace {

constexpr FourCC kSceneType = FourCCOf("SCNL");
constexpr std::int16_t kLastSceneID = 0x7FFF;

}  // namespace

SceneManager::SceneManager(IStoryDocument& document, PText& storytelling)
    : document_(document), storytelling_(storytelling), usage_(storytelling) {
    LeaveOutMistyped(storytelling_, kModeKey, kPTextShort);
    LeaveOutMistyped(storytelling_, kCategoryKey, kPTextText);
    storytelling_.GetEntry(kModeKey, kPTextShort, &mode_);
    category_ = RecordText(storytelling_, kCategoryKey);
    if (!storytelling_.HasKey(kCategoryKey)) {
        IStoryApplication* application = GetStoryApplication();
        PText* preferences = application ? application->GetFQSRecord() : nullptr;
        category_ = preferences && preferences->HasKey(kCategoryKey) ? RecordText(*preferences, kCategoryKey)
                                                                     : kDefaultCategory;
    }
    category_.resize(std::min(category_.size(), kMaxCategoryName));

    SList ids;
    {
        PFMFileScope scope(StoryFile(), false);
        loadError_ = PFMGetSegmentIds(kSceneType, ids);
    }
    std::int16_t largest = 0;
    std::vector<Scene*> unplaced;
    for (std::int32_t i = 0; i < ids.Count(); ++i) {
        auto scene = std::make_unique<Scene>(*this, ids.GetAt(i));
        bool placed = true;
        if (scene->LoadRecord()) {
            TakeNamedNumber(*scene);
            PText& record = *scene->Record();
            LeaveOutUnlisted(record, InclApprList::kKey);
            // A place is never written below the first.
            const std::optional<std::int16_t> position =
                ReadKeptNumber(record, Scene::kPositionKey, 0, INT16_MAX);
            if (position) scene->position_ = *position;
            scene->readPosition_ = position;
            placed = position || !WasDamaged(record);
        } else {
            if (!scene->record_) scene->ReplaceUnreadableRecord();
            placed = false;
            lostScenes_.push_back(scene->GetID());
        }
        if (!placed) {
            scene->position_ = kLastSceneID;
            unplaced.push_back(scene.get());
        }
        largest = std::max(largest, scene->GetID());
        scenes_.push_back(std::move(scene));
    }
    nextSceneId_ = largest == kLastSceneID ? kLastSceneID : static_cast<std::int16_t>(largest + 1);
    PutBackInPlace(unplaced);
    RenumberPositions();
    IndexPositions();
    usage_.Load(CountUsage());
}

SceneManager::~SceneManager() {
    byPosition_.clear();
    while (!scenes_.empty()) scenes_.pop_back();
}

PFMFile* SceneManager::StoryFile() const { return document_.GetStoryFile(); }

void SceneManager::MarkDocumentChanged() { document_.SetDirty(); }

void SceneManager::TakeNamedNumber(Scene& scene) {
    const std::optional<std::int16_t> named = scene.NamedNumber();
    if (!named || !IsSceneIdFree(*named)) return;
    const std::int16_t listed = scene.GetID();
    if (scene.TakeNumber(*named)) movedRecords_.push_back({listed, *named});
}

std::optional<std::int16_t> SceneManager::GetReadPosition(std::int16_t id) const {
    const Scene* scene = FindScene(id);
    return scene ? scene->readPosition_ : std::nullopt;
}

void SceneManager::PutBackInPlace(const std::vector<Scene*>& unplaced) {
    for (Scene* scene : unplaced) placedLast_.push_back(scene->GetID());
    if (unplaced.size() != 1) return;
    std::vector<bool> held(scenes_.size(), false);
    for (const auto& scene : scenes_) {
        const std::int16_t position = scene->GetPosition();
        if (scene.get() == unplaced.front()) continue;
        // A place held twice, or past the last, leaves the places in no telling.
        if (position < 0 || static_cast<std::size_t>(position) >= held.size() || held[position]) return;
        held[static_cast<std::size_t>(position)] = true;
    }
    const auto free = std::find(held.begin(), held.end(), false);
    unplaced.front()->SetPosition(static_cast<std::int16_t>(free - held.begin()));
    placedLast_.clear();
}

void SceneManager::RenumberPositions() {
    // A scene whose record cannot be read keeps no position: it goes after the others. Each scene's
    // place in that order is taken once, not at each comparison; a lone scene is compared with none.
    struct Placed {
        std::pair<bool, std::int16_t> order;
        Scene* scene;
    };
    std::vector<Placed> placed;
    placed.reserve(scenes_.size());
    for (const auto& scene : scenes_) {
        const bool unread = scenes_.size() > 1 && !scene->Record();
        placed.push_back({{unread, scene->GetPosition()}, scene.get()});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.order < b.order; });
    for (std::size_t position = 0; position < placed.size(); ++position) {
        Scene& scene = *placed[position].scene;
        if (scene.GetPosition() != static_cast<std::int16_t>(position))
            scene.SetPosition(static_cast<std::int16_t>(position));
    }
}

std::vector<AppreciationUsage::Entry> SceneManager::CountUsage() {
    AppreciationUsage counted(storytelling_);
    for (const auto& scene : scenes_) {
        const InclApprList& appreciations = scene->GetAppreciations();
        for (std::int32_t i = 0; i < appreciations.GetCount(); ++i) counted.Add(appreciations.GetAt(i));
    }
    return counted.Entries();
}

Scene* SceneManager::FindScene(std::int16_t id) const {
    for (auto scene = scenes_.rbegin(); scene != scenes_.rend(); ++scene) {
        if ((*scene)->GetID() == id) return scene->get();
    }
    return nullptr;
}

void SceneManager::IndexPositions() {
    byPosition_.assign(scenes_.size(), nullptr);
    for (const auto& scene : scenes_) {
        const std::int32_t position = scene->GetPosition();
        if (position >= 0 && position < static_cast<std::int32_t>(byPosition_.size()))
            byPosition_[static_cast<std::size_t>(position)] = scene.get();
    }
}

Scene* SceneManager::SceneAt(std::int32_t position) const {
    if (position >= 0 && position < static_cast<std::int32_t>(byPosition_.size())) {
        Scene* indexed = byPosition_[static_cast<std::size_t>(position)];
        if (indexed && indexed->GetPosition() == position) return indexed;
    }
    for (auto scene = scenes_.rbegin(); scene != scenes_.rend(); ++scene) {
        if ((*scene)->GetPosition() == position) return scene->get();
    }
    return nullptr;
}

void SceneManager::GetCategoryName(char* buffer, std::uint32_t size) const {
    CopyToBuffer(category_.c_str(), buffer, size);
}

void SceneManager::SetCategoryName(const char* name) {
    const std::string kept = std::string(name ? name : "").substr(0, kMaxCategoryName);
    if (kept == category_) return;
    MarkDocumentChanged();
    category_ = kept;
    WriteRecordText(storytelling_, kCategoryKey, category_.c_str());
    IStoryApplication* application = GetStoryApplication();
    if (PText* preferences = application ? application->GetFQSRecord() : nullptr) {
        WriteRecordText(*preferences, kCategoryKey, category_.c_str());
    }
    PostEvent(nullptr);
}

void SceneManager::SetStorytellingMode(std::int16_t mode) {
    if (mode == mode_) return;
    MarkDocumentChanged();
    mode_ = mode;
    WriteRecordNumber(storytelling_, kModeKey, mode);
}

bool SceneManager::IsSceneIdFree(std::int16_t id) const {
    PFMFileScope scope(StoryFile(), false);
    return id > 0 && !FindScene(id) && !PFMSegmentExists(kSceneType, static_cast<std::uint16_t>(id));
}

std::int32_t SceneManager::InsertScene(std::int32_t position) {
    // Never the id of a scene the story file still holds, even one it could not list.
    while (nextSceneId_ < kLastSceneID && !IsSceneIdFree(nextSceneId_)) ++nextSceneId_;
    if (!IsSceneIdFree(nextSceneId_)) return -1;
    MarkDocumentChanged();
    const std::int32_t count = GetSceneCount();
    if (position < 0 || position > count) position = count;
    auto created = std::make_unique<Scene>(*this, nextSceneId_);
    Scene& scene = *created;
    scenes_.push_back(std::move(created));
    scene.SetPosition(static_cast<std::int16_t>(count));
    IndexPositions();
    MoveScene(scene.GetID(), position);
    PostEvent(nullptr);
    return position;
}

void SceneManager::MoveScene(std::int16_t id, std::int32_t position) {
    Scene* moved = FindScene(id);
    if (!moved || GetSceneCount() == 0) return;
    const std::int32_t from = moved->GetPosition();
    const std::int32_t to = std::clamp(position, 0, GetSceneCount() - 1);
    if (from == to) return;
    MarkDocumentChanged();
    for (auto it = scenes_.rbegin(); it != scenes_.rend(); ++it) {
        Scene& scene = **it;
        const std::int32_t p = scene.GetPosition();
        std::int32_t now = p;
        if (p == from) {
            now = to;
        } else if (p < from && p >= to) {
            now = p + 1;
        } else if (p > from && p <= to) {
            now = p - 1;
        }
        if (now != p) scene.SetPosition(static_cast<std::int16_t>(now));
    }
    IndexPositions();
    PostEvent(nullptr);
}

void SceneManager::DeleteScene(std::int32_t position) {
    Scene* scene = SceneAt(position);
    if (!scene) return;
    MarkDocumentChanged();
    MoveScene(scene->GetID(), GetSceneCount() - 1);
    const InclApprList& appreciations = scene->GetAppreciations();
    for (std::int32_t i = appreciations.GetCount() - 1; i >= 0; --i) {
        const IncludeableAppreciation appreciation = appreciations.GetAt(i);
        scene->RemoveAppreciation(appreciation);
    }
    if (PText* record = scene->Record()) record->Delete();
    std::erase_if(scenes_, [scene](const auto& kept) { return kept.get() == scene; });
    IndexPositions();
    PostEvent(nullptr);
}

void SceneManager::RemoveCharacter(CharID id) {
    for (const auto& scene : scenes_) scene->RemoveCharacter(id);
    usage_.RemoveCharacter(id);
}

ErrCode SceneManager::SaveScenes() {
    ErrCode first = kNoErr;
    for (const auto& scene : scenes_) {
        const ErrCode error = scene->Save();
        if (first == kNoErr) first = error;
    }
    const ErrCode error = usage_.Save();
    return first != kNoErr ? first : error;
}
