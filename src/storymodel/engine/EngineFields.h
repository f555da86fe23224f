#pragma once
// The engine data: 45 records ('STBL' segments 0-44 of engine.qrv), each one byte per storyform
// index (the low 14 bits of a storyform number), and the 57 engine fields (0-56) that the story
// point table names, computed from them.
//
// Value encodings (0-based): a class index 0-3; a type index class * 4 + type position - 1; a
// variation index type index * 4 + variation position - 1; an element index, the element's rank
// 0-63 among the 64 elements of a class (the same order in every class).
//
// Records: 0 holds the dynamics, bit i the value index of dynamic i (bit 5, Limit, unused). For
// throughline t (0 overall story, 1 main character, 2 impact character, 3 subjective story) record
// 10t + k holds the value of the point at offset k - 1 of its block (domain, concern, issue,
// problem, benchmark, solution, focus, direction, unique ability or catalyst, critical flaw or
// inhibitor); records 41 + t hold the order of its four signposts as 2-bit type positions,
// signpost 1 in bits 7-6.

#include <array>
#include <cstdint>

inline constexpr int kEngineRecordCount = 45;
inline constexpr int kEngineFieldCount = 57;
inline constexpr int kEngineRecordSize = 16384;
inline constexpr int kFirstSignpostRecord = 41;
inline constexpr int kFirstSignpostField = 41;

// The data of the 45 records, each kEngineRecordSize bytes; a null record reads as zeros.
using EngineRecordSet = std::array<const std::uint8_t*, kEngineRecordCount>;

// The offset in its throughline's block (kDomainOffset .. kFlawOffset) of the point whose value
// engine field or record 1-40 holds.
constexpr int EngineFieldOffset(int field) { return (field - 1) % 10; }

// Whether the reader ever reads the record: 0, 3, 4, 5, 7, 9, 10, 13, 14, 15, 17, 20, 23, 24, 25,
// 27, 30, 33, 34, 35, 37, 40 and 41-44. The others may hold anything.
bool IsEngineRecordRead(int record);

// A field's values over all storyform indexes: the record bytes it is made of and how.
struct EngineColumn {
    enum class Op : std::uint8_t {
        kByte,        // a[n]
        kClass,       // a[n] >> 4: the class of an issue
        kType,        // a[n] >> 2: the type of an issue
        kPartner,     // DynamicPartner (a[n])
        kMovedIssue,  // a[n] - (b[n] & 0xF0) + (c[n] & 0xF0): a variation moved into c's class
        kSignpost,    // (a[n] >> 4) * 4 + ((b[n] >> shift) & 3): a type of the issue a's class
    };
    Op op = Op::kByte;
    const std::uint8_t* a = nullptr;
    const std::uint8_t* b = nullptr;
    const std::uint8_t* c = nullptr;
    int shift = 0;

    std::uint8_t At(std::size_t n) const;
    // Calls use (value) with a reader of the column, value (n) giving the value at index n, whose
    // operation is chosen once: loops over indexes run without a test of the operation per index.
    template <typename Use>
    void WithReader(Use use) const;
};

// The column of a field; fields other than 0-56 read as zeros, and so does a missing record.
EngineColumn EngineFieldColumn(const EngineRecordSet& records, int field);

// The field's value for the storyform index (taken modulo 16384). Fields other than 0-56 give 0.
// Fields 1, 11, 21, 31 (domain) are the class of the throughline's issue and 2, 12, 22, 32
// (concern) its type; 6, 16, 26, 36 (solution) and 8, 18, 28, 38 (direction) are the dynamic
// partners of the problem and the focus; 19, 29, 39 are the overall story's catalyst moved into
// the class of the throughline's issue; 41-56 are the throughlines' signposts, type indexes in the
// class of their issue; the others are their record's byte.
std::uint8_t EngineFieldValue(const EngineRecordSet& records, int field, std::uint16_t index);

// The partner table: keeps the two high bits of v and replaces the low six by the element index of
// the dynamic partner of element index v & 63 (the element of the same variation whose element
// digit is 5 minus its own).
std::uint8_t DynamicPartner(std::uint8_t v);

// The partner table's entries, for the inline readers.
const std::array<std::uint8_t, 256>& DynamicPartnerTable();

template <typename Use>
void EngineColumn::WithReader(Use use) const {
    const std::uint8_t* a = this->a;
    const std::uint8_t* b = this->b;
    const std::uint8_t* c = this->c;
    const int shift = this->shift;
    switch (op) {
        case Op::kByte: use([a](std::size_t n) { return a[n]; }); break;
        case Op::kClass: use([a](std::size_t n) { return static_cast<std::uint8_t>(a[n] >> 4); }); break;
        case Op::kType: use([a](std::size_t n) { return static_cast<std::uint8_t>(a[n] >> 2); }); break;
        case Op::kPartner: {
            const std::uint8_t* partner = DynamicPartnerTable().data();
            use([a, partner](std::size_t n) { return partner[a[n]]; });
            break;
        }
        case Op::kMovedIssue:
            use([a, b, c](std::size_t n) {
                return static_cast<std::uint8_t>(a[n] - (b[n] & 0xF0) + (c[n] & 0xF0));
            });
            break;
        case Op::kSignpost:
            use([a, b, shift](std::size_t n) {
                return static_cast<std::uint8_t>((a[n] >> 4) * 4 + ((b[n] >> shift) & 3));
            });
            break;
    }
}

inline std::uint8_t EngineColumn::At(std::size_t n) const {
    std::uint8_t value = 0;
    WithReader([&](auto read) { value = read(n); });
    return value;
}
