#include "query/data/QueryNavigation.h"

namespace {

QueryStep ToList(std::int32_t listId, const ListExists& exists) {
    if (listId >= 0 && listId <= 0x7FFF && exists(listId))
        return {QueryStep::kList, 0, static_cast<std::int16_t>(listId)};
    return {QueryStep::kBeep, 0, 0};
}

}  // namespace

QueryStep PrevStep(std::int16_t listId, std::int32_t row, std::int32_t target, const ListExists& exists) {
    if (row <= 0) return ToList(listId - 1, exists);
    if (target < 0) return {};
    return {QueryStep::kRow, target, listId};
}

QueryStep NextStep(std::int16_t listId, std::int32_t row, std::int32_t rowCount, std::int32_t target,
                   const ListExists& exists) {
    if (row < rowCount - 1 && target >= 0 && target < rowCount) return {QueryStep::kRow, target, listId};
    return ToList(listId + 1, exists);
}
