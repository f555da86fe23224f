#include "storymodel/CharInfoRec.h"

#include <algorithm>
#include <cstdio>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/TextHelpers.h"

CharInfoRec::CharInfoRec(CharacterManager& manager, CharID id) : manager_(manager), id_(id) {}

CharInfoRec::~CharInfoRec() = default;

void CharInfoRec::GetName(char* buffer, std::uint32_t size) const {
    CopyToBuffer(name_.c_str(), buffer, size);
}

PText* CharInfoRec::Record() {
    if (!record_) manager_.OpenRecordOf(*this);
    return record_.get();
}

void CharInfoRec::CloseRecord() { record_.reset(); }

namespace {

// What of a stored name fits in 31 bytes, an escape never cut from its code.
std::string KeptName(std::string_view stored) {
    return std::string(stored.substr(0, WholeEscapesLength(stored, kMaxCharacterName)));
}

}  // namespace

bool CharInfoRec::LoadRecord() {
    PText& record = *record_;
    LeaveOutMistyped(record, CharacterKey::kName, kPTextText);
    const auto number = [&record](const char* key) {
        return ReadKeptNumber(record, key, INT16_MIN, INT16_MAX);
    };
    const std::optional<std::int16_t> picture = number(CharacterKey::kPicture),
                                      form = number(CharacterKey::kForm), sex = number(CharacterKey::kSex),
                                      archetype = number(CharacterKey::kArchetype);
    for (int dimension = 0; dimension < 4; ++dimension) LeaveOutUnlisted(record, DimensionKey(dimension));
    // A role no character is given, or the role's key damaged: the role is what the damage took.
    const std::optional<std::int16_t> role =
        ReadKeptNumber(record, CharacterKey::kSubjectiveRole, kNoRole, kImpactRole);
    if (!role) LeaveOutDamagedKey(record, CharacterKey::kSubjectiveRole, CharacterKey::IsWritten);
    // Damage took the role, unless the record held it twice and the entry read next is whole.
    const bool roleLost = !role && WasDamaged(record);
    name_ = KeptName(RecordTextView(record, CharacterKey::kName));
    if (picture) picture_ = static_cast<std::uint16_t>(*picture);
    form_ = form == kPluralForm ? kPluralForm : kSingularForm;
    if (sex) sex_ = static_cast<std::uint16_t>(*sex);
    if (role) {
        role_ = *role;
    } else if (roleLost) {
        role_ = kNoRole;
    } else {
        // Characters of early stories lack the role: the first two were Main and impact.
        role_ = id_ <= 1 ? static_cast<std::int16_t>(id_ + 1) : kNoRole;
        WriteRecordNumber(record, CharacterKey::kSubjectiveRole, role_);
    }
    archetype_ = archetype.value_or(0);
    return roleLost;
}

void CharInfoRec::EndUpdate() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ == 0 && changedInUpdate_) {
        changedInUpdate_ = false;
        manager_.NotifyCharacter(id_);
    }
}

void CharInfoRec::InitCharacter(std::int16_t role, const char* name, std::uint16_t sex, std::uint16_t form,
                                std::uint16_t picture) {
    BeginUpdate();
    // A character without a role says so in its record, as the story's loading would write it.
    if (role == kNoRole) WriteNumber(CharacterKey::kSubjectiveRole, kNoRole);
    SetSubjectiveRole(role);
    SetName(name);
    SetSex(sex);
    SetForm(form);
    SetPicture(picture);
    SetArchetype(0);
    EndUpdate();
}

void CharInfoRec::Changed() {
    if (updateDepth_ < 1) {
        changedInUpdate_ = false;
        manager_.NotifyCharacter(id_);
    } else {
        changedInUpdate_ = true;
    }
}

void CharInfoRec::Flush() {
    if (record_) manager_.SaveRecord(*record_);
}

void CharInfoRec::WriteNumber(const char* key, std::int16_t value) {
    if (PText* record = Record()) WriteRecordNumber(*record, key, value);
    Flush();
    Changed();
}

bool CharInfoRec::IsName(std::string_view text) {
    return text.find_first_not_of(" \t") != std::string_view::npos;
}

void CharInfoRec::SetName(const char* name) {
    if (!name || !IsName(name)) return;
    const std::string kept = KeptName(name);
    if (kept == name_) return;
    name_ = kept;
    if (PText* record = Record()) WriteRecordText(*record, CharacterKey::kName, name_.c_str());
    Flush();
    manager_.Resort();
    manager_.RecomputeRoleIndexes();
    Changed();
}

void CharInfoRec::SetSex(std::uint16_t sex) {
    if (sex == sex_) return;
    sex_ = sex;
    WriteNumber(CharacterKey::kSex, static_cast<std::int16_t>(sex));
}

void CharInfoRec::SetForm(std::uint16_t form) {
    if (form == form_) return;
    form_ = form;
    WriteNumber(CharacterKey::kForm, static_cast<std::int16_t>(form));
}

void CharInfoRec::SetPicture(std::uint16_t picture) {
    if (picture == picture_) return;
    picture_ = picture;
    WriteNumber(CharacterKey::kPicture, static_cast<std::int16_t>(picture));
}

void CharInfoRec::SetSubjectiveRole(std::int16_t role) {
    if (role == role_) return;
    if (role != kNoRole) {
        manager_.AssignRole(role, manager_.IndexOf(id_));
        return;
    }
    role_ = kNoRole;
    WriteNumber(CharacterKey::kSubjectiveRole, kNoRole);
}

std::string CharInfoRec::GetText(std::string_view key) {
    PText* record = Record();
    return record ? RecordText(*record, key) : std::string();
}

void CharInfoRec::GetText(std::string_view key, char* buffer, std::uint32_t size) {
    CopyToBuffer(GetText(key).c_str(), buffer, size);
}

ErrCode CharInfoRec::SetText(std::string_view key, const char* text) {
    PText* record = Record();
    if (!record) return kPTextErrNoRecord;
    const std::int32_t written = WriteRecordText(*record, key, text);
    if (written < 0) return static_cast<ErrCode>(written);
    if (written > 0) Flush();
    return kNoErr;
}

namespace {

// The key of storyweaving interaction n, or the empty text for an n outside 0-9.
std::string InteractionKey(int n) {
    if (n < 0 || n > 9) return {};
    return CharacterKey::kInteractionStem + std::to_string(n);
}

}  // namespace

void CharInfoRec::GetSWInterx(int n, char* buffer, std::uint32_t size) {
    const std::string key = InteractionKey(n);
    CopyToBuffer(key.empty() ? "" : GetText(key).c_str(), buffer, size);
}

void CharInfoRec::SetSWInterx(int n, const char* text) {
    const std::string key = InteractionKey(n);
    if (!key.empty()) SetText(key, text);
}

std::string CharInfoRec::RelationshipKey(CharID other) {
    char key[16];
    std::snprintf(key, sizeof key, "%s%4X", CharacterKey::kRelationshipStem, static_cast<unsigned>(other));
    return key;
}

CharInfoRec* CharInfoRec::RelationshipKeeper(CharID other, std::string& key) {
    CharInfoRec* keeper =
        other >= id_ ? (manager_.HasCharacter(other) ? this : nullptr) : manager_.GetCharacter(other);
    if (keeper) key = RelationshipKey(keeper == this ? other : id_);
    return keeper;
}

void CharInfoRec::GetRelationship(char* buffer, std::uint32_t size, CharID other) {
    std::string key;
    CharInfoRec* keeper = RelationshipKeeper(other, key);
    CopyToBuffer(keeper ? keeper->GetText(key).c_str() : "", buffer, size);
}

bool CharInfoRec::HasRelationship(CharID other) {
    std::string key;
    CharInfoRec* keeper = RelationshipKeeper(other, key);
    PText* record = keeper ? keeper->Record() : nullptr;
    return record && record->HasKey(key);
}

void CharInfoRec::SetRelationship(const char* text, CharID other) {
    std::string key;
    if (CharInfoRec* keeper = RelationshipKeeper(other, key)) keeper->SetText(key, text);
}

void CharInfoRec::RemoveRelationship(CharID other) {
    std::string key;
    CharInfoRec* keeper = RelationshipKeeper(other, key);
    PText* record = keeper ? keeper->Record() : nullptr;
    if (record && record->Remove(key) == kNoErr) keeper->Flush();
}

void CharInfoRec::EnsureRelationship(CharID other) {
    if (!HasRelationship(other)) SetRelationship("", other);
}

void CharInfoRec::SetArchetype(std::int16_t archetype) {
    if (archetype == archetype_ || !IsArchetypeValue(archetype)) return;
    archetype_ = archetype;
    if (PText* record = Record()) WriteRecordNumber(*record, CharacterKey::kArchetype, archetype);
    // A complex character keeps the characteristics it has.
    if (archetype != kComplexArchetype) manager_.ApplyArchetype(id_, archetype);
    Flush();
    Changed();
}

bool CharacterKey::IsWritten(std::string_view key) {
    static constexpr const char* kKeys[] = {
        kName,      kPicture,     kForm,    kSex,      kSubjectiveRole, kArchetype,
        kRole,      kDescription, kRoleX,   kFunction, kActivities,     kBackground,
        kInterests, kSkills,      kBeliefs, kPhysical, kIntroduction,   kDismissal};
    if (std::find(std::begin(kKeys), std::end(kKeys), key) != std::end(kKeys)) return true;
    for (int dimension = 0; dimension < kDimensionCount; ++dimension)
        if (key == DimensionKey(dimension)) return true;
    for (int n = 0; n <= 9; ++n)
        if (key == InteractionKey(n)) return true;
    // A relationship's other character's id in "%4X": spaces, then capital hexadecimal digits.
    const std::string_view relationship = kRelationshipStem;
    if (key.size() != relationship.size() + 4 || !key.starts_with(relationship)) return false;
    const std::string_view id = key.substr(relationship.size());
    const std::size_t digits = id.find_first_not_of(' ');
    return digits != std::string_view::npos &&
           id.find_first_not_of("0123456789ABCDEF", digits) == std::string_view::npos;
}
