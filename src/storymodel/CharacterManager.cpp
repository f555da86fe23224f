// The character manager: its list, loading, creating and deleting characters, and the texts built
// from all of them.

#include "storymodel/CharacterManager.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <optional>
#include <string_view>

#include "foundation/PlainText.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/TextMacroExpander.h"

namespace {

constexpr FourCC kCharacterType = FourCCOf("CHAR");
constexpr const char* kDefaultGenderKey = "DefGender";
// The last gender a character can have (0 male, 1 female, 2 neutral).
constexpr std::int16_t kLastGender = 2;

// The default gender the general preferences hold. None when it is absent or negative (no character
// can take it, and the preferences window shows no gender for it); a value past the last gender
// (a damaged file) is the last one, as the preferences window shows it.
std::optional<std::uint16_t> StoredDefaultGender(PText* preferences) {
    std::int16_t gender = -1;
    if (!preferences || preferences->GetEntry(kDefaultGenderKey, kPTextShort, &gender) < 0 || gender < 0)
        return std::nullopt;
    return static_cast<std::uint16_t>(std::min(gender, kLastGender));
}

// The texts of storytelling, emptied by ClearStorytellingTexts.
constexpr const char* kStorytellingKeys[] = {
    CharacterKey::kRoleX,        CharacterKey::kFunction,  CharacterKey::kActivities,
    CharacterKey::kIntroduction, CharacterKey::kDismissal, CharacterKey::kBackground,
    CharacterKey::kInterests,    CharacterKey::kSkills,    CharacterKey::kBeliefs,
    CharacterKey::kPhysical,
};

bool NameBefore(const std::unique_ptr<CharInfoRec>& a, const std::unique_ptr<CharInfoRec>& b) {
    return StrCompareNoCase(a->Name().c_str(), b->Name().c_str()) < 0;
}

// The keys of the relationship texts the record holds, in key order.
std::vector<std::string> RelationshipKeys(const PText& record) {
    return RecordKeys(record, [](const PTextEntry& entry) {
        return std::string_view(entry.key).starts_with(CharacterKey::kRelationshipStem);
    });
}

// The other character a relationship's key names, where the key is written as a relationship's
// (CharInfoRec::RelationshipKey); a key written otherwise is no relationship.
std::optional<CharID> RelationshipOther(std::string_view key) {
    const std::string_view stem = CharacterKey::kRelationshipStem;
    if (!key.starts_with(stem)) return std::nullopt;
    // The number follows the spaces that pad it, in hexadecimal.
    const std::size_t digits = key.find_first_not_of(' ', stem.size());
    unsigned long other = kNoCharID;
    if (digits == std::string_view::npos ||
        std::from_chars(key.data() + digits, key.data() + key.size(), other, 16).ec != std::errc() ||
        other >= kNoCharID || CharInfoRec::RelationshipKey(static_cast<CharID>(other)) != key)
        return std::nullopt;
    return static_cast<CharID>(other);
}

// The entry at the place in the record's key order.
PTextEntry EntryAt(const PText& record, std::int32_t place) {
    PTextEntry entry;
    std::int32_t cursor = place - 1;
    record.NextEntry(cursor, entry);
    return entry;
}

// Adds the relationships the record of the character keeps (CharInfoRec::RelationshipKey) to
// `kept`. A record keeps its entries in key order, so its relationships are found where their stem
// sorts, looking at a few entries rather than at all of them.
void NoteRelationships(CharID keeper, const PText& record, std::vector<KeptRelationship>& kept) {
    const std::string_view stem = CharacterKey::kRelationshipStem;
    std::int32_t first = 0;
    for (std::int32_t count = record.Count(); count > 0;) {
        const std::int32_t half = count / 2;
        if (std::string_view(EntryAt(record, first + half).key) < stem) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    PTextEntry entry;
    for (std::int32_t cursor = first - 1; record.NextEntry(cursor, entry) == kNoErr;) {
        const std::string_view key(entry.key);
        if (!key.starts_with(stem)) break;
        if (const std::optional<CharID> other = RelationshipOther(key)) kept.push_back({keeper, *other});
    }
}

// Writes the pieces one after the other while each fits whole with the terminating NUL.
void WritePiecesThatFit(const std::vector<std::string>& pieces, char* buffer, std::uint32_t size) {
    std::string text;
    for (const std::string& piece : pieces) {
        if (text.size() + piece.size() >= size) break;
        text += piece;
    }
    CopyToBuffer(text.c_str(), buffer, size);
}

}  // namespace

CharacterManager::CharacterManager(IStoryDocument& document, std::uint16_t nextCustomPictureId)
    : document_(document),
      // A damaged story could name a stock id, whose pictures the story file must not hold.
      nextCustomPictureId_(IsCustomPicture(nextCustomPictureId) ? nextCustomPictureId
                                                                : kFirstCustomPictureID + 1) {}

CharacterManager::~CharacterManager() = default;

CharInfoRec* CharacterManager::Find(CharID id) const { return RecordAt(IndexOf(id)); }

std::int32_t CharacterManager::IndexOf(CharID id) const {
    if (positionsStale_) IndexPositions();
    const std::int32_t position = id < positions_.size() ? positions_[id] : -1;
    return position >= 0 ? position : GetCount();
}

void CharacterManager::IndexPositions() const {
    CharID highest = 0;
    for (const auto& character : characters_) highest = std::max(highest, character->GetID());
    positions_.assign(characters_.empty() ? 0 : std::size_t{highest} + 1, -1);
    for (std::size_t position = 0; position < characters_.size(); ++position)
        positions_[characters_[position]->GetID()] = static_cast<std::int32_t>(position);
    positionsStale_ = false;
}

CharInfoRec* CharacterManager::RecordAt(std::int32_t position) const {
    if (position < 0 || position >= GetCount()) return nullptr;
    return characters_[static_cast<std::size_t>(position)].get();
}

CharID CharacterManager::IdAt(std::int32_t position) const {
    const CharInfoRec* character = RecordAt(position);
    return character ? character->GetID() : kNoCharID;
}

CharInfoRec* CharacterManager::GetCharacter(CharID id) {
    CharInfoRec* character = Find(id);
    if (character) character->Record();
    return character;
}

void CharacterManager::OpenRecord(std::int32_t position) {
    if (CharInfoRec* character = RecordAt(position)) character->Record();
}

void CharacterManager::OpenRecordOf(CharInfoRec& character) {
    ErrCode error = kNoErr;
    auto record =
        std::make_unique<PText>(document_.GetStoryFile(), kCharacterType, character.GetID(), &error);
    if (error == kNoErr || error == kPTextErrNoRecord) character.record_ = std::move(record);
}

bool CharacterManager::HasStoredRecord(CharID id) const {
    PFMFileScope scope(document_.GetStoryFile(), false);
    return PFMSegmentExists(kCharacterType, id);
}

CharID CharacterManager::FreeIdAfterLast() const {
    // kNoCharID means none: from it the ids wrap to 0, which the first character takes.
    for (auto id = static_cast<CharID>(lastId_ + 1); id != lastId_; ++id)
        if (id != kNoCharID && !Find(id) && !HasStoredRecord(id)) return id;
    return kNoCharID;
}

std::int32_t CharacterManager::Insert(std::unique_ptr<CharInfoRec> character) {
    const auto place = std::upper_bound(characters_.begin(), characters_.end(), character, NameBefore);
    Reordered();
    return static_cast<std::int32_t>(characters_.insert(place, std::move(character)) - characters_.begin());
}

void CharacterManager::Resort() {
    std::stable_sort(characters_.begin(), characters_.end(), NameBefore);
    Reordered();
}

ErrCode CharacterManager::SaveRecord(PText& record) {
    const ErrCode error = record.Save();
    if (record.WasSaved()) {
        MarkDocumentChanged();
        record.ClearFlushedFlag();
    }
    return error;
}

std::string CharacterManager::Expand(const char* text) { return ExpandText(&document_, text); }

std::string CharacterManager::PlaceholderName(bool main) {
    return main ? std::string(kMainPlaceholderName) : ExpandText(nullptr, kImpactPlaceholderName);
}

std::string CharacterManager::ShownName(const CharInfoRec& character) {
    if (CharInfoRec::IsName(character.Name())) return character.Name();
    const std::int16_t role = character.GetSubjectiveRole();
    return role == kMainRole || role == kImpactRole ? PlaceholderName(role == kMainRole)
                                                    : std::string(kUnnamedCharacter);
}

ErrCode CharacterManager::LoadCharacters(PText* infoRecord, PText* generalPreferences) {
    SList ids;
    ErrCode error = kNoErr;
    {
        PFMFileScope scope(document_.GetStoryFile(), false);
        error = PFMGetSegmentIds(kCharacterType, ids);
    }
    // Without the list, a story with characters would look new.
    if (error != kNoErr) return error;
    lostRecords_.clear();
    renumbered_.clear();
    lostRelationships_.clear();
    rolesGivenToNew_.clear();
    std::vector<CharID> lostRoles, listed;
    std::vector<KeptRelationship> relationships;
    for (std::int32_t i = 0; i < ids.Count(); ++i) {
        listed.push_back(static_cast<CharID>(ids.GetAt(i)));
        if (!LoadCharacter(listed.back(), error, lostRoles, relationships)) break;
    }
    if (error == kNoErr) TakeBackRenumbered(std::move(listed), relationships, error, lostRoles);
    if (error == kNoErr) LeaveOutRelationshipsWithLost(relationships);
    if (error == kNoErr) KeepRolesHeld(lostRoles, generalPreferences);
    if (error == kNoErr) {
        nameNumber_ = static_cast<std::uint16_t>(GetCount() + 1);
        std::int16_t stored = 0;
        if (infoRecord) LeaveOutMistyped(*infoRecord, kNameNumberKey, kPTextShort);
        if (infoRecord && infoRecord->GetEntry(kNameNumberKey, kPTextShort, &stored) >= 0 && stored > 0) {
            nameNumber_ = static_cast<std::uint16_t>(stored);
        } else if (infoRecord) {
            WriteRecordNumber(*infoRecord, kNameNumberKey, static_cast<std::int16_t>(nameNumber_));
        }
    }
    if (error == kNoErr) error = LoadNotes();
    return error;
}

bool CharacterManager::LoadCharacter(CharID id, ErrCode& error, std::vector<CharID>& lostRoles,
                                     std::vector<KeptRelationship>& relationships) {
    StoryRecord opened = OpenStoryRecord(document_.GetStoryFile(), kCharacterType, id);
    if (opened.lost) {
        lostRecords_.push_back({kCharacterType, id});
        return true;
    }
    if (opened.error != kNoErr) {
        error = opened.error;
        return false;
    }
    lastId_ = lastId_ == kNoCharID ? id : std::max(lastId_, id);
    auto character = std::make_unique<CharInfoRec>(*this, id);
    character->record_ = std::move(opened.record);
    if (character->LoadRecord()) lostRoles.push_back(id);
    NoteRelationships(id, *character->record_, relationships);
    if (id > 1) {
        if (character->record_->IsChanged()) SaveRecord(*character->record_);
        character->CloseRecord();
    }
    Insert(std::move(character));
    return true;
}

void CharacterManager::TakeBackRenumbered(std::vector<CharID> listed,
                                          std::vector<KeptRelationship>& relationships, ErrCode& error,
                                          std::vector<CharID>& lostRoles) {
    std::ranges::sort(listed);
    // The one number named that no record has; with two, nothing tells which record is whose.
    std::optional<CharID> missing;
    for (const KeptRelationship& relationship : relationships) {
        if (std::ranges::binary_search(listed, relationship.other) || relationship.other == missing) continue;
        if (missing) return;
        missing = relationship.other;
    }
    if (!missing) return;
    // The records that no relationship names and that keep their relationships as the character
    // numbered so would: the lower number keeps one, under the other's, so none with a lower
    // number. A record that keeps one under the number itself keeps it with another character: its
    // own relationship with itself is seldom made.
    std::vector<CharID> fitting, misplaced;
    for (const CharID id : listed) {
        const auto keeps = [&](const auto& test) {
            return std::ranges::any_of(relationships, [&](const KeptRelationship& relationship) {
                return relationship.keeper == id && test(relationship.other);
            });
        };
        const bool named = std::ranges::any_of(
            relationships, [id](const KeptRelationship& relationship) { return relationship.other == id; });
        if (named || keeps([&](CharID other) { return other <= *missing; })) continue;
        fitting.push_back(id);
        // One that keeps a relationship its own number would not keep is not where it was written.
        if (keeps([id](CharID other) { return other < id; })) misplaced.push_back(id);
    }
    // The one that fits, or of several the one that is not where it was written, when it lies one
    // bit from the number: a map damaged otherwise says nothing of where the record belongs.
    std::optional<CharID> found;
    if (fitting.size() == 1) found = fitting.front();
    if (fitting.size() > 1 && misplaced.size() == 1) found = misplaced.front();
    if (!found || std::popcount(static_cast<unsigned>(*found ^ *missing)) != 1) return;
    // A record of which nothing could be read has no character to move.
    const auto character = std::ranges::find_if(
        characters_, [&found](const std::unique_ptr<CharInfoRec>& held) { return held->GetID() == *found; });
    if (character == characters_.end()) return;
    {
        const PFMFileScope scope(document_.GetStoryFile(), false);
        if (MoveRecord({kCharacterType, *found}, {kCharacterType, *missing}) != kNoErr) {
            PFMClearError();
            return;
        }
    }
    // The character is read again under its own number, as though the map had listed it there.
    characters_.erase(character);
    Reordered();
    std::erase(lostRoles, *found);
    lastId_ = kNoCharID;
    for (const auto& kept : characters_)
        lastId_ = lastId_ == kNoCharID ? kept->GetID() : std::max(lastId_, kept->GetID());
    if (LoadCharacter(*missing, error, lostRoles, relationships))
        renumbered_.push_back({kCharacterType, *missing});
}

void CharacterManager::LeaveOutRelationshipsWithLost(const std::vector<KeptRelationship>& relationships) {
    for (const PFMSegmentKey& lost : lostRecords_) {
        if (lost.type != kCharacterType) continue;
        bool left = false;
        for (const KeptRelationship& relationship : relationships) {
            if (relationship.other != lost.id) continue;
            CharInfoRec* keeper = Find(relationship.keeper);
            PText* record = keeper ? keeper->Record() : nullptr;
            if (!record || record->Remove(CharInfoRec::RelationshipKey(lost.id)) != kNoErr) continue;
            left = true;
            SaveRecord(*record);
            if (keeper->GetID() > 1) keeper->CloseRecord();
        }
        if (left) lostRelationships_.push_back(lost.id);
    }
}

void CharacterManager::CreatePlaceholders(PText* generalPreferences, bool main, bool impact) {
    const std::optional<std::uint16_t> gender = StoredDefaultGender(generalPreferences);
    const std::uint16_t mainSex = gender.value_or(1);
    const std::uint16_t impactSex = gender.value_or(0);
    if (main)
        CreateCharacter(kMainPlaceholderName, mainSex, kSingularForm, mainSex == 1 ? 1 : 0, kMainRole, false);
    if (impact) {
        CreateCharacter(Expand(kImpactPlaceholderName).c_str(), impactSex, kSingularForm,
                        impactSex == 1 ? 1 : 0, kImpactRole, false);
    }
}

CharID CharacterManager::CreateCharacter(const char* name, std::uint16_t sex, std::uint16_t form,
                                         std::uint16_t picture, std::int16_t role, bool quiet) {
    const CharID id = FreeIdAfterLast();
    if (id == kNoCharID) return kNoCharID;
    char defaultName[20];
    if (!name) {
        MakeDefaultName(defaultName, sizeof defaultName);
        IncrementNameNumber();
        name = defaultName;
    }
    lastId_ = id;
    auto created = std::make_unique<CharInfoRec>(*this, id);
    CharInfoRec& character = *created;
    if (quiet) character.BeginUpdate();
    OpenRecordOf(character);
    Insert(std::move(created));
    RecomputeRoleIndexes();

    character.InitCharacter(role, name, sex, form, picture);

    RecomputeRoleIndexes();
    MarkDocumentChanged();
    return id;
}

void CharacterManager::MakeDefaultName(char* buffer, std::uint32_t size) const {
    CopyToBuffer(FormatText("Character #%d", nameNumber_).c_str(), buffer, size);
}

void CharacterManager::DeleteCharacter(CharID id, bool notify) {
    const std::int32_t position = IndexOf(id);
    if (position >= GetCount()) return;
    for (const auto& other : characters_) {
        if (other->GetID() != id) other->RemoveRelationship(id);
    }
    CharInfoRec& character = *characters_[static_cast<std::size_t>(position)];
    if (PText* record = character.Record()) record->Delete();
    character.CloseRecord();  // a deleted record takes its segment with it
    characters_.erase(characters_.begin() + position);
    Reordered();
    RecomputeRoleIndexes();
    MarkDocumentChanged();
    if (notify) NotifyCharacter(id);
}

void CharacterManager::ClearStorytellingTexts() {
    for (const auto& character : characters_) {
        for (const char* key : kStorytellingKeys) character->SetText(key, "");
        PText* record = character->Record();
        if (!record) continue;
        for (const std::string& key : RelationshipKeys(*record)) character->SetText(key, "");
    }
}

void CharacterManager::GetCharacterNames(char* buffer, std::uint32_t size) const {
    std::vector<std::string> pieces;
    for (const auto& character : characters_)
        pieces.push_back((pieces.empty() ? "" : "\n") + character->Name());
    WritePiecesThatFit(pieces, buffer, size);
}

void CharacterManager::GetUnrelatedNames(CharID id, char* buffer, std::uint32_t size) {
    std::vector<std::string> pieces{"No one"};
    for (const auto& character : characters_) {
        if (character->GetID() == id || character->HasRelationship(id)) continue;
        pieces.push_back((pieces.size() == 1 ? "\n-\n" : "\n") + character->Name());
    }
    WritePiecesThatFit(pieces, buffer, size);
}

std::vector<std::vector<std::int32_t>> CharacterManager::RelatedPositions() {
    std::vector<std::vector<std::int32_t>> related(characters_.size());
    for (std::int32_t position = 0; position < GetCount(); ++position) {
        CharInfoRec& keeper = *characters_[static_cast<std::size_t>(position)];
        const PText* record = keeper.Record();
        if (!record) continue;
        for (const std::string& key : RelationshipKeys(*record)) {
            // A character keeps the relationships with itself and the characters of higher ids, each
            // under the key of the other's id written as the key is written; a key that is not
            // written so, or that names no character, is no relationship.
            const std::optional<CharID> other = RelationshipOther(key);
            if (!other || *other <= keeper.GetID()) continue;
            const std::int32_t otherPosition = IndexOf(*other);
            if (otherPosition >= GetCount()) continue;
            related[static_cast<std::size_t>(position)].push_back(otherPosition);
            related[static_cast<std::size_t>(otherPosition)].push_back(position);
        }
    }
    for (std::vector<std::int32_t>& others : related) std::sort(others.begin(), others.end());
    return related;
}

void CharacterManager::NotifyCharacter(CharID id) {
    const CharacterEvent event(id);
    PostEvent(&event);
}

void CharacterManager::MarkDocumentChanged() { document_.SetDirty(); }

std::int16_t CharacterManager::GetDefaultGender() const {
    IStoryApplication* application = GetStoryApplication();
    return static_cast<std::int16_t>(
        StoredDefaultGender(application ? application->GetGeneralRecord() : nullptr).value_or(0));
}

std::string CharacterManager::FormatNumber(std::int16_t value) { return std::to_string(value); }
