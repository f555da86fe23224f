#include "storymodel/engine/EngineFields.h"

#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformNumber.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

// Built from the element table: the partner of rank k is the element of class 1 whose code has
// the same class, type and variation digits and the element digit 5 - d. The pairing is the same
// in every class.
std::array<std::uint8_t, 256> MakePartnerTable() {
    std::array<int, 64> partnerRank{};
    for (int k = 0; k < kElementsPerClass; ++k) {
        const char* code = kElementTable[static_cast<std::size_t>(kFirstElementID + k)].code;
        for (int j = 0; j < kElementsPerClass; ++j) {
            const char* other = kElementTable[static_cast<std::size_t>(kFirstElementID + j)].code;
            if (other[1] == code[1] && other[2] == code[2] && other[3] - '0' == 5 - (code[3] - '0')) {
                partnerRank[static_cast<std::size_t>(k)] = j;
            }
        }
    }
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        table[static_cast<std::size_t>(v)] =
            static_cast<std::uint8_t>((v & 0xC0) | partnerRank[static_cast<std::size_t>(v & 63)]);
    }
    return table;
}

const std::array<std::uint8_t, 256>& PartnerTable() {
    static const std::array<std::uint8_t, 256> table = MakePartnerTable();
    return table;
}

}  // namespace

bool IsEngineRecordRead(int record) {
    if (record == 0) return true;
    if (record >= kFirstSignpostRecord && record < kEngineRecordCount) return true;
    if (record < 1 || record > 40) return false;
    switch (EngineFieldOffset(record)) {
        case kIssueOffset:
        case kProblemOffset:
        case kBenchmarkOffset:
        case kFocusOffset:
        case kFlawOffset: return true;
        default: return record == 9;  // the overall story's catalyst
    }
}

std::uint8_t DynamicPartner(std::uint8_t v) { return PartnerTable()[v]; }

const std::array<std::uint8_t, 256>& DynamicPartnerTable() { return PartnerTable(); }

EngineColumn EngineFieldColumn(const EngineRecordSet& records, int field) {
    static const std::array<std::uint8_t, kEngineRecordSize> kZeros{};
    auto r = [&](int record) {
        const std::uint8_t* data = records[static_cast<std::size_t>(record)];
        return data ? data : kZeros.data();
    };
    using Op = EngineColumn::Op;
    EngineColumn column;
    if (field < 0 || field >= kEngineFieldCount) {
        column.a = kZeros.data();
    } else if (field == 0) {
        column.a = r(0);
    } else if (field >= kFirstSignpostField) {
        const int t = (field - kFirstSignpostField) / 4;
        const int k = (field - kFirstSignpostField) % 4;
        column = {Op::kSignpost, r(10 * t + 3), r(kFirstSignpostRecord + t), nullptr, 6 - 2 * k};
    } else {
        switch (EngineFieldOffset(field)) {
            case kDomainOffset: column = {Op::kClass, r(field + 2)}; break;
            case kConcernOffset: column = {Op::kType, r(field + 1)}; break;
            case kSolutionOffset: column = {Op::kPartner, r(field - 2)}; break;
            case kDirectionOffset: column = {Op::kPartner, r(field - 1)}; break;
            case kCatalystOffset:
                column = field == 9 ? EngineColumn{Op::kByte, r(9)}
                                    : EngineColumn{Op::kMovedIssue, r(9), r(3), r(field - 6)};
                break;
            default: column = {Op::kByte, r(field)}; break;
        }
    }
    return column;
}

std::uint8_t EngineFieldValue(const EngineRecordSet& records, int field, std::uint16_t index) {
    return EngineFieldColumn(records, field).At(index & kStoryformIndexMask);
}
