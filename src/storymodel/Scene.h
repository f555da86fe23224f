#pragma once
// One scene of a story: its title, description and appreciation text, its storytelling position
// and the appreciations it includes. Its keyed record ('SCNL', numbered by the scene's id) is
// opened when first needed; its texts are kept under their key followed by the id in decimal
// ("SCNTITLE7"), its position under "SCORDER" and its appreciations under "APPRLST". Changes reach
// the record at once and its segment when the scenes are saved.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "storymodel/CharID.h"
#include "storymodel/engine/IncludeableAppreciation.h"

class InclApprList;
class PText;
class SceneManager;

class Scene {
public:
    static constexpr const char* kTitleKey = "SCNTITLE";
    static constexpr const char* kDescriptionKey = "SCNDESC";
    static constexpr const char* kAppreciationTextKey = "SCNAPTX";
    static constexpr const char* kPositionKey = "SCORDER";

    Scene(SceneManager& manager, std::int16_t id);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    std::int16_t GetID() const { return id_; }
    // The storytelling position, 0-based.
    std::int16_t GetPosition() const { return position_; }

    // Copy at most size - 1 characters and a NUL; empty when the record holds none.
    void GetTitle(char* buffer, std::uint32_t size) { CopyText(kTitleKey, buffer, size); }
    void GetDescription(char* buffer, std::uint32_t size) { CopyText(kDescriptionKey, buffer, size); }
    void GetAppreciationText(char* buffer, std::uint32_t size) {
        CopyText(kAppreciationTextKey, buffer, size);
    }
    // Each marks the story changed when the text differs; a new title is announced.
    void SetTitle(const char* text);
    void SetDescription(const char* text) { WriteText(kDescriptionKey, text); }
    void SetAppreciationText(const char* text) { WriteText(kAppreciationTextKey, text); }

    // The scene's number a key of its texts names ("SCNTITLE7"); none for any other key.
    static std::optional<std::int16_t> NumberInKey(std::string_view key);

    // The category name, " #" and the position + 1, and " - " and the title when there is one;
    // each part written while the buffer has room for it; a name or title cut short keeps its
    // escapes whole.
    void GetDisplayName(char* buffer, std::uint32_t size) { GetDisplayNameAt(position_, buffer, size); }
    // The same, with the number of another position: the one the scene had when it was read.
    void GetDisplayNameAt(std::int16_t position, char* buffer, std::uint32_t size);

    // The appreciations the scene includes, read from its record when first asked for.
    InclApprList& GetAppreciations();
    // Each counts in the story's appreciation usage and marks the story changed.
    void AddAppreciation(const IncludeableAppreciation& appreciation);
    void RemoveAppreciation(const IncludeableAppreciation& appreciation);
    // Drops every appreciation naming the character, from the scene only.
    void RemoveCharacter(CharID id);

private:
    friend class SceneManager;

    // The record, opened when it is not yet; null when the story file cannot give it.
    PText* Record();
    // Opens the record as the story's open reads it (StoryRecords.h): false when the story file
    // cannot give it, or nothing of it reads (it then begins empty).
    bool LoadRecord();
    // An empty record in place of one the story file holds but cannot give, which goes from it.
    void ReplaceUnreadableRecord();
    // The number the keys of the loaded record's texts name ("SCNTITLE7"), when they all name one
    // other than the scene's own; none for a record without such keys, or whose title is under its
    // own number (its keys then name it, or do not agree), as a sound record's is.
    std::optional<std::int16_t> NamedNumber() const;
    // Moves the loaded record to the free number and takes it as the scene's id, the record loaded
    // again there; false, the scene as it was, when the store cannot move it.
    bool TakeNumber(std::int16_t id);
    std::string Key(const char* stem) const;
    std::string Text(const char* stem);
    void CopyText(const char* stem, char* buffer, std::uint32_t size);
    // Writes the text when it differs; answers whether it did.
    bool WriteText(const char* stem, const char* text);
    void SetPosition(std::int16_t position);
    // Writes the appreciations when they changed and saves the record into its segment.
    ErrCode Save();

    SceneManager& manager_;
    std::int16_t id_;
    std::int16_t position_ = 0;
    // The position its record gave it when the story file was read (SceneManager::GetReadPosition).
    std::optional<std::int16_t> readPosition_;
    std::unique_ptr<InclApprList> appreciations_;
    std::unique_ptr<PText> record_;
};
