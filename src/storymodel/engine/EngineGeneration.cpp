#include "storymodel/engine/EngineGeneration.h"

#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/StructurePlaces.h"
#include "storymodel/engine/ThroughlineBuilder.h"
#include "storymodel/engine/ValueIndexes.h"

namespace {

// The crucial element's position in its variation: pair 0 holds positions 1 and 4, pair 1
// positions 2 and 3; Success takes the first, Failure the second.
int CrucialElementPosition(int pair, bool success) {
    if (pair == 0) return success ? 1 : 4;
    return success ? 2 : 3;
}

// Writes byte `index` of every record from the storyform's built points: record 0 the index's
// dynamics, records 1-40 the value index of the point with that engine field (0 where no point has
// one), records 41-44 the signpost type positions.
void EncodeEngineRecords(const BuiltStoryPoints& points, std::uint16_t index, EngineRecordBytes& records) {
    const std::size_t n = index & kStoryformIndexMask;
    records[0][n] = EngineDynamicsByte(index);
    for (int row = 0; row < kStoryPointCount; ++row) {
        const StoryPointRecord& point = kStoryPointTable[static_cast<std::size_t>(row)];
        if (point.engineField < 1 || point.engineField > 40 || !points.written[static_cast<std::size_t>(row)])
            continue;
        const int value = ValueIndexForID(point.kind, points.GetValueAt(row));
        records[static_cast<std::size_t>(point.engineField)][n] =
            static_cast<std::uint8_t>(value < 0 ? 0 : value);
    }
    for (int throughline = 0; throughline < 4; ++throughline) {
        std::uint8_t order = 0;
        for (int k = 0; k < 4; ++k) {
            const int type = points.GetValueAt(ThroughlineStoryPointIndex(throughline, kSignpostOffset + k));
            order = static_cast<std::uint8_t>(order << 2 | ((type - kFirstTypeID) & 3));
        }
        records[static_cast<std::size_t>(kFirstSignpostRecord + throughline)][n] = order;
    }
}

}  // namespace

StoryformBuildInput EngineStoryformInput(std::uint16_t index) {
    index &= kStoryformIndexMask;
    StoryformBuildInput input = StoryformBuildInput::ForNumber(index, 0);
    const int objectiveClass = ((index >> 5) & 3) + 1;
    const int crucialClass =
        input.IsChange() ? objectiveClass : QuadPartner(input.GrowthPairKind(), objectiveClass);
    const StructureCode code = {static_cast<char>('0' + crucialClass),
                                static_cast<char>('1' + ((index >> 3) & 3)),
                                static_cast<char>('1' + ((index >> 1) & 3)),
                                static_cast<char>('0' + CrucialElementPosition(index & 1, input.IsSuccess())),
                                '0',
                                '\0'};
    input.crucialElement = static_cast<std::int16_t>(DefaultIDAt(code.data()));
    return input;
}

EngineRecordBytes GenerateEngineRecords() {
    EngineRecordBytes records;
    for (auto& record : records) record.assign(kEngineRecordSize, 0);
    BuiltStoryform built;
    for (int index = 0; index < kStoryformIndexCount; ++index) {
        const StoryformBuildInput input = EngineStoryformInput(static_cast<std::uint16_t>(index));
        CalcStoryformCodes(input, built);
        EncodeEngineRecords(built.points, static_cast<std::uint16_t>(index), records);
    }
    return records;
}
