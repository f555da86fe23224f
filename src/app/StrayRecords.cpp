#include "app/StrayRecords.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>
#include <optional>
#include <string_view>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PTextTypes.h"
#include "foundation/pfm/PTextValue.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/Scene.h"
#include "storymodel/StoryRecords.h"

namespace {

// The records a story holds once, each under its one number: the story's information, the
// storyform's choices and values in force, the storytelling, the locks, the query system's answers
// and the characteristic notes.
constexpr PFMSegmentKey kMainRecord = {FourCCOf("SDI4"), 0};
constexpr PFMSegmentKey kQuestionRecord = {FourCCOf("QST3"), 0};
constexpr std::array<PFMSegmentKey, 7> kSingleRecords = {{kMainRecord,
                                                          {FourCCOf("RESP"), 0},
                                                          {FourCCOf("FCAP"), 0},
                                                          {FourCCOf("STEL"), 0},
                                                          {FourCCOf("LOCK"), 0},
                                                          kQuestionRecord,
                                                          {FourCCOf("CILL"), 128}}};
// The records a story holds several of, numbered from the least number each is given: scenes,
// characters and the characters' own pictures.
constexpr FourCC kScene = FourCCOf("SCNL");
constexpr FourCC kCharacter = FourCCOf("CHAR");
constexpr std::array<PFMSegmentKey, 3> kNumberedRecords = {
    {{kScene, 1}, {kCharacter, 0}, {FourCCOf("CPIX"), 0x8000}}};
// The question states of the older story files, binary: they never hold a keyed text.
constexpr std::array<FourCC, 2> kOlderQuestionRecords = {FourCCOf("QSTS"), FourCCOf("QSTs")};
// The main records of the older story files, and the types of the newer ones this version refuses.
constexpr std::array<FourCC, 7> kOtherMainRecords = {FourCCOf("SDI3"), FourCCOf("SDOC"), FourCCOf("SDI5"),
                                                     FourCCOf("SDI6"), FourCCOf("SDI7"), FourCCOf("SDI8"),
                                                     FourCCOf("SDI9")};

template <std::size_t N>
bool Holds(const std::array<FourCC, N>& types, FourCC type) {
    return std::ranges::find(types, type) != types.end();
}

bool IsStoryType(FourCC type) {
    const auto is = [type](const PFMSegmentKey& key) { return key.type == type; };
    return std::ranges::any_of(kSingleRecords, is) || std::ranges::any_of(kNumberedRecords, is) ||
           Holds(kOlderQuestionRecords, type) || Holds(kOtherMainRecords, type);
}

int DifferingBytes(FourCC one, FourCC other) {
    int differing = 0;
    for (int shift = 0; shift < 32; shift += 8)
        differing += ((one >> shift) & 0xFF) != ((other >> shift) & 0xFF);
    return differing;
}

// The key a record listed under a type the program never writes was written with: the one story
// record a byte from its type whose key is free, the record's number being its own (a record held
// once has its one number; a numbered one, one from its least on). None when no key or several fit.
std::optional<PFMSegmentKey> OwnKeyOf(PFMSegmentKey listed) {
    std::optional<PFMSegmentKey> found;
    int fitting = 0;
    const auto consider = [&](PFMSegmentKey own) {
        if (DifferingBytes(listed.type, own.type) != 1 || PFMSegmentExists(own.type, own.id)) return;
        found = own;
        ++fitting;
    };
    for (const PFMSegmentKey& single : kSingleRecords)
        if (listed.id == single.id) consider(single);
    for (const PFMSegmentKey& numbered : kNumberedRecords)
        if (listed.id >= numbered.id) consider({numbered.type, listed.id});
    return fitting == 1 ? found : std::nullopt;
}

std::vector<std::uint16_t> IdsOf(FourCC type) {
    SList ids;
    PFMGetSegmentIds(type, ids);
    std::vector<std::uint16_t> listed;
    for (std::int32_t i = 0; i < ids.Count(); ++i) listed.push_back(static_cast<std::uint16_t>(ids.GetAt(i)));
    return listed;
}

// The record's keyed text as read from the current store; none when no entry of it reads.
std::optional<KeyedText> KeyedTextOf(PFMSegmentKey key) {
    if (!PFMIsRawSegment(key.type, key.id)) return std::nullopt;
    void* data = PFMCheckOut(key.type, key.id);
    if (!data) return std::nullopt;
    // What reads whole of a damaged one counts too.
    KeyedText text;
    text.Parse(static_cast<const char*>(data), MemSize(data));
    PFMCheckIn(data);
    if (text.Count() == 0) return std::nullopt;
    return text;
}

// The number a scene's record names in the keys of its texts ("SCNTITLE7"), when they all name
// one, as the scene reads it (Scene::NamedNumber).
std::optional<std::uint16_t> NumberTheSceneNames(const KeyedText& record) {
    std::optional<std::uint16_t> named;
    std::int32_t cursor = 0;
    PTextEntry entry;
    for (std::int32_t found = record.FirstEntry(cursor, entry); found >= 0;
         found = record.NextEntry(cursor, entry)) {
        const std::optional<std::int16_t> number = Scene::NumberInKey(entry.key);
        if (number && named && *named != *number) return std::nullopt;
        if (number) named = static_cast<std::uint16_t>(*number);
    }
    return named;
}

// A number no character has, after the last one's (the first free one from 0 past the highest).
std::optional<std::uint16_t> FreeCharacterNumber() {
    const std::vector<std::uint16_t> ids = IdsOf(kCharacter);
    const std::uint16_t last = ids.empty() ? 0 : *std::ranges::max_element(ids);
    if (!ids.empty() && last < 0xFFFE) return static_cast<std::uint16_t>(last + 1);
    for (std::uint32_t id = 0; id < 0xFFFF; ++id)
        if (std::ranges::find(ids, id) == ids.end()) return static_cast<std::uint16_t>(id);
    return std::nullopt;
}

// The numbers of the characters the record has relationships with (CharInfoRec::RelationshipKey);
// a record never has one with its own character.
std::vector<std::uint16_t> RelatedNumbers(const KeyedText& record) {
    constexpr std::string_view kRelationshipStem = CharacterKey::kRelationshipStem;
    std::vector<std::uint16_t> numbers;
    std::int32_t cursor = 0;
    PTextEntry entry;
    for (std::int32_t found = record.FirstEntry(cursor, entry); found >= 0; found = record.NextEntry(cursor, entry)) {
        std::string_view key(entry.key);
        if (!key.starts_with(kRelationshipStem)) continue;
        key.remove_prefix(kRelationshipStem.size());
        while (key.starts_with(' ')) key.remove_prefix(1);
        std::uint16_t number = 0;
        const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number, 16);
        if (error == std::errc() && end == key.data() + key.size()) numbers.push_back(number);
    }
    return numbers;
}

// The one number the characters' relationships name (those of the records of the store and of the
// one given) that no character's record has: where a character whose number was damaged belongs.
std::optional<std::uint16_t> MissingCharacterNumber(const KeyedText& another) {
    const std::vector<std::uint16_t> ids = IdsOf(kCharacter);
    std::vector<std::uint16_t> missing;
    const auto note = [&](const KeyedText& record) {
        for (const std::uint16_t number : RelatedNumbers(record))
            if (std::ranges::find(ids, number) == ids.end() && std::ranges::find(missing, number) == missing.end())
                missing.push_back(number);
    };
    note(another);
    for (const std::uint16_t id : ids)
        if (const std::optional<KeyedText> record = KeyedTextOf({kCharacter, id})) note(*record);
    return missing.size() == 1 ? std::optional(missing.front()) : std::nullopt;
}

// Reads a second record of a character's key from the file. Of the two records of the key, one
// whose relationships name the key's own number is not that character's: it goes to the number the
// others' relationships name and no record has (else to a number of its own after the others), and
// the other takes the key.
std::optional<StrayRecord> KeepSecondCharacter(const SegmentMapRecord& second, MemBlockPtr block) {
    KeyedText text;
    text.Parse(static_cast<const char*>(block.get()), MemSize(block.get()));
    std::optional<std::uint16_t> id = MissingCharacterNumber(text);
    if (!id) id = FreeCharacterNumber();
    if (!id) return std::nullopt;
    const std::string self = CharInfoRec::RelationshipKey(second.id);
    const std::optional<KeyedText> first = KeyedTextOf({kCharacter, second.id});
    std::uint16_t secondId = *id;
    if (first && first->HasKey(self) && !text.HasKey(self)) {
        if (MoveRecord({kCharacter, second.id}, {kCharacter, *id}) != kNoErr) return std::nullopt;
        secondId = second.id;
    }
    if (PFMAddSegment(kCharacter, secondId, block.get(), 1, false) != kNoErr) return std::nullopt;
    PFMCheckIn(block.release());
    return StrayRecord{{kCharacter, second.id}, {kCharacter, *id}, second.position};
}

// The scene record under the number, when the keys of its texts name another that no record has,
// goes there (as the scenes read it, SceneManager), leaving the number to the record that names it.
void FreeSceneNumber(std::uint16_t id) {
    const std::optional<KeyedText> held = KeyedTextOf({kScene, id});
    const std::optional<std::uint16_t> named = held ? NumberTheSceneNames(*held) : std::nullopt;
    if (named && *named != id && *named >= kNumberedRecords[0].id && !PFMSegmentExists(kScene, *named))
        MoveRecord({kScene, id}, {kScene, *named});
}

// Reads a second record of a scene's or a character's key from the file into a key of its own.
std::optional<StrayRecord> KeepSecondRecord(const SegmentMapRecord& second) {
    if (second.type != kScene && second.type != kCharacter) return std::nullopt;
    MemBlockPtr block(PFMReadLeftOutRecord(nullptr, second));
    if (!block) return std::nullopt;
    if (second.type == kCharacter) return KeepSecondCharacter(second, std::move(block));
    KeyedText text;
    text.Parse(static_cast<const char*>(block.get()), MemSize(block.get()));
    std::optional<std::uint16_t> id = NumberTheSceneNames(text);
    if (id && *id >= kNumberedRecords[0].id) FreeSceneNumber(*id);
    if (id && (*id < kNumberedRecords[0].id || PFMSegmentExists(kScene, *id))) id.reset();
    if (!id || PFMAddSegment(second.type, *id, block.get(), 1, false) != kNoErr) return std::nullopt;
    PFMCheckIn(block.release());
    return StrayRecord{{second.type, second.id}, {second.type, *id}, second.position};
}

}  // namespace

bool HoldsStrayMainRecord() {
    LList types;
    if (PFMGetSegmentTypes(types) != kNoErr) return false;
    for (std::int32_t i = 0; i < types.Count(); ++i) {
        const auto type = static_cast<FourCC>(types.GetAt(i));
        if (IsStoryType(type) || DifferingBytes(type, kMainRecord.type) != 1) continue;
        const std::vector<std::uint16_t> ids = IdsOf(type);
        if (std::ranges::find(ids, kMainRecord.id) == ids.end()) continue;
        const std::optional<PFMSegmentKey> own = OwnKeyOf({type, kMainRecord.id});
        if (own && *own == kMainRecord) return true;
    }
    return false;
}

std::vector<StrayRecord> TakeBackStrayRecords() {
    std::vector<StrayRecord> moved;
    const auto take = [&](PFMSegmentKey from, PFMSegmentKey to) {
        if (PFMSegmentExists(to.type, to.id) || !PFMIsRawSegment(from.type, from.id)) return;
        if (MoveRecord(from, to) == kNoErr) moved.push_back({from, to});
    };
    LList types;
    if (PFMGetSegmentTypes(types) != kNoErr) return moved;
    for (std::int32_t i = 0; i < types.Count(); ++i) {
        const auto type = static_cast<FourCC>(types.GetAt(i));
        if (IsStoryType(type)) continue;
        for (const std::uint16_t id : IdsOf(type))
            if (const std::optional<PFMSegmentKey> own = OwnKeyOf({type, id})) take({type, id}, *own);
    }
    // The answers' record listed as an older question state: those are binary, and never hold the
    // keyed text it holds.
    for (const FourCC older : kOlderQuestionRecords) {
        const std::optional<KeyedText> text = KeyedTextOf({older, 0});
        if (text && text->HasKey(QuestionStatus::kKey)) take({older, 0}, kQuestionRecord);
    }
    for (const PFMSegmentKey& single : kSingleRecords) {
        if (PFMSegmentExists(single.type, single.id)) continue;
        const std::vector<std::uint16_t> ids = IdsOf(single.type);
        if (ids.size() == 1) take({single.type, ids.front()}, single);
    }
    for (const SegmentMapRecord& second : PFMGetLeftOutRecords(nullptr))
        if (const std::optional<StrayRecord> kept = KeepSecondRecord(second)) moved.push_back(*kept);
    return moved;
}
