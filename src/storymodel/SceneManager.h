#pragma once
// The scenes of one story document, in the order they were loaded or made, each with its
// storytelling position (0 .. count - 1); the word the story uses for a scene (its category, "Scene"
// unless the writer changes it); the storytelling mode; and how many scenes include each
// appreciation. Listeners hear a null event when scenes are added, moved or deleted, a title
// changes or the category does.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/Types.h"
#include "storymodel/AppreciationUsage.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/CharID.h"
#include "storymodel/Scene.h"

class IStoryDocument;
class PFMFile;
class PText;

class SceneManager : public BracketedBroadcasterNULLEvt {
public:
    static constexpr const char* kCategoryKey = "SCENECAT";
    static constexpr const char* kModeKey = "SCENESTL";
    static constexpr const char* kDefaultCategory = "Scene";
    static constexpr std::size_t kMaxCategoryName = 79;

    // Reads every 'SCNL' record of the story file and the storytelling keys. Positions that are not
    // 0 .. count - 1 (a damaged file) are renumbered in their stored order. A scene whose record is
    // damaged keeps what reads whole of it (StoryRecords.h); one of whose record nothing reads gets
    // an empty record in place of the damaged one (GetLostScenes). Either, when its position was
    // lost, goes back to the one place no other scene holds, or, when the others leave no such
    // place, last (GetScenesPlacedLast). A record listed under another number than the one its
    // texts' keys name is moved there when that number is free (GetMovedRecords). The usage is what
    // the scenes' own lists make; where the stored usage says otherwise, it is written again at the
    // next save.
    SceneManager(IStoryDocument& document, PText& storytelling);
    ~SceneManager() override;

    std::int32_t GetSceneCount() const { return static_cast<std::int32_t>(scenes_.size()); }
    // Null when no scene has the id or the position.
    Scene* FindScene(std::int16_t id) const;
    Scene* SceneAt(std::int32_t position) const;

    void GetCategoryName(char* buffer, std::uint32_t size) const;
    const std::string& CategoryName() const { return category_; }
    // Also the default of new stories (the query system's preferences).
    void SetCategoryName(const char* name);
    std::int16_t GetStorytellingMode() const { return mode_; }
    void SetStorytellingMode(std::int16_t mode);

    // A new scene at the position (-1, or any position outside 0 .. count: at the end); answers its
    // position, or -1 when every scene id is taken.
    std::int32_t InsertScene(std::int32_t position);
    // The scenes between the two positions move up or down one place; a position beyond the last
    // is taken as the last.
    void MoveScene(std::int16_t id, std::int32_t position);
    // Moves the scene to the end, uncounts its appreciations and deletes it with its record.
    void DeleteScene(std::int32_t position);
    // Drops every appreciation naming the character, from every scene and from the usage.
    void RemoveCharacter(CharID id);
    // How many scenes include the appreciation.
    std::uint16_t GetUsageCount(const IncludeableAppreciation& appreciation) const {
        return usage_.Count(appreciation);
    }

    // Saves every scene record and the usage into their segments; to run before the story file is
    // written. 0 or the first error.
    ErrCode SaveScenes();

    void MarkDocumentChanged();
    // 0, or the error that kept the scene records from being listed: the story then shows none.
    ErrCode GetLoadError() const { return loadError_; }
    // The ids of the scenes whose records could not be read when the story file was: they are kept
    // empty.
    const std::vector<std::int16_t>& GetLostScenes() const { return lostScenes_; }
    // The ids of the scenes whose positions were lost and that went after the others.
    const std::vector<std::int16_t>& GetScenesPlacedLast() const { return placedLast_; }
    // The position the scene's record gave it when the story file was read, as the writer knew it
    // (before the places of scenes whose positions were lost moved it); none when it gave none.
    std::optional<std::int16_t> GetReadPosition(std::int16_t id) const;
    // Each record the story file listed under another number (first) that went to the number its
    // texts' keys name (second).
    const std::vector<std::pair<std::int16_t, std::int16_t>>& GetMovedRecords() const {
        return movedRecords_;
    }

private:
    friend class Scene;

    // The story file holding the scene records.
    PFMFile* StoryFile() const;
    void RenumberPositions();
    // Moves the loaded scene's record to the number its texts' keys name, when that is not its own
    // and no other scene's: the map listed it under a damaged number.
    void TakeNamedNumber(Scene& scene);
    // The one scene whose position was lost goes back to the place no other scene holds.
    void PutBackInPlace(const std::vector<Scene*>& unplaced);
    // Notes each scene under its position, after every change of the scenes or their positions,
    // so that SceneAt finds a scene without walking them all.
    void IndexPositions();
    bool IsSceneIdFree(std::int16_t id) const;
    // How many scenes include each appreciation, as their own lists say.
    std::vector<AppreciationUsage::Entry> CountUsage();

    IStoryDocument& document_;
    PText& storytelling_;
    std::vector<std::unique_ptr<Scene>> scenes_;
    std::vector<Scene*> byPosition_;
    std::int16_t nextSceneId_ = 1;
    std::string category_;
    AppreciationUsage usage_;
    std::int16_t mode_ = 1;
    ErrCode loadError_ = kNoErr;
    std::vector<std::int16_t> lostScenes_;
    std::vector<std::int16_t> placedLast_;
    std::vector<std::pair<std::int16_t, std::int16_t>> movedRecords_;
};
