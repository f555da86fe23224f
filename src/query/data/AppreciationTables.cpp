#include "query/data/AppreciationTables.h"

std::span<const AppreciationRow> AppreciationTable(int kind) {
    switch (kind) {
        case 0: return kAppreciationTable0;
        case 1: return kAppreciationTable1;
        case 2: return kAppreciationTable2;
        default: return {};
    }
}
