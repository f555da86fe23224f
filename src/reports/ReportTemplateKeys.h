#pragma once
// Which keys of which template record the report builders read. The data compiler holds every
// 'RPTX' source to this table (a record no builder reads, a key none reads, a key it needs that is
// missing), and the reports' tests hold the builders to it (they read no other key).
//
// Two ways of reading: a record read key by key has a fixed set of keys (some numbers are left
// out, as the builders skip them); a record read whole has "S1", "S2", ... up to the first key it
// lacks, so its keys must run on without a gap (a key after a gap would never be read).

#include <array>
#include <cstdint>
#include <string_view>

struct TemplateKeySet {
    std::int16_t record;
    // The keys read, bit n for "Sn"; 0 for a record read whole.
    std::uint64_t keys;

    constexpr bool IsReadWhole() const { return keys == 0; }
    // Whether the builders read the key "Sn" of a record with keys given, or of any length when
    // the record is read whole.
    constexpr bool Reads(int n) const {
        if (n < 1 || n > 63) return false;
        return keys == 0 || (keys >> n & 1u) != 0;
    }
};

// The bits of the keys "Sfirst" to "Slast".
constexpr std::uint64_t TemplateKeyRange(int first, int last) {
    std::uint64_t bits = 0;
    for (int n = first; n <= last; ++n) bits |= std::uint64_t{1} << n;
    return bits;
}
constexpr std::uint64_t TemplateKey(int n) { return TemplateKeyRange(n, n); }

inline constexpr std::uint64_t kReadWhole = 0;

inline constexpr std::array<TemplateKeySet, 69> kTemplateKeySets = {{
    // Read key by key.
    {3, TemplateKeyRange(1, 2)},  // story comments
    {1000, TemplateKey(1) | TemplateKey(3) | TemplateKeyRange(5, 6) | TemplateKeyRange(8, 9) |
               TemplateKeyRange(11, 26)},  // the overall story's themes
    {1001, TemplateKeyRange(1, 13)},       // the subjective story's themes
    {1002, TemplateKey(1) | TemplateKey(3) | TemplateKey(5) | TemplateKeyRange(7, 43)},  // main character
    {1003, TemplateKeyRange(1, 16)},                                                     // impact character
    {1006, TemplateKeyRange(1, 16) | TemplateKeyRange(21, 27) | TemplateKeyRange(32, 54)},  // simple main
    {1007, TemplateKeyRange(1, 5)},                                                         // relationships
    {1008, TemplateKey(1) | TemplateKey(3)},                                                // type contrast
    {1009, TemplateKeyRange(1, 2) | TemplateKeyRange(4, 12)},  // goals and requirements
    {1010, TemplateKey(1) | TemplateKeyRange(3, 8) | TemplateKeyRange(10, 13) | TemplateKeyRange(15, 16) |
               TemplateKeyRange(18, 19) | TemplateKeyRange(21, 39)},  // plot dynamics
    {1014, TemplateKeyRange(1, 6) | TemplateKeyRange(8, 30) | TemplateKeyRange(32, 35)},  // the two characters
    {1016, TemplateKeyRange(1, 2)},                            // all characters
    {1070, TemplateKeyRange(1, 2)},                            // closing notes
    {1071, TemplateKeyRange(1, 2)},
    {1072, TemplateKeyRange(1, 2)},
    {1073, TemplateKeyRange(1, 2)},
    {1074, TemplateKeyRange(1, 2)},
    {1077, TemplateKeyRange(1, 3)},   // analysis information, with the author's line
    {1078, TemplateKeyRange(1, 11)},  // coverage: two texts and nine rating labels
    {1079, TemplateKeyRange(1, 13)},  // story points output: two texts and eleven group headings
    {1080, TemplateKey(1)},           // a note
    {1098, TemplateKeyRange(1, 3)},   // build characters
    {40, TemplateKeyRange(1, 7)},     // overall plot
    {43, TemplateKeyRange(1, 15)},    // level three of the guided road
    // Read whole.
    {2, kReadWhole},
    {7, kReadWhole},
    {8, kReadWhole},
    {10, kReadWhole},
    {12, kReadWhole},
    {13, kReadWhole},
    {26, kReadWhole},
    {30, kReadWhole},
    {33, kReadWhole},
    {37, kReadWhole},
    {38, kReadWhole},
    {41, kReadWhole},
    {42, kReadWhole},
    {44, kReadWhole},
    {45, kReadWhole},
    {46, kReadWhole},
    {47, kReadWhole},
    {48, kReadWhole},
    {49, kReadWhole},
    {50, kReadWhole},
    {51, kReadWhole},
    {52, kReadWhole},
    {53, kReadWhole},
    {54, kReadWhole},
    {56, kReadWhole},
    {57, kReadWhole},
    {58, kReadWhole},
    {60, kReadWhole},
    {62, kReadWhole},
    {63, kReadWhole},
    {64, kReadWhole},
    {65, kReadWhole},
    {66, kReadWhole},
    {67, kReadWhole},
    {68, kReadWhole},
    {69, kReadWhole},
    {70, kReadWhole},
    {71, kReadWhole},
    {1011, kReadWhole},
    {1013, kReadWhole},
    {1053, kReadWhole},
    {1054, kReadWhole},
    {1055, kReadWhole},
    {1056, kReadWhole},
    {1061, kReadWhole},
}};

// The key set of the record; null when no builder reads it.
constexpr const TemplateKeySet* FindTemplateKeySet(std::int32_t record) {
    if (record <= 0) return nullptr;
    for (const TemplateKeySet& set : kTemplateKeySets)
        if (set.record == record) return &set;
    return nullptr;
}

// The number n of a key "Sn" (1 to 63), or 0 for any other key.
constexpr int TemplateKeyNumber(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'S' || key[1] == '0') return 0;
    int n = 0;
    for (char c : key.substr(1)) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n <= 63 ? n : 0;
}
