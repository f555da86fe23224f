#pragma once
// The characters of one story document: their list, sorted by name without regard to case; the
// rule that exactly one character is the Main character and one the impact character; their keyed
// records in the story file; their characteristics and archetypes; their pictures, the custom ones
// kept in the story file; the story's characteristic notes. The manager is the broadcaster of character
// changes: each change reaches the character listeners as a character event naming the characters that
// changed, merged into one event per outermost bracket. Characteristic changes go to the characteristic
// listeners through a second broadcaster of the manager.
//
// Positions are places in the sorted list (0 .. count - 1); a position or id that names no
// character is answered with "none" (count, kNoCharID, null) and changes nothing.
//
// Messages shown to the user pass through the macro expander, so "{NObst}" in them becomes the
// term in force for the impact character.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterBroadcaster.h"

class IStoryDocument;
class PFMFile;
class PictRecord;
class PText;

// The four dimensions of characteristics.
inline constexpr int kDimensionCount = 4;
// Characteristic notes are numbered 1-64; note n belongs to the characteristic with element id n + 84.
inline constexpr int kNoteCount = 64;

// The number of the note of a characteristic element (85-148 give 1-64).
int CharacteristicNoteNumber(std::int16_t element);
// The key a note is kept under: "Ill%2X" of its number.
std::string CharacteristicNoteKey(int n);

// Pictures are 'CPIX' picture segments of 32 x 32 pixels. Ids below 32768 are stock pictures of the
// application's picture file; the others are custom pictures the story file holds.
inline constexpr FourCC kCharacterPictureType = FourCCOf("CPIX");
inline constexpr int kCharacterPictureSize = 32;
inline constexpr std::uint16_t kFirstCustomPictureID = 0x8000;
constexpr bool IsCustomPicture(std::uint16_t id) { return id >= kFirstCustomPictureID; }

// A relationship as a character's record keeps it: under the other character's number.
struct KeptRelationship {
    CharID keeper;
    CharID other;
};

class CharacterManager : public CharacterBroadcaster {
public:
    // The names of the two characters a new story starts with (the second through the expander).
    static constexpr const char* kMainPlaceholderName = "the Main Character";
    static constexpr const char* kImpactPlaceholderName = "the {NObst} Character";
    // The name a new story gives the Main (or the Impact) Character, in the vocabulary in force.
    static std::string PlaceholderName(bool main);
    // The name texts give the character: its own; while it has none (its name emptied, by damage or
    // otherwise), the name a new story gives its role for the Main or Impact Character, and
    // kUnnamedCharacter for any other; never the empty text.
    static std::string ShownName(const CharInfoRec& character);
    static constexpr const char* kUnnamedCharacter = "an unnamed character";

    // The next custom picture id comes from the story document (an id below the custom ones gives
    // 32769); ScanCustomPictures sets it past the custom pictures the story file holds.
    CharacterManager(IStoryDocument& document, std::uint16_t nextCustomPictureId);
    ~CharacterManager() override;

    // Reads every 'CHAR' record of the story file; a story left without a character gets "the Main
    // Character" and "the {NObst} Character" with the default gender of the general preferences
    // (either record may be null). A character whose record is damaged in the file keeps what reads
    // whole of it (StoryRecords.h); one of whose record nothing reads is removed from the file with
    // the relationships the others keep with it, for the story's open to tell (GetLostRecords,
    // GetLostRelationships). A record the map lists a bit off its number goes back to it
    // (GetRenumberedRecords). Any other failure to read a record leaves the file alone and is
    // answered, so the story does not open with characters missing. The
    // information record's "StartCNum", when present, sets the number of the next default name;
    // the number in force is written back there. Then the characteristic notes are read.
    ErrCode LoadCharacters(PText* infoRecord, PText* generalPreferences);
    // The records of which the last LoadCharacters could read nothing: the characters it removed
    // for them, and the characteristic notes, which begin anew.
    const std::vector<PFMSegmentKey>& GetLostRecords() const { return lostRecords_; }
    // The records the last LoadCharacters read under another number than the file's map listed them
    // under, by the keys they are read under now. One bit of a character's number changed in the
    // map leaves the one number the other characters' relationships name held by no record: the
    // record a bit from it that alone could be that character's goes back there, so that the
    // character keeps its relationships and its place in the cast. A story written whole never
    // holds a relationship with a number no character has (deleting a character removes them, and
    // so does the open that removes a character it could not read), so none of its records moves.
    const std::vector<PFMSegmentKey>& GetRenumberedRecords() const { return renumbered_; }
    // The characters the last LoadCharacters removed as nothing of their records could be read
    // (GetLostRecords) that other characters kept relationships with: those went with them, as
    // when a character is deleted, so that no relationship names a character the story lacks.
    const std::vector<CharID>& GetLostRelationships() const { return lostRelationships_; }
    // The roles (kMainRole, kImpactRole) that no character the last LoadCharacters could read held
    // after the damage, and that a new character took as in a new story.
    const std::vector<std::int16_t>& GetRolesGivenToNewCharacters() const { return rolesGivenToNew_; }
    // Saves every open character record and the characteristic notes (an absent note leaves no key
    // behind) into their segments, and the next default name's number into the information
    // record; to run before the story file is written. 0 or the first error.
    ErrCode SaveCharacters();

    std::uint16_t GetCount() const { return static_cast<std::uint16_t>(characters_.size()); }
    bool HasCharacter(CharID id) const { return Find(id) != nullptr; }
    // The position of the character, or the count when there is none with that id.
    std::int32_t IndexOf(CharID id) const;
    CharID IdAt(std::int32_t position) const;
    // The character at the position, its record not opened; null for no character.
    CharInfoRec* RecordAt(std::int32_t position) const;
    // The character with its record opened; null when there is none with that id.
    CharInfoRec* GetCharacter(CharID id);
    void OpenRecord(std::int32_t position);

    CharID GetMainCharacter() const { return IdAt(mainIndex_); }
    CharID GetImpactCharacter() const { return IdAt(impactIndex_); }
    std::int32_t GetMainIndex() const { return mainIndex_; }
    std::int32_t GetImpactIndex() const { return impactIndex_; }
    // The highest id in use; kNoCharID while there is none.
    CharID GetLastCharacterID() const { return lastId_; }

    // A new character with the next id (a null name takes the next default name); one event
    // announces it unless quiet, in which case the character's update stays open for the caller
    // to end. kNoCharID when every id is taken.
    CharID CreateCharacter(const char* name, std::uint16_t sex, std::uint16_t form, std::uint16_t picture,
                           std::int16_t role, bool quiet);
    // "Character #n" with the next default name's number.
    void MakeDefaultName(char* buffer, std::uint32_t size) const;
    void IncrementNameNumber() { ++nameNumber_; }
    std::uint16_t GetNameNumber() const { return nameNumber_; }

    // Removes the character, its record and every relationship with it.
    void DeleteCharacter(CharID id, bool notify);
    // Refuses (with a message) to delete the Main or impact character, else asks; true to go on.
    bool ConfirmDeleteCharacter(CharID id);
    // Whether the character may take the role: asks before the Main or impact role leaves a
    // character the writer has worked on, refuses (with a message) to take a needed role away.
    // A null name stands for the character's own.
    bool ConfirmSubjectiveRole(CharID id, std::int16_t role, const char* name = nullptr);

    // Gives the character at the position the Main (1) or impact (2) role. The previous holder
    // gives it up, and is deleted when it is still an untouched placeholder of a new story; when
    // the new holder held the other role, the two swap roles instead.
    void AssignRole(std::int16_t role, std::int32_t position);
    void AssignRoleById(std::int16_t role, CharID id) { AssignRole(role, IndexOf(id)); }
    // With accept set, true. Otherwise true when exactly one character is Main and one impact, at
    // the positions recorded, and they are not the same.
    bool ValidateSubjectiveRoles(bool accept) const;
    // Takes every role away, then makes the first character Main and the second the impact one.
    void ResetSubjectiveRoles();
    // Finds the Main and impact characters' positions again (the last holder wins; -1 for none).
    void RecomputeRoleIndexes();

    // Empties the storytelling texts of every character and every relationship text.
    void ClearStorytellingTexts();
    // Every name in list order, separated by line feeds, each written only while it fits whole.
    void GetCharacterNames(char* buffer, std::uint32_t size) const;
    // "No one", then "\n-\n" and the names of the other characters that have no relationship with
    // the character, separated by line feeds; each piece written only while it fits whole.
    void GetUnrelatedNames(CharID id, char* buffer, std::uint32_t size);
    // Every relationship of the story from one pass over the texts the characters keep: for each
    // position, the positions of the other characters it has a relationship with (as
    // HasRelationship answers for the two), in list order. Opens every character's record.
    std::vector<std::vector<std::int32_t>> RelatedPositions();

    // Posts a character event naming the character.
    void NotifyCharacter(CharID id);
    void MarkDocumentChanged();
    // "DefGender" of the general preferences, within 0 to 2; 0 when absent or negative.
    std::int16_t GetDefaultGender() const;
    static std::string FormatNumber(std::int16_t value);

    IStoryDocument& GetDocument() const { return document_; }
    std::uint16_t GetNextCustomPictureID() const { return nextCustomPictureId_; }

    // --- characteristics and archetypes

    // The element ids (85-148) the character holds in dimension 0-3 (Motivation, Methodology,
    // Evaluation, Purpose); empty for no character or dimension.
    std::vector<std::int16_t> GetCharacteristics(CharID id, int dimension);
    std::vector<std::int16_t> GetCharacteristicsAt(std::int32_t position, int dimension);
    // Replaces the dimension's list; when the stored list changed, the archetype is recomputed and
    // the characteristic listeners hear of it.
    void SetCharacteristics(CharID id, int dimension, std::span<const std::int16_t> elements);
    void SetCharacteristicsAt(std::int32_t position, int dimension, std::span<const std::int16_t> elements);
    // For each wanted element that another character holds in the dimension, asks whether to take
    // it from that character (unless the answer holder already holds an answer for all); Yes and
    // Yes All take it away from the holder, any other answer refuses it. The accepted elements are
    // the wanted ones in order without the refused; true when any was refused. One answer holder
    // (kAskAgain before the first question) serves all the questions of one operation.
    bool ConfirmCharacteristicConflicts(std::int32_t position, int dimension,
                                        std::span<const std::int16_t> wanted,
                                        std::vector<std::int16_t>& accepted, std::int32_t& answer);
    void RemoveCharacteristic(std::int32_t position, int dimension, std::int16_t element);
    // The character holding the element in the dimension; kNoCharID for none.
    CharID FindCharacterWithCharacteristic(std::int16_t element, int dimension);
    // Gives the character the archetype's characteristics (0 clears all four dimensions), asking
    // about conflicts with one answer holder; the characteristic listeners hear once.
    void ApplyArchetype(CharID id, std::int16_t archetype);
    // The archetype that the character's characteristics make: 0 with none, the archetype whose
    // eight elements they are exactly, else 2 (complex). Stored without a character event.
    void RecomputeArchetype(CharID id);
    BracketedBroadcasterNULLEvt& GetCharacteristicBroadcaster() { return characteristics_; }

    // --- characteristic notes

    bool HasCharacteristicNote(int n) const;
    void GetCharacteristicNote(int n, char* buffer, std::uint32_t size) const;
    // The whole note; empty when there is none.
    std::string GetCharacteristicNote(int n) const;
    // A null text removes the note.
    void SetCharacteristicNote(int n, const char* text);

    // --- character pictures

    // Refills the picture ids: the stock pictures of the application's picture file, then the
    // custom pictures of the story file, each in ascending order. When the story file holds a custom
    // picture, the next custom picture id becomes one past the largest of them.
    void ScanCustomPictures();
    const std::vector<std::uint16_t>& GetPictureIDs() const { return pictureIds_; }
    // Stores the picture, brought to 32 x 32 pixels, in the story file as a new custom picture with an
    // id no picture of the story file holds; answers the id. None (and no id used up) for a picture
    // without pixels, when every custom id is taken or when the story file refuses it.
    std::optional<std::uint16_t> AddCustomPicture(const PictRecord& source);
    // The picture with the id, from the application's picture file for a stock id and from the story
    // file for a custom one. A picture that is missing or smaller than 2 x 2 gives the default
    // picture ('BITM' 19999, looked for from the story file up through the stores it was opened
    // under); null when that cannot be read either.
    std::unique_ptr<PictRecord> LoadPicture(std::uint16_t id);
    static void ReleasePicture(std::unique_ptr<PictRecord> picture);
    // Removes the custom picture from the story file. The characters that showed it show picture 0,
    // and the listeners hear of them and of the pictures in one event that also names no character
    // (kNoCharID). Nothing for an id the story file does not hold.
    void DeleteCustomPicture(std::uint16_t id);
    // Offers to remove the custom pictures of the story file that no character shows; beeps when
    // there is none.
    void RemoveUnusedCustomPictures();

    // The id whose decimal digits start the text (after blanks); kNoCharID when none do.
    static CharID ParseCharacterID(const char* text);

private:
    friend class CharInfoRec;

    // The information record's key of the next default name's number.
    static constexpr const char* kNameNumberKey = "StartCNum";

    CharInfoRec* Find(CharID id) const;
    // The list's order changed: positions are looked up again from it when next asked for.
    void Reordered() { positionsStale_ = true; }
    // Each character's position by id, from the list.
    void IndexPositions() const;
    void OpenRecordOf(CharInfoRec& character);
    // Whether the story file holds a record for the id.
    bool HasStoredRecord(CharID id) const;
    // The first id after the last one made that no character has and whose record the story file
    // does not hold; past the highest a character can have (the one below kNoCharID), the ids from
    // 0 on. kNoCharID once every id is taken.
    CharID FreeIdAfterLast() const;
    // Inserts at its sorted place after equal names; answers the position.
    std::int32_t Insert(std::unique_ptr<CharInfoRec> character);
    // Sorts the list again after a rename.
    void Resort();
    // Whether the character is still exactly as a new story made it for the role.
    bool IsPlaceholder(CharID id, std::int16_t role);
    // Loads one listed record, noting the character when the damage took its role and adding the
    // relationships it keeps to those given; false with the error when the load must stop.
    bool LoadCharacter(CharID id, ErrCode& error, std::vector<CharID>& lostRoles,
                       std::vector<KeptRelationship>& relationships);
    // Moves the record of a character whose number the map gave one bit off back to the number the
    // relationships name (GetRenumberedRecords) and reads it there, given the numbers the map
    // lists and the relationships the records read keep.
    void TakeBackRenumbered(std::vector<CharID> listed, std::vector<KeptRelationship>& relationships,
                            ErrCode& error, std::vector<CharID>& lostRoles);
    // Takes the relationships the characters read keep with a character whose record could not be
    // read out of their records, as deleting the character would (GetLostRelationships).
    void LeaveOutRelationshipsWithLost(const std::vector<KeptRelationship>& relationships);
    // A story is never without its Main and impact characters. After the load, the one character
    // whose role the damage took gets back the Main or the impact role when the story lacks that
    // one alone; the others whose role it took hold none. A role nobody holds then in a story left
    // without characters, or that lost a character or a role, goes to a placeholder as in a new
    // story.
    void KeepRolesHeld(const std::vector<CharID>& lostRoles, PText* generalPreferences);
    void CreatePlaceholders(PText* generalPreferences, bool main = true, bool impact = true);
    // Reads the characteristic notes; 0 also for a story without notes.
    ErrCode LoadNotes();
    ErrCode SaveNotes();
    // The ids of the character pictures a store holds (no chain search) on the stock or custom side.
    static std::vector<std::uint16_t> StoredPictureIDs(PFMFile* store, bool custom);
    // Saves the record; marks the story changed when that wrote it. 0 or the record's error.
    ErrCode SaveRecord(PText& record);
    // Expands the template for this story.
    std::string Expand(const char* text);

    IStoryDocument& document_;
    std::vector<std::unique_ptr<CharInfoRec>> characters_;
    // The position of each id in the list (-1 for none), kept up by IndexPositions.
    mutable std::vector<std::int32_t> positions_;
    mutable bool positionsStale_ = true;
    std::int32_t mainIndex_ = -1;
    std::int32_t impactIndex_ = -1;
    CharID lastId_ = kNoCharID;
    std::vector<PFMSegmentKey> lostRecords_;
    std::vector<PFMSegmentKey> renumbered_;
    std::vector<CharID> lostRelationships_;
    std::vector<std::int16_t> rolesGivenToNew_;
    std::uint16_t nextCustomPictureId_;
    std::vector<std::uint16_t> pictureIds_;
    std::unique_ptr<PText> noteRecord_;
    std::array<std::optional<std::string>, kNoteCount> notes_;
    BracketedBroadcasterNULLEvt characteristics_;
    std::uint16_t nameNumber_ = 1;
};
