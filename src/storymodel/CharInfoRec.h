#pragma once
// One character of a story: the fields that lists and sorting need, kept in memory, and the
// character's keyed record ('CHAR', numbered by the character's id) in the story file, which holds
// everything else. The record is opened when it is first needed; every read and write reaches it,
// whether the character was found by id, by position or by an iterator.
//
// Every setter writes into the record at once and saves the record into its segment, marking the
// story changed when that wrote anything. The setters of the kept fields also announce the change
// to the character listeners, at once, or once at the final EndUpdate while an update is open.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/Types.h"
#include "storymodel/CharID.h"

class CharacterManager;
class PText;

// The keys of a character record.
namespace CharacterKey {
inline constexpr const char* kName = "NM";
inline constexpr const char* kPicture = "Pix";
inline constexpr const char* kForm = "Form";
inline constexpr const char* kSex = "Sex";
inline constexpr const char* kSubjectiveRole = "Subj";
inline constexpr const char* kArchetype = "Arch";
inline constexpr const char* kRole = "Role";
inline constexpr const char* kDescription = "Des";
inline constexpr const char* kRoleX = "RoleX";
inline constexpr const char* kFunction = "CFunc";
inline constexpr const char* kActivities = "Actv";
inline constexpr const char* kBackground = "BG";
inline constexpr const char* kInterests = "Int";
inline constexpr const char* kSkills = "Skil";
inline constexpr const char* kBeliefs = "Bel";
inline constexpr const char* kPhysical = "Phys";
inline constexpr const char* kIntroduction = "SWIntro";
inline constexpr const char* kDismissal = "SWDismiss";
// Storyweaving interaction n (0-9) is kept under this text followed by the digit n.
inline constexpr const char* kInteractionStem = "SWInter";
// A relationship is kept under this text followed by the other character's id in "%4X".
inline constexpr const char* kRelationshipStem = "Relat";
// Whether a character's record holds entries under the key: one of those above, an archetype
// dimension's, an interaction's or a relationship's.
bool IsWritten(std::string_view key);
}  // namespace CharacterKey

// Subjective roles.
inline constexpr std::int16_t kNoRole = 0;
inline constexpr std::int16_t kMainRole = 1;
inline constexpr std::int16_t kImpactRole = 2;

// Forms: one person, or several.
inline constexpr std::uint16_t kSingularForm = 1;
inline constexpr std::uint16_t kPluralForm = 2;

// Names keep at most this many characters.
inline constexpr std::size_t kMaxCharacterName = 31;

class CharInfoRec {
public:
    CharInfoRec(CharacterManager& manager, CharID id);
    ~CharInfoRec();
    CharInfoRec(const CharInfoRec&) = delete;
    CharInfoRec& operator=(const CharInfoRec&) = delete;

    CharID GetID() const { return id_; }
    const std::string& Name() const { return name_; }
    void GetName(char* buffer, std::uint32_t size) const;
    std::uint16_t GetSex() const { return sex_; }
    std::uint16_t GetForm() const { return form_; }
    std::uint16_t GetPicture() const { return picture_; }
    std::int16_t GetSubjectiveRole() const { return role_; }
    std::int16_t GetArchetype() const { return archetype_; }

    // While an update is open, changes are announced once, when the last one ends.
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

    // A new character's fields, in one update: the subjective role, name, sex, form and picture,
    // and no archetype. Announced once at its end, unless an update of the caller's is still open.
    void InitCharacter(std::int16_t role, const char* name, std::uint16_t sex, std::uint16_t form,
                       std::uint16_t picture);

    // Whether the text would read as a name: it holds more than spaces.
    static bool IsName(std::string_view text);
    // Nothing for an unchanged name or one that is no name (empty, or only spaces); a longer name
    // keeps what fits in 31 stored bytes, an escape never cut from its code. The characters are
    // sorted again.
    void SetName(const char* name);
    void SetSex(std::uint16_t sex);
    void SetForm(std::uint16_t form);
    void SetPicture(std::uint16_t picture);
    // A Main or impact role is taken from the character that holds it (see AssignRole); taking a
    // role away leaves the story without its holder until another character takes it.
    void SetSubjectiveRole(std::int16_t role);
    // 0 (unassigned), 2 (complex) or 4-11 (an archetype, whose characteristics the character is
    // given); other values are refused.
    void SetArchetype(std::int16_t archetype);

    // The text under any key of the record; empty when absent.
    std::string GetText(std::string_view key);
    // Copies at most size - 1 characters of a text and a NUL into the buffer.
    void GetText(std::string_view key, char* buffer, std::uint32_t size);
    // Writes a text; texts are not announced. Answers 0, or the record's error when it cannot keep
    // the text (one too long for a record: kPTextErrValueTooLong), which leaves the text it had.
    ErrCode SetText(std::string_view key, const char* text);

    void GetRole(char* buffer, std::uint32_t size) { GetText(CharacterKey::kRole, buffer, size); }
    void GetDescription(char* buffer, std::uint32_t size) {
        GetText(CharacterKey::kDescription, buffer, size);
    }
    void GetRoleX(char* buffer, std::uint32_t size) { GetText(CharacterKey::kRoleX, buffer, size); }
    void GetCFunc(char* buffer, std::uint32_t size) { GetText(CharacterKey::kFunction, buffer, size); }
    void GetActv(char* buffer, std::uint32_t size) { GetText(CharacterKey::kActivities, buffer, size); }
    void GetBG(char* buffer, std::uint32_t size) { GetText(CharacterKey::kBackground, buffer, size); }
    void GetInt(char* buffer, std::uint32_t size) { GetText(CharacterKey::kInterests, buffer, size); }
    void GetSkil(char* buffer, std::uint32_t size) { GetText(CharacterKey::kSkills, buffer, size); }
    void GetBel(char* buffer, std::uint32_t size) { GetText(CharacterKey::kBeliefs, buffer, size); }
    void GetPhys(char* buffer, std::uint32_t size) { GetText(CharacterKey::kPhysical, buffer, size); }
    void GetSWIntro(char* buffer, std::uint32_t size) { GetText(CharacterKey::kIntroduction, buffer, size); }
    void GetSWDismiss(char* buffer, std::uint32_t size) { GetText(CharacterKey::kDismissal, buffer, size); }
    void SetRole(const char* text) { SetText(CharacterKey::kRole, text); }
    void SetDescription(const char* text) { SetText(CharacterKey::kDescription, text); }
    void SetRoleX(const char* text) { SetText(CharacterKey::kRoleX, text); }
    void SetCFunc(const char* text) { SetText(CharacterKey::kFunction, text); }
    void SetActv(const char* text) { SetText(CharacterKey::kActivities, text); }
    void SetBG(const char* text) { SetText(CharacterKey::kBackground, text); }
    void SetInt(const char* text) { SetText(CharacterKey::kInterests, text); }
    void SetSkil(const char* text) { SetText(CharacterKey::kSkills, text); }
    void SetBel(const char* text) { SetText(CharacterKey::kBeliefs, text); }
    void SetPhys(const char* text) { SetText(CharacterKey::kPhysical, text); }
    void SetSWIntro(const char* text) { SetText(CharacterKey::kIntroduction, text); }
    void SetSWDismiss(const char* text) { SetText(CharacterKey::kDismissal, text); }
    // Storyweaving interaction n, 0-9; nothing for another n.
    void GetSWInterx(int n, char* buffer, std::uint32_t size);
    void SetSWInterx(int n, const char* text);

    // A relationship between two characters is one text, kept on the character with the lower id
    // (a character with itself: on itself); an empty text still counts as a relationship. Each
    // operation reaches it from either character; an other id that names no character does
    // nothing.
    void GetRelationship(char* buffer, std::uint32_t size, CharID other);
    bool HasRelationship(CharID other);
    void SetRelationship(const char* text, CharID other);
    void RemoveRelationship(CharID other);
    // Makes an empty relationship when there is none.
    void EnsureRelationship(CharID other);

    // The record, opened when it is not yet; null when the story file cannot give it.
    PText* Record();
    bool IsRecordOpen() const { return record_ != nullptr; }
    void CloseRecord();

    // The key the character with the lower number keeps its relationship with the other under.
    static std::string RelationshipKey(CharID other);

private:
    friend class CharacterManager;

    // Reads the kept fields from the open record; repairs a missing subjective role. A field held
    // as another type of value is left out of the record, which is noted as damaged. Answers
    // whether the damage took the role: the character then holds none, for the manager to decide.
    bool LoadRecord();
    // Writes a kept number under its key, saves the record and announces the change.
    void WriteNumber(const char* key, std::int16_t value);
    // Saves the record into its segment; marks the story changed when that wrote anything.
    void Flush();
    // Announces the change now, or at the end of the open update.
    void Changed();
    // The character that keeps the relationship with the other one and the key it keeps it under;
    // null when the other one names no character.
    CharInfoRec* RelationshipKeeper(CharID other, std::string& key);

    CharacterManager& manager_;
    std::unique_ptr<PText> record_;
    std::string name_;
    std::uint16_t sex_ = 0;
    std::uint16_t form_ = kSingularForm;
    std::uint16_t picture_ = 0;
    std::int16_t role_ = kNoRole;
    std::int16_t archetype_ = 0;
    CharID id_;
    bool changedInUpdate_ = false;
    std::uint16_t updateDepth_ = 0;
};
