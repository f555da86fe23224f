#include "storymodel/engine/ExcludedTable.h"

#include <algorithm>

namespace {

constexpr std::size_t kBlockSize = kArrangementCount;
constexpr std::size_t kBlockCount = kStoryformIndexCount / kBlockSize;

}  // namespace

ExcludedTable::ExcludedTable()
    : excluded_(kStoryformIndexCount, 0),
      remaining_(std::make_unique_for_overwrite<std::uint16_t[]>(kStoryformIndexCount)) {
    blocks_.reserve(kBlockCount);
}

void ExcludedTable::Start(std::uint16_t dynamicMask, std::uint16_t dynamicBits, bool refine) {
    blocks_.clear();
    for (std::size_t block = 0; block < kBlockCount; ++block) {
        const auto bytes = excluded_.begin() + static_cast<std::ptrdiff_t>(block * kBlockSize);
        if (((block * kBlockSize) & dynamicMask) != dynamicBits) {
            std::fill_n(bytes, kBlockSize, 1);
            continue;
        }
        if (!refine) std::fill_n(bytes, kBlockSize, 0);
        blocks_.push_back(static_cast<std::uint16_t>(block));
    }
}

template <typename Fails>
void ExcludedTable::Exclude(Fails fails) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const std::size_t first = blocks_[i] * kBlockSize;
        // The tests go to a buffer of their own first: the compiler then knows that writing the
        // table changes no record byte, and runs both loops many bytes at a time.
        std::array<std::uint8_t, kBlockSize> failed;
        for (std::size_t k = 0; k < kBlockSize; ++k) failed[k] = fails(first + k);
        std::uint8_t* bytes = excluded_.data() + first;
        std::uint8_t all = 1;
        for (std::size_t k = 0; k < kBlockSize; ++k) {
            bytes[k] |= failed[k];
            all &= bytes[k];
        }
        if (!all) blocks_[kept++] = blocks_[i];
    }
    blocks_.resize(kept);
}

void ExcludedTable::KeepValue(const EngineColumn& column, std::uint8_t value) {
    // Where the value is a record's byte or a part of it, the byte itself is tested under a mask,
    // which runs many bytes at a time; a value the operation never gives excludes every index.
    using Op = EngineColumn::Op;
    const std::uint8_t* a = column.a;
    const std::uint8_t* b = column.b;
    const auto unless = [this](const std::uint8_t* bytes, std::uint8_t mask, int want) {
        Exclude([=](std::size_t n) { return (bytes[n] & mask) != want; });
    };
    const auto all = [this] { Exclude([](std::size_t) { return true; }); };
    switch (column.op) {
        case Op::kByte: return unless(a, 0xFF, value);
        // The partner table pairs the bytes off: a byte's partner is the value exactly when the
        // byte is the value's partner.
        case Op::kPartner: return unless(a, 0xFF, DynamicPartner(value));
        case Op::kClass: return value < 16 ? unless(a, 0xF0, value << 4) : all();
        case Op::kType: return value < 64 ? unless(a, 0xFC, value << 2) : all();
        case Op::kSignpost: {
            // Four times the issue's class plus a type position: both parts of the value.
            if (value >= 64) return all();
            const int classBits = (value >> 2) << 4;
            const auto positionMask = static_cast<std::uint8_t>(3 << column.shift);
            const int positionBits = (value & 3) << column.shift;
            return Exclude([=](std::size_t n) {
                return ((a[n] & 0xF0) != classBits) | ((b[n] & positionMask) != positionBits);
            });
        }
        case Op::kMovedIssue: break;
    }
    column.WithReader([&](auto read) { Exclude([&](std::size_t n) { return read(n) != value; }); });
}

void ExcludedTable::KeepAllowed(const EngineColumn& column, const std::array<bool, 256>& allowed) {
    column.WithReader([&](auto read) { Exclude([&](std::size_t n) { return !allowed[read(n)]; }); });
}

std::span<const std::uint16_t> ExcludedTable::ListRemaining() {
    std::size_t count = 0;
    for (std::uint16_t block : blocks_) {
        const std::size_t first = block * kBlockSize;
        for (std::size_t n = first; n < first + kBlockSize; ++n) {
            // Every index is written; one left possible is kept by moving on past it.
            remaining_[count] = static_cast<std::uint16_t>(n);
            count += excluded_[n] ^ 1;
        }
    }
    return {remaining_.get(), count};
}
