#include "storymodel/engine/StructureCode.h"

#include "storymodel/engine/ElementTable.h"

namespace {

// The digit at the index; a text that ends earlier (or a null one) reads as '0' there.
char DigitAt(const char* code, int index) {
    if (!code) return '0';
    for (int i = 0; i < index; ++i) {
        if (code[i] == '\0') return '0';
    }
    return code[index] == '\0' ? '0' : code[index];
}

}  // namespace

int CodeDepth(const char* code) {
    for (int index = 3; index > 0; --index) {
        if (DigitAt(code, index) != '0') return index + 1;
    }
    return 1;
}

int CountPositionDigits(const char* code) {
    int count = 0;
    for (int index = 0; index < 4; ++index) count += DigitAt(code, index) != '0';
    return count;
}

int CodeLevelIndex(const char* code) { return CodeDepth(code) - 1 - (DigitAt(code, 4) - '0'); }

int CodePositionDigit(const char* code) {
    const int index = CodeLevelIndex(code);
    return index >= 0 && index < 4 ? DigitAt(code, index) - '0' : 0;
}

int FirstDifferingDigit(const char* a, const char* b) {
    for (int index = 0; index < 4; ++index) {
        if (DigitAt(a, index) != DigitAt(b, index)) return index + 1;
    }
    return 0;
}

StructureCode MakeQuadGroupCode(std::int16_t elementId, int dimension) {
    StructureCode code = {'1', '1', '1', '1', '2', '\0'};
    const ElementRecord* row = ElementRecordByID(elementId);
    code[0] = row ? row->code[0] : '0';
    switch (dimension) {
        case 0: code[1] = '3'; break;
        case 1: code[1] = '4'; break;
        case 2: code[1] = '2'; break;
        default: code[1] = '1'; break;
    }
    return code;
}
