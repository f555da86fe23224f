// Copies of the example stories with one byte of a keyed record damaged, made the same way for every
// record at its first, second, middle, next-to-last and last entry, in each way the stored text
// shows: a type letter made no type or another type of value, a length digit made '#' or its last
// one larger, the colon or the entry's backslash made '#', NUL or a space, the record's closing
// backslash made '#', a key's first byte made NUL, a text's last byte made a backslash or a middle
// byte NUL, a number's digit made 'x' or its first digit '0', the record cut short inside the entry's
// header or after its value given with its length, its closing NUL gone. Read alone, the record notes
// its damage and keeps every other entry as written; a story opened from such a copy says so in one
// message naming the record, and saved elsewhere keeps every other entry too.

#include <gmock/gmock.h>

#include <filesystem>
#include <set>

#include "StoryAppFixture.h"
#include "storymodel/CharacterFiles.h"

namespace apptest {
namespace {

using ::testing::HasSubstr;

// One entry of a record text as every write puts it down.
struct WrittenEntry {
    std::size_t at, typeAt, colon, end;  // its backslash, type letter, colon, and the backslash after it
    std::string key, value;
    char type;
    bool lengthed;
};

std::vector<WrittenEntry> WrittenEntries(const std::string& text) {
    std::vector<WrittenEntry> entries;
    for (std::size_t at = 0; at + 1 < text.size() && text[at + 1] != '\0';) {
        WrittenEntry e{at, 0, text.find(':', at), 0, {}, {}, 0, false};
        for (e.typeAt = e.colon - 1; std::isdigit(static_cast<unsigned char>(text[e.typeAt]));) --e.typeAt;
        e.type = text[e.typeAt];
        e.key = text.substr(at + 1, e.typeAt - at - 1);
        e.lengthed = e.typeAt + 1 < e.colon;
        e.end = e.lengthed ? e.colon + 1 + std::stoul(text.substr(e.typeAt + 1, e.colon - e.typeAt - 1))
                           : text.find('\\', e.colon);
        e.value = text.substr(e.colon + 1, e.end - e.colon - 1);
        entries.push_back(e);
        at = e.end;
    }
    return entries;
}

// A damaged copy of a record; the entries from `first` to `last` may be lost, or when `shortened`,
// the last of them stays without its text's last byte.
struct DamagedCopy {
    std::string what, text;
    std::size_t first, last;
    bool shortened;
};

// The damages of entry k that the stored text shows. A number held as a text is told where the open
// reads it as a number (`typed`).
std::vector<DamagedCopy> DamagesAt(const std::string& text, const std::vector<WrittenEntry>& entries,
                                   std::size_t k, bool typed) {
    const WrittenEntry& e = entries[k];
    std::vector<DamagedCopy> made;
    const auto put = [&](const char* what, std::size_t at, char byte, std::size_t first) {
        std::string damaged = text;
        damaged[at] = byte;
        made.push_back({what, damaged, first, k, byte == '\\'});
    };
    const bool number = e.type != 'c';
    put("type letter made no type", e.typeAt, '#', k);
    const std::size_t digits = e.value.starts_with('-') ? 1 : 0;
    if (!number &&
        (e.value.size() == digits || e.value.find_first_not_of("0123456789", digits) != std::string::npos))
        put("text typed as a number", e.typeAt, 's', k);
    if (number && typed) put("number typed as a text", e.typeAt, 'c', k);
    if (e.lengthed) put("length digit made '#'", e.typeAt + 1, '#', k);
    // Its last digit made one larger, the value takes in the backslash after it.
    if (e.lengthed && text[e.colon - 1] != '9')
        put("length's last digit made one larger", e.colon - 1, static_cast<char>(text[e.colon - 1] + 1), k);
    put("colon made '#'", e.colon, '#', k);
    put("key's first byte made NUL", e.at + 1, '\0', k);
    // After a value given with its length, the damaged backslash is put back. After one without, the
    // entry reads on as part of it: after a number, it is parted from it again; after a text, the
    // two read as one text, as nothing tells that from a writer's own words, and the damage is the
    // format's limit, not made here.
    const bool afterShortText = k > 0 && !entries[k - 1].lengthed && entries[k - 1].type == 'c';
    if (k > 0) put("backslash made NUL", e.at, '\0', k + 1);
    if (k > 0 && !afterShortText) {
        put("backslash made a space", e.at, ' ', k + 1);
        put("backslash made '#'", e.at, '#', k + 1);
    } else if (k == 0) {
        put("backslash made '#'", e.at, '#', 0);
    }
    if (!number && !e.lengthed && !e.value.empty())
        put("text's last byte made a backslash", e.end - 1, '\\', k);
    if (!number && e.lengthed && !e.value.empty())
        put("text's middle byte made NUL", e.colon + 1 + e.value.size() / 2, '\0', k);
    if (number) put("number's digit made 'x'", e.colon + 1 + digits, 'x', k);
    // No write puts down a leading zero or "-0", nor a floating number without its decimals.
    if (number && (digits == 1 || e.value.size() > 1))
        put("number's first digit made '0'", e.colon + 1 + digits, '0', k);
    if (number && e.type != 'f' && e.type != 'd' && e.type != 'x')
        put("whole number typed as a floating one", e.typeAt, 'f', k);
    made.push_back(
        {"cut short in the header", text.substr(0, (e.at + 1 + e.colon) / 2), k, entries.size(), false});
    if (e.lengthed)
        made.push_back({"cut short after a value given with its length", text.substr(0, e.end), k + 1,
                        entries.size(), false});
    if (k + 1 == entries.size()) {
        made.push_back({"closing NUL gone", text.substr(0, text.size() - 1), k + 1, k, false});
        // A byte no number is written with stands in its place; lost beside a value's last byte, the
        // byte is the value's own.
        if (number) put("closing backslash made '#'", text.size() - 2, '#', k + 1);
        made.push_back({"closing backslash lost", text.substr(0, text.size() - 2) + '\0', k + 1, k, false});
    }
    return made;
}

// The written value of the entry as the damage left it; none when it may be lost.
std::optional<std::string> Spared(const std::vector<WrittenEntry>& entries, const DamagedCopy& damage,
                                  std::size_t i) {
    if (damage.shortened && i == damage.last) return entries[i].value.substr(0, entries[i].value.size() - 1);
    if (i >= damage.first && i <= damage.last) return std::nullopt;
    return entries[i].value;
}

// Every entry the damage spared is in the text read, with its type and value as written.
void ExpectSpared(const std::vector<WrittenEntry>& whole, const DamagedCopy& damage,
                  const std::string& text) {
    KeyedText read;
    read.Parse(text.data(), text.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const std::optional<std::string> value = Spared(whole, damage, i);
        std::int32_t cursor = read.IndexOf(whole[i].key) - 1;
        PTextEntry entry;
        if (!value || read.NextEntry(cursor, entry) != kNoErr || entry.key != whole[i].key) {
            EXPECT_FALSE(value) << whole[i].key << " lost";
            continue;
        }
        EXPECT_EQ(entry.type, static_cast<unsigned char>(whole[i].type)) << whole[i].key;
        EXPECT_EQ(text.substr(entry.valueOffset, entry.textSize - (entry.type == 'c')), *value)
            << whole[i].key;
    }
}

// The first, second, middle, next-to-last and last entries.
std::set<std::size_t> Chosen(std::size_t count) {
    std::set<std::size_t> chosen;
    for (const std::size_t k : {std::size_t{0}, std::size_t{1}, count / 2, count - 2, count - 1})
        if (k < count) chosen.insert(k);
    return chosen;
}

// Whether the damage leaves every entry to be read, its damaged byte put back, so that the record is
// mended whole. A record whose closing NUL is gone may have been cut short.
bool LeavesEveryEntry(const DamagedCopy& damage) {
    return damage.first > damage.last && !damage.shortened && !damage.what.starts_with("closing NUL");
}

// How the open's message names the record, from what the damage left of it: a character by its
// name, else its role (which goes back to it when the damage took it), else its record's number; a
// scene by its place (which goes back to it when the damage took it) and title; the others by what
// they hold.
std::string NameInMessage(std::pair<FourCC, std::uint16_t> record, const std::vector<WrittenEntry>& entries,
                          const DamagedCopy& damage) {
    std::map<std::string, std::optional<std::string>> left, written;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        left[entries[i].key] = Spared(entries, damage, i);
        written[entries[i].key] = entries[i].value;
    }
    if (record.first == FourCCOf("CHAR")) {
        const bool removed = damage.first == 0 && damage.last + 1 >= entries.size() && !damage.shortened;
        if (!left["NM"].value_or("").empty()) return "the character \"" + left["NM"]->substr(0, 31) + "\"";
        if (!removed && written["Subj"] == "1") return "the Main Character";
        if (!removed && written["Subj"] == "2") return "the Impact Character";
        return "the character numbered " + std::to_string(record.second);
    }
    if (record.first == FourCCOf("SCNL")) {
        const auto& title = left["SCNTITLE" + std::to_string(record.second)];
        return "the scene \"Scene #" + std::to_string(std::stoi(written["SCORDER"].value()) + 1) +
               (title.value_or("").empty() ? "" : " - " + *title) + "\"";
    }
    if (record.first == FourCCOf("RESP"))
        return damage.what.starts_with("number typed") ? "chosen for" : "the storyform choices";
    return std::map<FourCC, const char*>{{FourCCOf("SDI4"), "the story's information"},
                                         {FourCCOf("STEL"), "the storytelling"},
                                         {FourCCOf("FCAP"), " in force"},
                                         {FourCCOf("QST3"), "which questions of the query system"},
                                         {FourCCOf("LOCK"), "the storyform locks"},
                                         {FourCCOf("CILL"), "the characteristic notes"}}
        .at(record.first);
}

bool IsKeyedRecord(FourCC type) { return type != FourCCOf("CPIX"); }

using DamagedExamples = StoryAppTest;

TEST_F(DamagedExamples, EveryRecordOfEveryExampleNotesItsDamageAndKeepsTheOtherEntries) {
    std::size_t copies = 0;
    for (const auto& file : std::filesystem::directory_iterator(builtFolder + "/examples")) {
        for (const auto& [key, text] : SegmentsOnDisk(file.path().string())) {
            if (!IsKeyedRecord(key.first)) continue;
            const std::vector<WrittenEntry> entries = WrittenEntries(text);
            for (const std::size_t k : Chosen(entries.size())) {
                for (const DamagedCopy& damage : DamagesAt(text, entries, k, false)) {
                    SCOPED_TRACE(file.path().stem().string() + " " + SegmentName(key) + " " + entries[k].key +
                                 ": " + damage.what);
                    KeyedText read;
                    read.Parse(damage.text.data(), damage.text.size());
                    EXPECT_TRUE(read.DamagedAt());
                    // Mended whole, it holds every entry as written.
                    EXPECT_TRUE(read.IsMendedWhole() || !LeavesEveryEntry(damage));
                    DamagedCopy spared = damage;
                    if (read.IsMendedWhole()) spared = {damage.what, damage.text, entries.size(), 0, false};
                    ExpectSpared(entries, spared, damage.text);
                    ++copies;
                }
            }
        }
    }
    EXPECT_GT(copies, 3000u);
}

// Romeo and Juliet with four storyform locks and three characteristic notes, each keyed record
// damaged (the Main Character's, the Nurse's and the sixth scene's for the characters and scenes),
// one record to a case: the story opens saying in one message what was damaged, by name, and whether
// anything was left out; saved elsewhere and opened again, without a word, it keeps every entry the
// damage spared.
class DamagedRecordOfAStory : public StoryAppTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(DamagedRecordOfAStory, NamesTheRecordAndSavesWhatWasSpared) {
    std::filesystem::copy_file(builtFolder + "/examples/Romeo and Juliet.fsf", Path("whole.fsf"));
    FKDoc* made = OpenStory("whole.fsf");
    ASSERT_NE(made, nullptr);
    for (const char* code : {"Resolve", "Direction", "Approach", "Limit"})
        made->GetLockRecord()->SetNumberByName(code, 's', 1);
    for (const int note : {1, 2, 3})
        made->GetCharacterManager()->SetCharacteristicNote(note, ("note " + std::to_string(note)).c_str());
    std::int16_t cancelled = 0;
    ASSERT_EQ(made->Save(&cancelled), kNoErr);
    application->CloseAll(true);
    const StoreSegments whole = SegmentsOnDisk(Path("whole.fsf"));
    std::vector<std::pair<FourCC, std::uint16_t>> records;
    for (const auto& [key, text] : whole) {
        const bool chosen = key.first == FourCCOf("CHAR")   ? key.second == 2 || key.second == 5
                            : key.first == FourCCOf("SCNL") ? key.second == 6
                                                            : IsKeyedRecord(key.first);
        if (chosen) records.push_back(key);
    }
    ASSERT_EQ(records.size(), 10u);

    const auto record = records.at(GetParam());
    const std::vector<WrittenEntry> entries = WrittenEntries(whole.at(record));
    for (const std::size_t k : Chosen(entries.size())) {
        for (DamagedCopy& damage : DamagesAt(whole.at(record), entries, k, true)) {
            SCOPED_TRACE(SegmentName(record) + " " + entries[k].key + ": " + damage.what);
            StoreSegments damaged = whole;
            damaged[record] = damage.text;
            ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", damaged));
            Mark();
            FKDoc* story = OpenStory("damaged.fsf");
            ASSERT_NE(story, nullptr);
            // Mended whole where the record read alone is.
            KeyedText read;
            read.Parse(damage.text.data(), damage.text.size());
            EXPECT_THAT(Asked(), testing::ElementsAre(
                                     testing::AllOf(HasSubstr(NameInMessage(record, entries, damage)),
                                                    HasSubstr(read.IsMendedWhole() || LeavesEveryEntry(damage)
                                                                  ? "was left out. Saving"
                                                                  : "was left out:"))));
            std::filesystem::remove(Path("saved.fsf"));
            Choose("saved.fsf");
            EXPECT_EQ(story->SaveAs(nullptr), kNoErr);
            story->SetClean();
            application->CloseAll(true);
            Mark();
            FKDoc* again = OpenStory("saved.fsf");
            ASSERT_NE(again, nullptr);
            EXPECT_THAT(Asked(), testing::IsEmpty()) << "the saved copy opened with a message";
            again->SetClean();
            application->CloseAll(true);
            const StoreSegments saved = SegmentsOnDisk(Path("saved.fsf"));
            const auto found = saved.find(record);
            // A shortened text may be written back as the program keeps it.
            damage.shortened = false;
            ExpectSpared(entries, damage, found != saved.end() ? found->second : std::string("\\\0", 2));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Romeo, DamagedRecordOfAStory, ::testing::Range<std::size_t>(0, 10));

// The record as the program wrote it before texts that read as holding a header were given their
// length: every text of at most the inline limit without a backslash is written without it.
std::string InOlderShape(const std::string& text) {
    std::string older;
    for (const WrittenEntry& e : WrittenEntries(text)) {
        const bool inline_ = e.type == 'c' && e.value.size() <= kPTextInlineLimit &&
                             e.value.find('\\') == std::string::npos;
        older += text.substr(e.at, (inline_ ? e.typeAt + 1 : e.colon) - e.at) + ":" + e.value;
    }
    return older + std::string("\\\0", 2);
}

// A story whose texts hold a writer's words that read as an entry's header after a punctuation mark,
// a digit or a dash, written as the program wrote every story before: it opens without a word, every
// text as typed, and saved elsewhere and opened again, the same.
TEST_F(DamagedExamples, AStorySavedInTheOlderShapeReadsEveryTextAsTyped) {
    std::filesystem::copy_file(builtFolder + "/examples/Romeo and Juliet.fsf", Path("typed.fsf"));
    FKDoc* made = OpenStory("typed.fsf");
    ASSERT_NE(made, nullptr);
    made->GetCharacterManager()->SetCharacteristicNote(1, "Brave;Ill 3c:see 3");
    std::int16_t cancelled = 0;
    ASSERT_EQ(made->Save(&cancelled), kNoErr);
    application->CloseAll(true);
    StoreSegments older = SegmentsOnDisk(Path("typed.fsf"));
    // The words, by record and key; a character's background without a description.
    const std::map<std::pair<FourCC, std::uint16_t>, std::map<std::string, std::string>> typed = {
        {{FourCCOf("SDI4"), 0}, {{"MCSynopsis", "She fears it.Magic: none"}, {"Synopsis", "Love wins-Systemic: yes"}}},
        {{FourCCOf("CHAR"), 2},
         {{"BG", "Looks;Desc: tall and pale"},
          {"SWIntro", "Enters at dawn.Skill:10"},
          {"Phys", "Tall,Roles:2"},
          {"Actv", "Sings;Forms:3"}}},
        {{FourCCOf("STEL"), 0}, {{"Limit", "Stop,Limits:2"}}},
        {{FourCCOf("SCNL"), 6}, {{"SCNDESC6", "Snow.SCNTITLE6c: Dawn"}}}};
    for (const auto& [record, texts] : typed) {
        KeyedText text = ReadKeyedRecord(older, record.first, record.second);
        text.Remove("Des");
        for (const auto& [key, value] : texts) ASSERT_GE(text.SetEntry(key, 'c', value.c_str()), 0) << key;
        const std::vector<char>& written = text.Write();
        older[record] = std::string(written.begin(), written.end());
    }
    for (auto& [key, text] : older) {
        if (IsKeyedRecord(key.first)) text = InOlderShape(text);
    }
    ASSERT_NE(older.at({FourCCOf("CILL"), 128}).find("c:Brave;Ill 3c:see 3\\"), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(WriteStore("older.fsf", older));

    for (const char* name : {"older.fsf", "saved.fsf"}) {
        SCOPED_TRACE(name);
        Mark();
        FKDoc* story = OpenStory(name);
        ASSERT_NE(story, nullptr);
        EXPECT_THAT(Asked(), testing::IsEmpty());
        if (std::string(name) == "older.fsf") {
            Choose("saved.fsf");
            EXPECT_EQ(story->SaveAs(nullptr), kNoErr);
        }
        story->SetClean();
        application->CloseAll(true);
    }
    const StoreSegments saved = SegmentsOnDisk(Path("saved.fsf"));
    const auto textIn = [&saved](std::pair<FourCC, std::uint16_t> record, const std::string& key) {
        KeyedText text = ReadKeyedRecord(saved, record.first, record.second);
        EXPECT_FALSE(text.DamagedAt()) << SegmentName(record);
        char value[128] = "(none)";
        text.GetEntry(key, 'c', value, sizeof value);
        return std::string(value);
    };
    for (const auto& [record, texts] : typed)
        for (const auto& [key, value] : texts) EXPECT_EQ(textIn(record, key), value) << key;
    EXPECT_EQ(textIn({FourCCOf("CILL"), 128}, "Ill 1"), "Brave;Ill 3c:see 3");

    // The character exported to a file written in that shape comes into a story the same.
    FKDoc* story = OpenStory("saved.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_TRUE(ExportCharacterFile(FileRef(Path("typed.fcf").c_str(), kAccessCreate), 2, *story));
    StoreSegments file = SegmentsOnDisk(Path("typed.fcf"));
    for (auto& [key, text] : file)
        if (IsKeyedRecord(key.first)) text = InOlderShape(text);
    ASSERT_NE(file.at({FourCCOf("FCHI"), 0}).find("c:Looks;Desc: tall and pale\\"), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(WriteStore("older.fcf", file));
    Mark();
    ASSERT_EQ(application->OpenDocument(FileRef(Path("older.fcf").c_str(), kAccessReadWrite), false), kNoErr);
    EXPECT_THAT(Asked(), testing::ElementsAre(HasSubstr("was imported")));
    CharacterManager& cast = *story->GetCharacterManager();
    CharInfoRec& imported = *cast.GetCharacter(cast.GetLastCharacterID());
    // A character file holds no introduction.
    for (const auto& [key, value] : typed.at({FourCCOf("CHAR"), 2}))
        EXPECT_EQ(imported.GetText(key), key == "SWIntro" ? "" : value) << key;
    story->SetClean();
}

}  // namespace
}  // namespace apptest
