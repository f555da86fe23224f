#include "storymodel/engine/SolverConstraint.h"

#include <algorithm>

#include "storymodel/engine/TheoryTables.h"
#include "storymodel/engine/ValueIndexes.h"

namespace {

bool InRange(const SolverConstraint& record, int i) { return i >= 0 && i <= record.valueCount; }

}  // namespace

bool SolverConstraint::IsValuePossible(int i) const {
    return InRange(*this, i) && valueMark[static_cast<std::size_t>(i)] > 0;
}

void SolverConstraint::SetValueOrdinal(int i, std::uint8_t byte) {
    if (InRange(*this, i)) valueMark[static_cast<std::size_t>(i)] = byte;
}

bool SolverConstraint::IsClassPossible(int i, int classIndex) const {
    if (classMask.empty() || !InRange(*this, i) || classIndex < 0 || classIndex > 7) return false;
    return (classMask[static_cast<std::size_t>(i)] >> classIndex & 1) != 0;
}

void SolverConstraint::MarkClass(int i, int classIndex) {
    if (!InRange(*this, i) || classIndex < 0 || classIndex > 7) return;
    if (classMask.empty()) classMask.assign(static_cast<std::size_t>(valueCount) + 1, 0);
    classMask[static_cast<std::size_t>(i)] |= static_cast<std::uint8_t>(1 << classIndex);
}

void SolverConstraint::ClearValues() {
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max<int>(valueCount, 0)) + 1, valueMark.size());
    std::fill_n(valueMark.begin(), n, 0);
    std::fill(classMask.begin(), classMask.end(), 0);
}

bool SolverConstraint::Allows(int valueIndex) const {
    const auto end = allowed.begin() + allowedCount;
    return std::find(allowed.begin(), end, valueIndex) != end;
}

std::int16_t ConstraintValueID(const SolverConstraint& record, int valueIndex) {
    if (valueIndex < 0 || valueIndex >= record.valueCount) return 0;
    if (record.kind == kDynamicPoint) return static_cast<std::int16_t>(valueIndex);
    const int id = ValueIDForIndex(record.kind, valueIndex);
    return static_cast<std::int16_t>(id < 0 ? 0 : id);
}

int ValueIndexForID(const SolverConstraint& record, int id) { return ValueIndexForID(record.kind, id); }
