// Copies of the example stories with one byte of a keyed record damaged, made the same way for every
// record: at its first, second, middle, next-to-last and last entry, each damage the stored text
// shows (a type letter made no type or another type of value, a length digit, the colon or the
// entry's backslash made '#', a text's last byte made a backslash, a number's digit made 'x',
// the record cut short inside the entry's header, the record's closing NUL gone). Read alone, the
// record notes its damage and keeps every other entry as written; a story opened from such a copy
// says so in one message that names the record, and saved elsewhere keeps every other entry too.

#include <gmock/gmock.h>

#include <filesystem>

#include "StoryAppFixture.h"
#include "storymodel/SceneManager.h"

namespace apptest {
namespace {

using ::testing::HasSubstr;

// One entry of a record text as every write puts it down.
struct WrittenEntry {
    std::size_t at = 0;      // its backslash
    std::size_t typeAt = 0;  // its type letter
    std::size_t colon = 0;
    std::size_t end = 0;  // the backslash after its value
    std::string key;
    char type = 0;
    bool lengthed = false;
    std::string value;
};

std::vector<WrittenEntry> WrittenEntries(const std::string& text) {
    std::vector<WrittenEntry> entries;
    for (std::size_t at = 0; at + 1 < text.size() && text[at + 1] != '\0';) {
        WrittenEntry& entry = entries.emplace_back();
        entry.at = at;
        entry.colon = text.find(':', at);
        entry.typeAt = entry.colon - 1;
        while (std::isdigit(static_cast<unsigned char>(text[entry.typeAt]))) --entry.typeAt;
        entry.type = text[entry.typeAt];
        entry.key = text.substr(at + 1, entry.typeAt - at - 1);
        entry.lengthed = entry.typeAt + 1 < entry.colon;
        entry.end = entry.lengthed
                        ? entry.colon + 1 + std::stoul(text.substr(entry.typeAt + 1, entry.colon - entry.typeAt - 1))
                        : text.find('\\', entry.colon);
        entry.value = text.substr(entry.colon + 1, entry.end - entry.colon - 1);
        at = entry.end;
    }
    return entries;
}

bool IsWholeNumber(const std::string& text) {
    const std::size_t digits = text.starts_with('-') ? 1 : 0;
    return text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos;
}

// A damaged copy of a record, and the entries the damage may take: from `first` to `last`; when
// `shortened`, the last of them stays without its value's last byte.
struct DamagedCopy {
    std::string what;
    std::string text;
    std::size_t first = 0;
    std::size_t last = 0;
    bool shortened = false;
};

// The damages of entry k that the stored text shows. A number held as a text is told only where it
// is read as a number: `typed` asks for them.
std::vector<DamagedCopy> DamagesAt(const std::string& text, const std::vector<WrittenEntry>& entries, std::size_t k,
                                   bool typed) {
    const WrittenEntry& entry = entries[k];
    std::vector<DamagedCopy> made;
    const auto put = [&](const char* what, std::size_t at, char byte, std::size_t first) {
        std::string damaged = text;
        damaged[at] = byte;
        made.push_back({what, damaged, first, k, byte == '\\'});
    };
    put("type letter made no type", entry.typeAt, '#', k);
    if (entry.type == 'c' && !IsWholeNumber(entry.value)) put("text typed as a number", entry.typeAt, 's', k);
    if (entry.type != 'c' && typed) put("number typed as a text", entry.typeAt, 'c', k);
    if (entry.lengthed) put("length digit made '#'", entry.typeAt + 1, '#', k);
    put("colon made '#'", entry.colon, '#', k);
    // After a text without its length, the entry's text would run on as a text may.
    if (k == 0 || entries[k - 1].type != 'c' || entries[k - 1].lengthed)
        put("backslash made '#'", entry.at, '#', k == 0 ? 0 : k - 1);
    if (entry.type == 'c' && !entry.lengthed && !entry.value.empty())
        put("text's last byte made a backslash", entry.end - 1, '\\', k);
    if (entry.type != 'c') put("number's digit made 'x'", entry.colon + 1 + (entry.value[0] == '-'), 'x', k);
    made.push_back({"cut short in the header", text.substr(0, (entry.at + 1 + entry.colon) / 2), k, entries.size()});
    if (k + 1 == entries.size()) made.push_back({"closing NUL gone", text.substr(0, text.size() - 1), k + 1, k});
    return made;
}

// The written value of entry i, as the damage left it; none when it may be lost.
std::optional<std::string> SparedValue(const std::vector<WrittenEntry>& entries, const DamagedCopy& damage,
                                       std::size_t i) {
    if (damage.shortened && i == damage.last) return entries[i].value.substr(0, entries[i].value.size() - 1);
    if (i >= damage.first && i <= damage.last) return std::nullopt;
    return entries[i].value;
}

// The entries the damage spares are there as written: key, type and value.
void ExpectSpared(const std::vector<WrittenEntry>& whole, const DamagedCopy& damage, const std::string& text) {
    KeyedText read;
    read.Parse(text.data(), text.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const std::optional<std::string> value = SparedValue(whole, damage, i);
        if (!value) continue;
        const std::int32_t index = read.IndexOf(whole[i].key);
        PTextEntry entry;
        std::int32_t cursor = index - 1;
        if (index < 0 || read.NextEntry(cursor, entry) != kNoErr) {
            ADD_FAILURE() << whole[i].key << " lost";
            continue;
        }
        EXPECT_EQ(entry.type, static_cast<unsigned char>(whole[i].type)) << whole[i].key;
        const std::size_t size = entry.textSize - (entry.type == 'c' ? 1 : 0);
        EXPECT_EQ(text.substr(entry.valueOffset, size), *value) << whole[i].key;
    }
}

// The first, second, middle, next-to-last and last entries.
std::vector<std::size_t> Chosen(std::size_t count) {
    std::vector<std::size_t> chosen{0, 1, count / 2, count - 2, count - 1};
    std::erase_if(chosen, [count](std::size_t k) { return k >= count; });
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    return chosen;
}

bool IsKeyedRecord(FourCC type) { return type != FourCCOf("CPIX"); }

class DamagedExamples : public StoryAppTest {
protected:
    std::string Example(const std::string& name) const { return builtFolder + "/examples/" + name + ".fsf"; }
};

TEST_F(DamagedExamples, EveryRecordOfEveryExampleNotesItsDamageAndKeepsTheOtherEntries) {
    std::size_t copies = 0;
    for (const auto& file : std::filesystem::directory_iterator(builtFolder + "/examples")) {
        for (const auto& [key, text] : SegmentsOnDisk(file.path().string())) {
            if (!IsKeyedRecord(key.first)) continue;
            const std::vector<WrittenEntry> entries = WrittenEntries(text);
            for (const std::size_t k : Chosen(entries.size())) {
                for (const DamagedCopy& damage : DamagesAt(text, entries, k, false)) {
                    SCOPED_TRACE(file.path().stem().string() + " " + SegmentName(key) + " " + entries[k].key + ": " +
                                 damage.what);
                    KeyedText read;
                    read.Parse(damage.text.data(), damage.text.size());
                    EXPECT_TRUE(read.DamagedAt());
                    ExpectSpared(entries, damage, damage.text);
                    ++copies;
                }
            }
        }
    }
    EXPECT_GT(copies, 3000u);
}

// The written value under the key, as the damage left it.
std::optional<std::string> SparedValue(const std::vector<WrittenEntry>& entries, const DamagedCopy& damage,
                                       const std::string& key) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].key == key) return SparedValue(entries, damage, i);
    return std::nullopt;
}

// How the open's message names the record, from what the damage spared of it: a character by its
// name, else its role, else its record's number; a scene by its place and title; the others by what
// they hold.
std::string NameInMessage(std::pair<FourCC, std::uint16_t> record, const std::vector<WrittenEntry>& entries,
                          const DamagedCopy& damage, std::size_t scenes) {
    const auto spared = [&](const std::string& key) { return SparedValue(entries, damage, key); };
    if (record.first == FourCCOf("CHAR")) {
        const auto name = spared("NM");
        const bool removed = damage.first == 0 && damage.last >= entries.size() - 1;
        if (name && !name->empty()) return "the character \"" + name->substr(0, 31) + "\"";
        // A role the damage took goes back to the character whose role the story lacks.
        std::string role;
        for (const WrittenEntry& entry : entries)
            if (entry.key == "Subj" && !removed) role = entry.value;
        if (role == "1") return "the Main Character";
        if (role == "2") return "the Impact Character";
        return "the character numbered " + std::to_string(record.second);
    }
    if (record.first == FourCCOf("SCNL")) {
        const auto place = spared("SCORDER");
        std::string name = "Scene #" + std::to_string(place ? std::stoi(*place) + 1 : static_cast<int>(scenes));
        if (const auto title = spared("SCNTITLE" + std::to_string(record.second)); title && !title->empty())
            name += " - " + *title;
        return "the scene \"" + name + "\"";
    }
    if (record.first == FourCCOf("RESP"))
        return damage.what.starts_with("number typed") ? "chosen for" : "the storyform choices";
    const std::map<FourCC, const char*> holds = {{FourCCOf("SDI4"), "the story's information"},
                                                 {FourCCOf("STEL"), "the storytelling"},
                                                 {FourCCOf("FCAP"), " in force"},
                                                 {FourCCOf("QST3"), "which questions of the query system"},
                                                 {FourCCOf("LOCK"), "the storyform locks"},
                                                 {FourCCOf("CILL"), "the characteristic notes"}};
    return holds.at(record.first);
}

// Romeo and Juliet with four storyform locks and three characteristic notes, damaged in each keyed
// record (its Main Character's, another character's and a scene's among them) at each of the chosen
// entries: the story opens saying in one message what was damaged, by name, and saved elsewhere and
// opened again (without a word) keeps every entry the damage spared.
TEST_F(DamagedExamples, AStoryOpenedFromADamagedCopyNamesTheRecordAndSavesWhatWasSpared) {
    std::filesystem::copy_file(Example("Romeo and Juliet"), Path("whole.fsf"));
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

    std::size_t scenes = 0;
    std::vector<std::pair<FourCC, std::uint16_t>> records;
    for (const auto& [key, text] : whole) {
        scenes += key.first == FourCCOf("SCNL");
        // Romeo (the Main Character), Juliet's nurse and the sixth scene stand for the others.
        if (IsKeyedRecord(key.first) && (key.first != FourCCOf("CHAR") || key.second == 2 || key.second == 5) &&
            (key.first != FourCCOf("SCNL") || key.second == 6))
            records.push_back(key);
    }
    ASSERT_EQ(records.size(), 10u);
    for (const auto& record : records) {
        const std::string& text = whole.at(record);
        const std::vector<WrittenEntry> entries = WrittenEntries(text);
        for (const std::size_t k : Chosen(entries.size())) {
            for (const DamagedCopy& damage : DamagesAt(text, entries, k, true)) {
                SCOPED_TRACE(SegmentName(record) + " " + entries[k].key + ": " + damage.what);
                StoreSegments damaged = whole;
                damaged[record] = damage.text;
                ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", damaged));
                Mark();
                FKDoc* story = OpenStory("damaged.fsf");
                ASSERT_NE(story, nullptr);
                EXPECT_THAT(Asked(), testing::ElementsAre(HasSubstr(NameInMessage(record, entries, damage, scenes))));
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
                DamagedCopy taken = damage;
                taken.shortened = false;
                ExpectSpared(entries, taken, found != saved.end() ? found->second : std::string("\\\0", 2));
            }
        }
    }
}

}  // namespace
}  // namespace apptest
