// Character pictures: the stock pictures of the application's picture file and the custom pictures
// that the story file holds.

#include <algorithm>
#include <charconv>
#include <cstring>

#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PictRecord.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/PictureScaling.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/UserPrompts.h"

namespace {

// Shown for a character whose picture cannot be read.
constexpr FourCC kDefaultPictureType = FourCCOf("BITM");
constexpr std::uint16_t kDefaultPictureID = 19999;

// A picture too small to show stands for none.
bool IsShowable(const PictRecord& picture) { return picture.Width() >= 2 && picture.Height() >= 2; }

PFMFile* CharacterPictureFile() {
    IStoryApplication* application = GetStoryApplication();
    return application ? application->GetCharacterPictureFile() : nullptr;
}

}  // namespace

std::vector<std::uint16_t> CharacterManager::StoredPictureIDs(PFMFile* store, bool custom) {
    std::vector<std::uint16_t> ids;
    if (!store) return ids;
    SList stored;
    {
        PFMFileScope scope(store, false);
        if (PFMGetSegmentIds(kCharacterPictureType, stored) != kNoErr) return ids;
    }
    for (std::int32_t i = 0; i < stored.Count(); ++i) {
        const auto id = static_cast<std::uint16_t>(stored.GetAt(i));
        if (IsCustomPicture(id) == custom) ids.push_back(id);
    }
    return ids;
}

void CharacterManager::ScanCustomPictures() {
    pictureIds_ = StoredPictureIDs(CharacterPictureFile(), false);
    const std::vector<std::uint16_t> custom = StoredPictureIDs(document_.GetStoryFile(), true);
    pictureIds_.insert(pictureIds_.end(), custom.begin(), custom.end());
    // The largest custom id, not the last one listed, so that no new picture takes the id of one
    // the story holds.
    if (!custom.empty()) nextCustomPictureId_ = static_cast<std::uint16_t>(custom.back() + 1);
}

std::optional<std::uint16_t> CharacterManager::AddCustomPicture(const PictRecord& source) {
    PFMFileScope scope(document_.GetStoryFile(), false);
    // Ids after 0xFFFF wrap below the custom ones: then every id is taken.
    while (IsCustomPicture(nextCustomPictureId_) &&
           PFMSegmentExists(kCharacterPictureType, nextCustomPictureId_))
        ++nextCustomPictureId_;
    if (!IsCustomPicture(nextCustomPictureId_)) return std::nullopt;
    const std::uint16_t id = nextCustomPictureId_;
    std::optional<PictRecord> picture =
        StretchPicture(source, kCharacterPictureSize, kCharacterPictureSize, id, kCharacterPictureType);
    if (!picture || picture->Store() != kNoErr) return std::nullopt;
    ++nextCustomPictureId_;
    MarkDocumentChanged();
    ScanCustomPictures();
    return id;
}

std::unique_ptr<PictRecord> CharacterManager::LoadPicture(std::uint16_t id) {
    auto picture = std::make_unique<PictRecord>(id, kCharacterPictureType);
    if (PFMFile* source = IsCustomPicture(id) ? document_.GetStoryFile() : CharacterPictureFile()) {
        PFMFileScope scope(source, false);
        picture->Load();
    }
    if (IsShowable(*picture)) return picture;
    picture = std::make_unique<PictRecord>(kDefaultPictureID, kDefaultPictureType);
    PFMFileScope scope(document_.GetStoryFile(), true);
    if (picture->Load() == kNoErr && IsShowable(*picture)) return picture;
    return nullptr;
}

void CharacterManager::ReleasePicture(std::unique_ptr<PictRecord> /*picture*/) {}

void CharacterManager::DeleteCustomPicture(std::uint16_t id) {
    if (!IsCustomPicture(id)) return;
    {
        PFMFileScope scope(document_.GetStoryFile(), false);
        if (!PFMRemoveSegment(kCharacterPictureType, id)) return;
    }
    MarkDocumentChanged();
    BroadcasterBracket bracket(this);
    for (const auto& character : characters_) {
        if (character->GetPicture() == id) character->SetPicture(0);
    }
    ScanCustomPictures();
    NotifyCharacter(kNoCharID);
}

void CharacterManager::RemoveUnusedCustomPictures() {
    std::vector<std::uint16_t> unused = StoredPictureIDs(document_.GetStoryFile(), true);
    for (const auto& character : characters_) {
        if (unused.empty()) break;
        std::erase(unused, character->GetPicture());
    }
    if (unused.empty()) {
        UserPrompts().Beep();
        return;
    }
    const bool one = unused.size() == 1;
    const std::string question =
        FormatText("You have %ld unused custom picture%s.  Remove %s from your document?",
                   static_cast<long>(unused.size()), one ? "" : "s", one ? "it" : "them");
    if (UserPrompts().AskYesNoCancel(question.c_str(), 1, true) != kAnswerYes) return;
    {
        PFMFileScope scope(document_.GetStoryFile(), false);
        for (auto id = unused.rbegin(); id != unused.rend(); ++id)
            PFMRemoveSegment(kCharacterPictureType, *id);
    }
    MarkDocumentChanged();
    ScanCustomPictures();
    NotifyCharacter(kNoCharID);
}

CharID CharacterManager::ParseCharacterID(const char* text) {
    if (!text) return kNoCharID;
    while (*text == ' ') ++text;
    CharID id = kNoCharID;
    const auto [stop, error] = std::from_chars(text, text + std::strlen(text), id);
    return error == std::errc() && IsValidCharID(id) ? id : kNoCharID;
}
