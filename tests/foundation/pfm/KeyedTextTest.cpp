#include "foundation/pfm/KeyedText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A record text as stored: the characters given, then the NUL that ends every record.
std::string Stored(const std::string& text) { return text + '\0'; }

std::string TextOf(const std::vector<char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

KeyedText Parsed(const std::string& stored, ErrCode expected = kNoErr) {
    KeyedText record;
    EXPECT_EQ(record.Parse(stored.data(), stored.size()), expected) << stored;
    return record;
}

// The keys in index order.
std::vector<std::string> KeysOf(const KeyedText& record) {
    std::vector<std::string> keys;
    PTextEntry entry;
    std::int32_t cursor = 0;
    for (std::int32_t r = record.FirstEntry(cursor, entry); r == kNoErr; r = record.NextEntry(cursor, entry))
        keys.emplace_back(entry.key);
    return keys;
}

std::string GetText(KeyedText& record, const char* key) {
    char buffer[40000] = "(default)";
    record.GetEntry(key, 'c', buffer);
    return buffer;
}

TEST(KeyedText, ParsesEntriesAndKeepsDefaultsOnFailure) {
    KeyedText record = Parsed(Stored("\\NMc:Bob\\Sexs:1\\"));
    EXPECT_EQ(record.Count(), 2);
    EXPECT_EQ(GetText(record, "NM"), "Bob");
    std::int16_t sex = -1;
    EXPECT_GE(record.GetEntry("Sex", 's', &sex), 0);
    EXPECT_EQ(sex, 1);

    std::int16_t value = 77;
    EXPECT_EQ(record.GetEntry("NM", 's', &value), kPTextErrTypeMismatch);
    EXPECT_EQ(value, 77);
    char buffer[8] = "keep";
    EXPECT_EQ(record.GetEntry("Age", 'c', buffer, sizeof buffer), kPTextErrNoKey);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_FALSE(record.IsChanged());
}

TEST(KeyedText, NewRecordIsWrittenInKeyOrder) {
    KeyedText record;
    const std::int16_t sex = 1;
    const double ratio = 2.5;
    EXPECT_GE(record.SetEntry("NM", 'c', "Bob"), 0);
    EXPECT_GE(record.SetEntry("Sex", 's', &sex), 0);
    EXPECT_GE(record.SetEntry("Ratio", 'd', &ratio), 0);
    EXPECT_TRUE(record.IsChanged());
    EXPECT_EQ(TextOf(record.Write()), Stored("\\NMc:Bob\\Ratiod:2.500000\\Sexs:1\\"));
    EXPECT_FALSE(record.IsChanged());
}

TEST(KeyedText, EmptyRecordIsABackslashAndANul) {
    KeyedText record;
    EXPECT_EQ(TextOf(record.Write()), std::string("\\\0", 2));
    EXPECT_EQ(record.Count(), 0);
    KeyedText reread = Parsed(std::string("\\\0", 2));
    EXPECT_EQ(reread.Count(), 0);
}

TEST(KeyedText, LongAndBackslashTextsCarryTheirLength) {
    KeyedText record;
    const std::string desc(120, 'd');
    const std::string note(99, 'n');
    record.SetEntry("Desc", 'c', desc.c_str());
    record.SetEntry("K", 'c', "a\\b");
    record.SetEntry("Note", 'c', note.c_str());
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Descc120:" + desc + "\\Kc3:a\\b\\Notec:" + note + "\\"));

    KeyedText reread = Parsed(TextOf(record.Text()));
    EXPECT_EQ(GetText(reread, "K"), "a\\b");
    EXPECT_EQ(GetText(reread, "Desc"), desc);
    EXPECT_EQ(GetText(reread, "Note"), note);
    // A longer text without its length, as another writer may put it down, reads as it stands.
    reread = Parsed(Stored("\\Ac:a\\Notec:" + note + "#zc:z\\Zzc:zz\\"));
    EXPECT_EQ(KeysOf(reread), (std::vector<std::string>{"A", "Note", "Zz"}));
    EXPECT_EQ(GetText(reread, "Note"), note + "#zc:z");
    EXPECT_FALSE(reread.DamagedAt());
}

TEST(KeyedText, UntouchedEntriesKeepTheirBytesAndMoveIntoOrder) {
    // Zed is out of order and Abc carries a length it does not need; Mid is read but not changed.
    KeyedText record = Parsed(Stored("\\Zedi:7\\Abcc3:xyz\\Mids:5\\"));
    std::int16_t mid = 0;
    record.GetEntry("Mid", 's', &mid);
    EXPECT_EQ(mid, 5);
    const std::int32_t zed = 8;
    record.SetEntry("Zed", 'i', &zed);
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Abcc3:xyz\\Mids:5\\Zedi:8\\"));
    // A second write of an unchanged record gives the same bytes.
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Abcc3:xyz\\Mids:5\\Zedi:8\\"));
}

TEST(KeyedText, ShortTextReadWithALengthKeepsWritingIt) {
    KeyedText record = Parsed(Stored("\\Kc3:abc\\Lc:def\\"));
    record.SetEntry("K", 'c', "hello");
    record.SetEntry("L", 'c', "ghi");
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Kc5:hello\\Lc:ghi\\"));
    // Once a text held a backslash, its entry keeps its length.
    record.SetEntry("L", 'c', "g\\h");
    record.Write();
    record.SetEntry("L", 'c', "plain");
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Kc5:hello\\Lc5:plain\\"));
}

TEST(KeyedText, NumbersAreWrittenWithTheirFormats) {
    KeyedText record;
    const float tenth = 0.1f;
    const double half = 2.5;
    const double minus = -1234.0000004;
    const std::int16_t shortValue = -32768;
    const std::int32_t longValue = -2147483647 - 1;
    record.SetEntry("F", 'f', &tenth);
    record.SetEntry("D", 'd', &half);
    record.SetEntry("X", 'x', &minus);
    record.SetEntry("S", 's', &shortValue);
    record.SetEntry("L", 'l', &longValue);
    EXPECT_EQ(TextOf(record.Write()),
              Stored("\\Dd:2.500000\\Ff:0.100000\\Ll:-2147483648\\Ss:-32768\\Xx:-1234.000000\\"));
    float f = 0;
    double x = 0;
    EXPECT_GE(record.GetEntry("F", 'f', &f), 0);
    EXPECT_FLOAT_EQ(f, 0.1f);
    EXPECT_GE(record.GetEntry("X", 'x', &x), 0);
    EXPECT_DOUBLE_EQ(x, minus);  // the value set stays loaded: no precision lost until read again

    KeyedText reread = Parsed(TextOf(record.Text()));
    EXPECT_GE(reread.GetEntry("X", 'x', &x), 0);
    EXPECT_DOUBLE_EQ(x, -1234.0);  // six decimals were kept
}

TEST(KeyedText, HugeNumbersAreWrittenWithTheirLength) {
    KeyedText record;
    const double huge = 1e300;
    EXPECT_GE(record.SetEntry("Big", 'd', &huge), 0);
    const std::string text = TextOf(record.Write());
    EXPECT_EQ(text.rfind("\\Bigd308:1", 0), 0u) << text;
    KeyedText reread = Parsed(text);
    double value = 0;
    reread.GetEntry("Big", 'd', &value);
    EXPECT_DOUBLE_EQ(value, huge);
}

TEST(KeyedText, ParseErrors) {
    Parsed(Stored("NMc:Bob\\"), kPTextErrNoBackslash);
    Parsed("", kPTextErrNoBackslash);
    Parsed(Stored("\\NMc:Bob\\Sexs1\\"), kPTextErrNoColon);
    Parsed(Stored("\\" + std::string(23, 'k') + "c:v\\"), kNoErr);  // 24 characters before the colon
    Parsed(Stored("\\" + std::string(24, 'k') + "c:v\\"), kPTextErrLongHeader);
    Parsed(Stored("\\" + std::string(21, 'k') + "c120:" + std::string(120, 'v') + "\\"), kPTextErrLongHeader);
    Parsed(Stored("\\12:v\\"), kPTextErrNoType);
    Parsed(Stored("\\:v\\"), kPTextErrNoType);
    Parsed("\\Kc:unterminated", kPTextErrUnterminated);
    Parsed(Stored("\\Kc19:short\\"), kPTextErrUnterminated);
    Parsed(Stored("\\Kc99999999999999999999:x\\"), kPTextErrUnterminated);
}

TEST(KeyedText, EntriesBeforeAnErrorStay) {
    KeyedText record = Parsed(Stored("\\Ac:one\\Bs:2\\Cc"), kPTextErrNoColon);
    EXPECT_EQ(record.Count(), 2);
    EXPECT_EQ(GetText(record, "A"), "one");
}

// A byte other than a backslash after a value ends the reading as ever, but the damaged entry is
// left out and what reads whole from a later entry up to the record's end, or up to another damaged
// entry passed over the same way, is kept; the next write puts down a whole text of them.
TEST(KeyedText, ADamagedEntryIsLeftOutAndTheEntriesThatReadWholeAfterItAreKept) {
    KeyedText record = Parsed(Stored("\\NMc:Bob\\SSSynopsisc#2:abcdef\\Synopsisc:x\\Titlec:T\\"));
    EXPECT_EQ(KeysOf(record), (std::vector<std::string>{"NM", "Synopsis", "Title"}));
    EXPECT_EQ(record.DamagedAt(), 8u);
    EXPECT_TRUE(record.IsChanged());
    EXPECT_EQ(TextOf(record.Write()), Stored("\\NMc:Bob\\Synopsisc:x\\Titlec:T\\"));
    EXPECT_FALSE(record.DamagedAt()) << "a whole text is written";
    EXPECT_FALSE(Parsed(Stored("\\Ac1:x\\Bc:q\\")).DamagedAt());
    // Nothing is kept from inside the damaged value ("\\Zs:1"), before the keys read before it (those
    // kept after an earlier damage too), nor an entry with a backslash in its header or of no known type.
    // A value longer than its length by more than a digit of it can have been changed.
    const std::string v(26, 'v');
    for (const auto& [text, keys] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"\\Ac:a\\Dc12:x\\Zs:1\\Mc:mmmmm\\", {"A", "M"}},
             {"\\Mc:m\\Dc1:xy\\Bc:b\\", {"M"}},
             {"\\Ac:a\\Bc10:" + v + "\\Cc:c\\Dc10:" + v + "\\Ec:e\\", {"A", "C", "E"}},
             {"\\Ac:a\\Bc10:" + v + "\\Mc:m\\Dc10:" + v + "\\Cc:c\\Zc:z\\", {"A", "M", "Z"}},
             // The last byte before the record's NUL stands where every write puts its closing
             // backslash: the last entry is kept without it.
             {"\\Ac:a\\Bc10:" + v + "\\Cc:c\\Dc:cut short", {"A", "C", "D"}},
             // A length that takes in the record's end is no cut.
             {"\\Ac:a\\Bc100:" + std::string(98, 'v') + "\\", {"A"}},
             {"\\Ac:a\\Dc10:" + v + "\\q\\Mc:m\\", {"A", "M"}},
             {"\\Ac:a\\Dc10:" + v + "\\Bz:1\\Mc:m\\", {"A", "M"}},
             // A colon made '#' runs the header on into the next entry ("Sexs#1\\Work"); a number
             // with a non-digit, one that took in the next entry, and a text typed as a number.
             {"\\Ac:a\\Sexs#1\\Works:1032\\Zc:z\\", {"A", "Work", "Z"}},
             {"\\Ac:a\\Approachs:10x1\\Directions:1032\\", {"A", "Direction"}},
             {"\\Ac:a\\Approachs:10x1Directions:1032\\Zc:z\\", {"A", "Z"}},
             {"\\Ac:a\\Descs:a hall\\Ord:2.5x\\Zc:z\\", {"A", "Z"}},
             // A number no write puts down (a leading zero, a float without its decimals), and what
             // is left of a key whose byte was made a backslash: an empty key.
             {"\\Ac:a\\Approachs:-021\\Directions:1032\\", {"A", "Direction"}},
             {"\\Ac:a\\Pix1:9\\Zc:z\\", {"A", "Z"}},
             {"\\Ac:a\\Ill \\c:a note\\Zc:z\\", {"A", "Z"}},
             // A key's first byte made NUL, as if the record ended there.
             {std::string("\\Ac:a\\\0itlec:T\\Zc:z\\", 20), {"A", "Z"}},
             // Not damage: a text given with its length may hold what reads as entries, as a typed
             // backslash kept as it stands makes it.
             {"\\HEADERc17:Notes\\topic: love\\Zc:z\\", {"HEADER", "Z"}}})
        EXPECT_EQ(KeysOf(Parsed(Stored(text))), keys) << text;
    // A parse error keeps its code; what follows the damage is kept the same way.
    record = Parsed(Stored("\\Ac:a\\" + std::string(30, 'k') + "c:v\\Bc:b\\"), kPTextErrLongHeader);
    EXPECT_EQ(KeysOf(record), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(record.DamagedAt(), 5u);
}

// A value without its length reads on over a lost backslash into the entry after it. Where that
// makes it a value no write puts down (a number that is none) and the entry's header shows inside
// it, the two are parted again and the backslash put back.
TEST(KeyedText, AnEntryALostBackslashJoinedToTheValueBeforeItIsPartedAgain) {
    // The damaged backslash: its key, or the record's end.
    for (const auto& [whole, key, byte] : std::vector<std::tuple<std::string, std::string, char>>{
             {"\\Ac:a\\Approachs:1021\\Directions:1032\\Zc:z\\", "Direction", ' '},
             {"\\Tendencys:1\\Works:1041\\", "Work", '#'},
             {"\\Sexs:1032\\Tendencys:1121\\", "Tendency", 'T'},
             {"\\As:12\\Bs:1\\", "B", 'T'},
             {"\\Ac:a\\Descc3:a\\b\\NMc:Romeo\\", "NM", '\0'},
             {"\\Ac:a\\Descc:Knows the rocks\\NMc:Yann\\", "NM", '\0'},
             {"\\Ac:a\\Approachs:1021\\Directions:1032\\Zc:z\\", "Direction", '\0'},
             {"\\Ac:a\\Works:1041\\", "", '#'}}) {
        const std::size_t lost = key.empty() ? whole.size() - 1 : whole.find("\\" + key);
        std::string damaged = whole;
        damaged[lost] = byte;
        KeyedText record = Parsed(Stored(damaged));
        EXPECT_EQ(record.DamagedAt(), lost) << damaged;
        EXPECT_TRUE(record.IsMendedWhole()) << damaged;
        EXPECT_EQ(TextOf(record.Write()), Stored(whole));
    }
    // The closing backslash lost beside the last value's own last byte, which is kept, or made a byte
    // that a text may hold, which is kept too; a byte no entry reads in its place is taken out. Every
    // byte the record still holds of its values is kept.
    for (const auto& [damaged, mended] : std::vector<std::pair<std::string, std::string>>{
             {"\\Ac:a\\Titlec:Romeo", "\\Ac:a\\Titlec:Romeo\\"},
             {"\\Ac:a\\Works:1041", "\\Ac:a\\Works:1041\\"},
             {"\\Ac:a\\Descc3:a\\b", "\\Ac:a\\Descc3:a\\b\\"},
             {"\\Ac:a\\Titlec:Romeo#", "\\Ac:a\\Titlec:Romeo#\\"},
             {"\\Ac:a\\Bs:1#", "\\Ac:a\\Bs:1\\"}}) {
        KeyedText record = Parsed(Stored(damaged));
        EXPECT_TRUE(record.IsMendedWhole()) << damaged;
        EXPECT_EQ(TextOf(record.Write()), Stored(mended)) << damaged;
    }
    // The NUL after the closing backslash made another byte is put back, but for a capital, with
    // which the record may as well have been cut inside an entry's key.
    for (const char byte : {'q', '7', '\\', ' ', 'Q'}) {
        std::string damaged = Stored("\\Ac:a\\Bs:1\\");
        damaged.back() = byte;
        KeyedText record = Parsed(damaged, byte == 'Q' ? kPTextErrNoColon : kNoErr);
        EXPECT_EQ(record.IsMendedWhole(), byte != 'Q') << byte;
        EXPECT_EQ(record.DamagedAt(), damaged.size() - (byte == 'Q' ? 2 : 1)) << byte;
        EXPECT_EQ(TextOf(record.Write()), Stored("\\Ac:a\\Bs:1\\")) << byte;
    }
    // A backslash after a number made a digit may as well have been lost beside one of its digits:
    // the entry after it is kept, the number left out.
    for (const std::string& damaged : {std::string("\\As:12Bs:1\\"), std::string("\\As:1-Bs:1\\")}) {
        KeyedText record = Parsed(Stored(damaged));
        EXPECT_TRUE(record.DamagedAt() && !record.IsMendedWhole()) << damaged;
        EXPECT_EQ(TextOf(record.Write()), Stored("\\Bs:1\\")) << damaged;
    }
    // A text without its length runs up to the next backslash whatever words it holds and however
    // long it is: it is read and written again as it stands, though it reads as a writer's words
    // followed by an entry of a key between the keys around it, or a lost backslash really joined
    // two entries into it. A text set so is written with its length.
    const std::string note(60, 'n');
    for (const std::string& whole : std::vector<std::string>{
             "\\Ac:a\\Ill  2c:" + note + "xIll  3c:" + note + "\\Ill  4c:x\\",
             "\\OSNamec:Rumpel OSSynopsisc100:" + std::string(100, 'y') + "\\Zc:z\\",
             "\\MCSynopsisc:She fears it.Magic: none\\MCTitlec:x\\",
             "\\StoryLinec:x\\Synopsisc:Love wins-Systemic: yes\\Titlec:y\\",
             "\\Backc:Looks;Desc: tall and pale\\NMc:Romeo\\",
             "\\Introc:Enters at dawn.Skill:10\\NMc:x\\",
             "\\Physc:Tall,Roles:2\\Rolec:x\\",
             "\\Actvc:Sings;Forms:3\\Fsts:1\\",
             "\\Limitc:Stop,Limits:2\\Limitss:1\\",
             "\\Ill 1c:Brave;Ill 3c:see 3\\Ill 4c:x\\",
             "\\Ac:a\\Ill  2c:Second notexIll  3c:Third note\\Ill  4c:x\\",
             "\\SCNTITLE2c:DawnxSCORDERs:3\\",
             "\\Ac:a\\Desc:Mr.Magic: a clown\\NMc:Bob\\",
             "\\Methc:Tempo-Mood:1.5\\Motvc:x\\",
             "\\Ac:a\\Roc:Folk\xe2\x80\x94Rooms:3\\Rungc:x\\"}) {
        KeyedText record;
        const std::string text = Stored(whole);
        EXPECT_EQ(record.Parse(text.data(), text.size()), kNoErr);
        EXPECT_FALSE(record.DamagedAt()) << whole;
        EXPECT_EQ(record.Count(), std::count(whole.begin(), whole.end(), '\\') - 1) << whole;
        record.SetChanged();
        EXPECT_EQ(TextOf(record.Write()), Stored(whole));
    }
    KeyedText record;
    record.SetEntry("Title", 'c', "Tale-Zodiac: x");
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Titlec14:Tale-Zodiac: x\\"));
}

// A length one of whose digits was damaged ends its value where no backslash stands: inside the
// entry after it, whose key then reads short ("M" for "NM", "TITLE3" for "SCNTITLE3"), inside its own
// value, or past the record's end. The digit is put back and every entry kept, not a byte of the
// next key taken for a lost backslash. A text given with its length that ends in a backslash before
// a backslash of its own is as written.
TEST(KeyedText, ALengthWithADamagedDigitIsPutBack) {
    const std::string description(115, 'd');
    const std::string scene = "\\SCNDESC3c115:" + description + "\\SCNTITLE3c:The mourning song\\";
    // The record, its length, which of its digits is damaged and the digit made of it.
    for (const auto& [whole, length, digit, made] : std::vector<std::tuple<std::string, std::string, int, char>>{
             {"\\Ac:a\\Descc6:hello!\\NMc:Romeo\\Zs:1\\", "c6:", 0, '7'},
             {"\\OSNamec:x\\OSSynopsisc10:" + std::string(10, 'y') + "\\SSNamec:z\\", "c10:", 1, '1'},
             {scene, "c115:", 2, '8'},
             {scene, "c115:", 2, '2'},
             {scene, "c115:", 0, '2'},
             {"\\Ac:a\\Ords4:-217\\Zc:z\\", "s4:", 0, '7'}}) {
        const std::size_t at = whole.find(length) + 1 + static_cast<std::size_t>(digit);
        std::string damaged = whole;
        damaged[at] = made;
        KeyedText record = Parsed(Stored(damaged));
        EXPECT_EQ(record.DamagedAt(), at) << damaged;
        EXPECT_TRUE(record.IsMendedWhole()) << damaged;
        EXPECT_EQ(TextOf(record.Write()), Stored(whole)) << damaged;
    }
    KeyedText record = Parsed(Stored("\\Descc7:hello!\\\\Mc:Romeo\\"));
    EXPECT_FALSE(record.DamagedAt());
    EXPECT_EQ(KeysOf(record), (std::vector<std::string>{"Desc", "M"}));
    EXPECT_EQ(GetText(record, "Desc"), "hello!\\");
    // A byte lost from a text whose length no one digit mends: the text runs one byte over, into
    // the next entry's backslash. It is read one byte short, told as left out in part, and the next
    // entry keeps its key.
    const std::string lost = "\\Descc120:" + std::string(119, 'g') + "\\NMc:Beatrice\\";
    for (const std::string& damaged : {lost, lost.substr(0, lost.size() - 14) + "\\"}) {
        record = Parsed(Stored(damaged));
        EXPECT_EQ(record.DamagedAt(), damaged.find("\\", 2)) << damaged;
        EXPECT_FALSE(record.IsMendedWhole());
        EXPECT_EQ(GetText(record, "Desc"), std::string(119, 'g'));
        EXPECT_EQ(KeysOf(record).back(), damaged == lost ? "NM" : "Desc");
        EXPECT_EQ(TextOf(record.Write()), Stored("\\Descc119:" + damaged.substr(10)));
    }
}

TEST(KeyedText, NothingBeyondTheGivenSizeIsRead) {
    // The size stops before the backslash that would end the value.
    const std::string text = Stored("\\Ac:abc\\");
    KeyedText record;
    EXPECT_EQ(record.Parse(text.data(), 7), kPTextErrUnterminated);
    // Without the NUL that ends every record written, the text was cut short: what reads whole of
    // it is kept, and the damage noted where the next entry or the record's end was lost.
    EXPECT_EQ(record.Parse(text.data(), text.size() - 1), kNoErr);
    EXPECT_EQ(GetText(record, "A"), "abc");
    EXPECT_EQ(record.DamagedAt(), 7u);
    EXPECT_EQ(record.Parse(text.data(), 1), kNoErr);
    EXPECT_EQ(record.DamagedAt(), 0u);
    // Cut short just after a value given with its length, the value reads whole.
    const std::string cut = "\\Ac3:abc\\Bc2:de";
    EXPECT_EQ(record.Parse(cut.data(), cut.size()), kNoErr);
    EXPECT_EQ(GetText(record, "B"), "de");
    EXPECT_EQ(record.DamagedAt(), cut.size());
    const std::string cutAfterDamage = "\\Ac3:abc\\Bc10:" + std::string(25, 'd') + "\\Cc2:fg";
    EXPECT_EQ(record.Parse(cutAfterDamage.data(), cutAfterDamage.size()), kNoErr);
    EXPECT_EQ(GetText(record, "C"), "fg");
    EXPECT_EQ(record.Count(), 2);
    // A length that reaches past the end is refused.
    const std::string lengthed = "\\Ac5:abc";
    EXPECT_EQ(record.Parse(lengthed.data(), lengthed.size()), kPTextErrUnterminated);
}

// A text given with its length may hold colons and backslashes; no write puts down a NUL in one.
TEST(KeyedText, LengthedValuesMayHoldAnyByteButANul) {
    KeyedText record = Parsed(Stored("\\Kc6:a:\\b/c\\Ms:3\\"));
    EXPECT_EQ(record.Count(), 2);
    char buffer[16];
    std::memset(buffer, 'z', sizeof buffer);
    record.GetEntry("K", 'c', buffer);
    EXPECT_EQ(std::string(buffer, 7), std::string("a:\\b/c\0", 7));
    std::int16_t m = 0;
    record.GetEntry("M", 's', &m);
    EXPECT_EQ(m, 3);
}

// No write puts down a NUL inside a text: one there stands for a byte of the text that can no
// longer be read, and the text is kept with a '?' in its place, told as damaged (not mended whole).
// Without its length, the text runs on over it to the next backslash, as it was written, unless the
// NUL stands for that text's own backslash: an entry reads whole from it, whose key comes between
// the keys around it as every record's keys are written.
TEST(KeyedText, ANulInsideATextIsKeptAsAByteThatCannotBeRead) {
    // The record as written, and the byte made NUL.
    for (const auto& [whole, lost] : std::vector<std::pair<std::string, std::string>>{
             {"\\Kc6:a:\\b/c\\Ms:3\\", "/"},
             {"\\MCSynopsisc:She fears it.Magic: none\\MCTitlec:x\\", "."},
             {"\\BGc:Looks;Desc: tall and pale\\Belc:x\\", ";"},
             {"\\Physc:Tall,Roles:2\\Pixs:1\\", ","},
             {"\\Ill 1c:Brave;Ill 3c:see 3\\Ill 2c:x\\", ";"},
             {"\\Ac:a\\Zc:last words.Zz:no\\", "."}}) {
        const std::size_t at = whole.find(lost);
        std::string damaged = whole;
        damaged[at] = '\0';
        KeyedText record = Parsed(Stored(damaged));
        EXPECT_EQ(record.Count(), Parsed(Stored(whole)).Count()) << whole;
        EXPECT_TRUE(record.DamagedAt() && !record.IsMendedWhole()) << whole;
        std::string read = whole;
        read[at] = '?';
        EXPECT_EQ(TextOf(record.Write()), Stored(read)) << whole;
    }
}

TEST(KeyedText, TextIsCutToTheBuffer) {
    KeyedText record = Parsed(Stored("\\Kc:abcdef\\"));
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_GE(record.GetEntry("K", 'c', buffer, 4), 0);
    EXPECT_STREQ(buffer, "abc");
    char untouched[2] = {'u', 'u'};
    EXPECT_GE(record.GetEntry("K", 'c', untouched, 0), 0);
    EXPECT_EQ(untouched[0], 'u');
    EXPECT_GE(record.GetEntry("K", 'c', nullptr), 0);
}

TEST(KeyedText, UnknownTypes) {
    // An entry of no value type is damaged: it is left out, so that its key can be set again.
    KeyedText record = Parsed(Stored("\\Kz:5\\NM#:Romeo\\Zc:z\\"));
    EXPECT_EQ(KeysOf(record), std::vector<std::string>{"Z"});
    EXPECT_EQ(record.DamagedAt(), 0u);
    char buffer[8] = "keep";
    EXPECT_EQ(record.GetEntry("Z", 'z', buffer), kPTextErrBadType);
    EXPECT_EQ(record.GetEntry("Z", 's', buffer), kPTextErrTypeMismatch);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(record.SetEntry("New", 'q', "x"), kPTextErrBadType);
    EXPECT_FALSE(record.HasKey("New"));
    EXPECT_GE(record.SetEntry("NM", 'c', "Romeo"), 0);
    EXPECT_EQ(TextOf(record.Write()), Stored("\\NMc:Romeo\\Zc:z\\"));
}

TEST(KeyedText, SetOverAnotherTypeIsRefused) {
    KeyedText record = Parsed(Stored("\\NMc:Bob\\"));
    const std::int16_t one = 1;
    EXPECT_EQ(record.SetEntry("NM", 's', &one), kPTextErrTypeMismatch);
    EXPECT_FALSE(record.IsChanged());
    EXPECT_EQ(GetText(record, "NM"), "Bob");
}

TEST(KeyedText, KeysThatCannotBeStoredAreRefused) {
    KeyedText record;
    const std::int16_t one = 1;
    EXPECT_GE(record.SetEntry(std::string(23, 'k'), 's', &one), 0);
    EXPECT_EQ(record.SetEntry(std::string(24, 'k'), 's', &one), kPTextErrLongHeader);
    EXPECT_EQ(record.SetEntry(std::string(200, 'k'), 'c', "v"), kPTextErrLongHeader);
    EXPECT_EQ(record.SetEntry("", 'c', "v"), kPTextErrLongHeader);
    EXPECT_EQ(record.SetEntry("a:b", 'c', "v"), kPTextErrLongHeader);
    EXPECT_EQ(record.SetEntry("a\\b", 'c', "v"), kPTextErrLongHeader);
    EXPECT_EQ(record.SetEntry(std::string_view("a\0b", 3), 'c', "v"), kPTextErrLongHeader);
    // A key of 21 characters takes a short text, but not one that needs three length digits.
    const std::string key(21, 'q');
    EXPECT_GE(record.SetEntry(key, 'c', "short"), 0);
    EXPECT_EQ(record.SetEntry(key, 'c', std::string(120, 'v').c_str()), kPTextErrLongHeader);
    EXPECT_EQ(GetText(record, key.c_str()), "short");
    // Keys of 18 characters take any text.
    EXPECT_GE(record.SetEntry(std::string(18, 'r'), 'c', std::string(32766, 'v').c_str()), 0);
    EXPECT_EQ(record.SetEntry("long", 'c', std::string(32767, 'v').c_str()), kPTextErrValueTooLong);
    EXPECT_EQ(record.Count(), 3);
    KeyedText reread = Parsed(TextOf(record.Write()));
    EXPECT_EQ(reread.Count(), 3);
    EXPECT_EQ(GetText(reread, std::string(18, 'r').c_str()), std::string(32766, 'v'));
}

TEST(KeyedText, KeysSortAsUnsignedBytesShorterFirst) {
    KeyedText record;
    for (const char* key : {"b", "\xE9t\xE9", "B", "ab", "a", "a0", "Z"}) record.SetEntry(key, 'c', "v");
    std::vector<std::string> keys;
    PTextEntry entry;
    std::int32_t cursor = 0;
    for (std::int32_t r = record.FirstEntry(cursor, entry); r == kNoErr;
         r = record.NextEntry(cursor, entry)) {
        keys.push_back(entry.key);
        EXPECT_EQ(entry.type, 'c');
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"B", "Z", "a", "a0", "ab", "b", "\xE9t\xE9"}));
    EXPECT_EQ(record.NextEntry(cursor, entry), kPTextErrEndOfEntries);
    EXPECT_EQ(KeyedText().FirstEntry(cursor, entry), kPTextErrEndOfEntries);
}

// Keys stored out of order, twice, as extensions of each other and with bytes above 127 are all
// found, and no key is found for another that only starts or extends it.
TEST(KeyedText, AParsedRecordFindsEachKeyWhateverOrderItWasStoredIn) {
    KeyedText record = Parsed(Stored("\\abs:1\\as:2\\\xE9s:3\\Zs:4\\a0s:5\\as:6\\abcdefghijklmnopqrstuvws:7\\"));
    EXPECT_EQ(KeysOf(record),
              (std::vector<std::string>{"Z", "a", "a", "a0", "ab", "abcdefghijklmnopqrstuvw", "\xE9"}));

    const auto number = [&record](std::string_view key) {
        std::int16_t value = -1;
        return record.GetEntry(key, 's', &value) >= 0 ? value : std::int16_t{-1};
    };
    EXPECT_EQ(number("Z"), 4);
    EXPECT_EQ(number("a0"), 5);
    EXPECT_EQ(number("ab"), 1);
    EXPECT_EQ(number("\xE9"), 3);
    EXPECT_EQ(number("abcdefghijklmnopqrstuvw"), 7);
    // Of two entries of one key, the first stored is read.
    EXPECT_EQ(number("a"), 2);
    for (const std::string_view missing :
         {std::string_view("abc"), std::string_view("abcdefghijklmnopqrstuvwx"),
          std::string_view("abcdefghijklmnopqrstuvwxyz0123456789"), std::string_view("a\0", 2),
          std::string_view("ab\0c", 4), std::string_view("\xE9\xE9"), std::string_view(""),
          std::string_view("z")}) {
        EXPECT_FALSE(record.HasKey(missing)) << missing;
        EXPECT_EQ(number(missing), -1) << missing;
    }
}

// A text read keeps its address while every other value of the record is read after it.
TEST(KeyedText, AValueReadKeepsItsAddressWhileOthersAreRead) {
    std::string text = "\\";
    for (int i = 0; i < 200; ++i) text += "K" + std::to_string(1000 + i) + "c:v" + std::to_string(i) + "\\";
    KeyedText record = Parsed(Stored(text));
    const std::int32_t first = record.GetEntry("K1000", 'c', nullptr);
    ASSERT_GE(first, 0);
    const auto* value = static_cast<const char*>(record.ValuePtr(first));
    for (int i = 1; i < 200; ++i) EXPECT_GE(record.GetEntry("K" + std::to_string(1000 + i), 'c', nullptr), 0);
    EXPECT_EQ(record.ValuePtr(first), value);
    EXPECT_STREQ(value, "v0");
    // Values loaded after the first few are held apart from them, and read back as stored.
    EXPECT_STREQ(static_cast<const char*>(record.ValuePtr(record.GetEntry("K1199", 'c', nullptr))), "v199");
}

TEST(KeyedText, EntriesCanBeReadAndSetByPosition) {
    KeyedText record = Parsed(Stored("\\Bs:2\\Ac:one\\"));
    char buffer[8] = "";
    EXPECT_GE(record.GetEntryAt(0, 'c', buffer), 0);
    EXPECT_STREQ(buffer, "one");
    const std::int16_t three = 3;
    EXPECT_GE(record.SetEntryAt(1, 's', &three), 0);
    EXPECT_EQ(record.SetEntryAt(2, 's', &three), kPTextErrNoKey);
    EXPECT_EQ(record.GetEntryAt(-1, 's', buffer), kPTextErrNoKey);
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Ac:one\\Bs:3\\"));
}

TEST(KeyedText, RemoveAndClear) {
    KeyedText record = Parsed(Stored("\\Ac:one\\Bs:2\\Cc:three\\"));
    EXPECT_EQ(record.Remove("Missing"), kPTextErrNoKey);
    EXPECT_FALSE(record.IsChanged());
    EXPECT_EQ(record.Remove("B"), kNoErr);
    EXPECT_FALSE(record.HasKey("B"));
    EXPECT_TRUE(record.IsChanged());
    EXPECT_EQ(TextOf(record.Write()), Stored("\\Ac:one\\Cc:three\\"));
    record.Clear();
    EXPECT_TRUE(record.IsChanged());
    EXPECT_EQ(record.Count(), 0);
    EXPECT_EQ(TextOf(record.Write()), std::string("\\\0", 2));
}

TEST(KeyedText, ValueSizesAndValueAddresses) {
    KeyedText record = Parsed(Stored("\\Ac:four\\Dd:2.5\\"));
    EXPECT_EQ(record.GetValueSize("A"), 4u);
    EXPECT_EQ(record.GetValueSize("D"), 3u);  // the stored text's size until set
    EXPECT_EQ(record.GetValueSize("None"), 0u);
    const double d = 1;
    record.SetEntry("D", 'd', &d);
    record.SetEntry("A", 'c', "sixsix");
    EXPECT_EQ(record.GetValueSize("D"), 8u);
    EXPECT_EQ(record.GetValueSize("A"), 6u);
    // Written, a text is measured in the text again, as written.
    record.Write();
    EXPECT_EQ(record.GetValueSize("A"), 6u);

    const std::int32_t item = record.GetEntry("A", 'c', nullptr);
    ASSERT_GE(item, 0);
    EXPECT_STREQ(static_cast<const char*>(record.ValuePtr(item)), "sixsix");
    EXPECT_STREQ(static_cast<const char*>(record.ValuePtr(-1)), "(no such param)");
    EXPECT_STREQ(static_cast<const char*>(record.ValuePtr(999)), "(no such param)");
    // A removed value's item is no longer valid, and a new value takes its place.
    record.Remove("A");
    EXPECT_STREQ(static_cast<const char*>(record.ValuePtr(item)), "(no such param)");
    EXPECT_EQ(record.SetEntry("E", 'c', "e"), item);
}

// Every text that is accepted for setting can be read back after writing, whatever its bytes.
TEST(KeyedText, WrittenRecordsReadBack) {
    std::mt19937 random(1234);
    const auto randomBytes = [&](std::size_t size) {
        std::string bytes(size, ' ');
        for (char& c : bytes) c = static_cast<char>(1 + random() % 255);
        return bytes;
    };
    for (int round = 0; round < 200; ++round) {
        KeyedText record;
        std::map<std::string, std::string> kept;
        for (int i = 0; i < 6; ++i) {
            const std::string key = randomBytes(1 + random() % 23);
            const std::string value = randomBytes(random() % 3 == 0 ? random() % 300 : random() % 8);
            if (record.SetEntry(key, 'c', value.c_str()) >= 0) kept[key] = value;
        }
        KeyedText reread;
        const std::vector<char>& text = record.Write();
        ASSERT_EQ(reread.Parse(text.data(), text.size()), kNoErr);
        EXPECT_EQ(reread.Count(), static_cast<std::int32_t>(kept.size()));
        for (const auto& [key, value] : kept) {
            char buffer[400] = "";
            ASSERT_GE(reread.GetEntry(key, 'c', buffer), 0);
            EXPECT_EQ(buffer, value);
        }
    }
}

// Damaged texts give an error or fewer entries, but every entry found lies inside the text and
// reads and writes without trouble.
TEST(KeyedText, DamagedTextsStayInsideTheirBytes) {
    const std::string good = Stored("\\NMc:Bob\\Ages:42\\Descc12:a\\b:c\\d\\e\\f\\Ratiod:2.500000\\Zl:-7\\");
    const char replacements[] = {'\\', ':', '\0', '9', 'c', 'd', 'x', '\xFF', ' '};
    std::vector<std::string> damaged;
    for (std::size_t at = 0; at < good.size(); ++at) {
        damaged.push_back(good.substr(0, at));
        for (char r : replacements) {
            std::string text = good;
            text[at] = r;
            damaged.push_back(text);
        }
    }
    for (const std::string& text : damaged) {
        // Heap bytes of exactly the text's size, so that any read past them is caught.
        std::vector<char> bytes(text.begin(), text.end());
        KeyedText record;
        const ErrCode result = record.Parse(bytes.data(), bytes.size());
        EXPECT_TRUE(result == kNoErr || (result <= kPTextErrNoBackslash && result >= kPTextErrUnterminated));
        PTextEntry entry;
        std::int32_t cursor = 0;
        for (std::int32_t r = record.FirstEntry(cursor, entry); r == kNoErr;
             r = record.NextEntry(cursor, entry)) {
            EXPECT_LE(entry.endOffset + 1, bytes.size());
            EXPECT_LE(entry.valueOffset, entry.endOffset + 1);
            EXPECT_LT(entry.entryOffset, entry.valueOffset);
            char buffer[64];
            const std::int32_t item =
                record.GetEntryAt(cursor, static_cast<char>(entry.type), buffer, sizeof buffer);
            EXPECT_GE(item, 0);
        }
        const std::int32_t count = record.Count();
        KeyedText reread;
        const std::vector<char>& written = record.Write();
        EXPECT_EQ(reread.Parse(written.data(), written.size()), kNoErr);
        EXPECT_EQ(reread.Count(), count);
    }
}

}  // namespace
