#include "storymodel/engine/QuadArrangement.h"

#include <algorithm>

#include "storymodel/engine/QuadBlocks.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StructurePlaces.h"

// Design notes on the arrangements (each choice keeps every quad of the structure whole and the
// result a function of the storyform alone):
// - Rows of the level tables are counted from 0. Matching then uses the rows that pair places 1
//   and 4, 2 and 3 ("14", "32") in the first variant and 1 and 2, 3 and 4 ("12", "34") in the
//   second, so each quad position lies in exactly one matchable row. A circular order's digits
//   name rows 1-4, that is rows 0-3.
// - Order numbers are kept per digit index, one number per row and index. In the first variant
//   step s gives the number s to the row named by the order's j-th digit (from i + offset) at
//   digit index s - 1 + j; in the second, k + 1 goes to the row named j-th (from i + 3 - k) at
//   digit index j. Either way each number at each index belongs to exactly one row, which the
//   moves then look up.
// - A move at step L and digit index x moves blocks of codes made of the working code's leading
//   digits, '0' after them, the row's positions in one digit and a level digit. The target code's
//   digits go into the working code as described (they land below the digits that name the moved
//   blocks); a target digit of 0 (no match) leaves the working code's own digit, so every code
//   stays a valid one.
// - The first move of each pair (the exchange with Action, the rotation with Decision) addresses
//   its blocks by the nodes the default arrangement holds at its codes, wherever the earlier moves
//   took them; the second addresses them by place. Arranging P and arranging its copy Q differ in
//   nothing else, so the arrangements take no mode.
// - "With subtrees" moves the blocks below as well in the first variant, which works downwards,
//   and the blocks above (towards the root) in the second, which works upwards; otherwise only the
//   addressed blocks move. The row whose first-step field decides it is the controlling table's
//   row with the move's order number at the move's digit index; the field is -1 in rows for which
//   it is not computed, which moves no subtrees.
// - A circular order read past its fourth digit, forwards or backwards, wraps around.

namespace {

// The stored level tables, by flag: table 1 (pairs to exchange), table 2 (rotations).
constexpr const char* kSwapDigits[2][4] = {{"14", "12", "34", "32"}, {"14", "32", "34", "12"}};
constexpr const char* kRotationDigits[2][4] = {{"1234", "2143", "4321", "3412"},
                                               {"1234", "3412", "4321", "2143"}};

// The signs that a row index picks for a circular order of magnitude 1 and of magnitude 2.
constexpr int kOrderSigns[2][4] = {{1, -1, -1, 1}, {1, -1, 1, -1}};

using Table = std::array<LevelRow, 4>;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// A circular visiting order of the four rows of a table.
class CircularOrder {
public:
    explicit CircularOrder(const std::array<int, 4>& digits) : digits_(digits) {}

    // The order of a code: 1 "1243", -1 "1342", 2 "1234", -2 "1432" (every code the arrangements
    // compute is one of these).
    static CircularOrder ForCode(int code) {
        switch (code) {
            case 1: return CircularOrder({1, 2, 4, 3});
            case -1: return CircularOrder({1, 3, 4, 2});
            case 2: return CircularOrder({1, 2, 3, 4});
            default: return CircularOrder({1, 4, 3, 2});
        }
    }

    // The digit at index i; any index, wrapping around.
    int DigitAt(int i) const { return digits_[At(((i % 4) + 4) % 4)]; }
    // The row (0-3) named at index i.
    int RowAt(int i) const { return DigitAt(i) - 1; }
    // The first index 0-3 that names the row.
    int IndexOfRow(int row) const {
        for (int i = 0; i < 4; ++i) {
            if (RowAt(i) == row) return i;
        }
        return 0;
    }

private:
    std::array<int, 4> digits_;
};

// The order code of magnitude 1 or 2 whose sign the row index picks.
int SignedOrderCode(int magnitude, int row) { return magnitude * kOrderSigns[magnitude - 1][row]; }

// The first row the predicate accepts (the tables guarantee one).
template <typename Accept>
int FindRow(const Table& rows, Accept accept) {
    for (int i = 0; i < 4; ++i) {
        if (accept(i, rows[At(i)])) return i;
    }
    return 0;
}

// The row holding the order number at the digit index.
const LevelRow& RowWithOrder(const Table& rows, int digitIndex, int number) {
    for (const LevelRow& row : rows) {
        if (row.order[At(digitIndex)] == number) return row;
    }
    return rows[0];
}

void SetFirstSteps(Table& rows, int number) {
    for (LevelRow& row : rows) {
        const auto found = std::find(row.order.begin(), row.order.end(), number);
        row.firstStep = found == row.order.end() ? std::int16_t{-1}
                                                 : static_cast<std::int16_t>(found - row.order.begin());
    }
}

// The two rows that match the crucial digit, and the row index that picks the circular order.
struct MatchedRows {
    int swap;
    int rotation;
    int pick;
};

// With `fromRotation`: the rotation row that starts with the digit, and the matchable exchange row
// that holds that row's second digit (the rotation row picks). Otherwise: the matchable exchange
// row that holds the digit, and the rotation row that starts with its partner (the exchange row
// picks).
template <typename Matchable>
MatchedRows MatchRows(const ArrangementRecord& record, bool fromRotation, int digit, int partner,
                      Matchable matchable) {
    MatchedRows rows{};
    if (fromRotation) {
        rows.rotation =
            FindRow(record.rotations, [&](int, const LevelRow& row) { return row.Digit(0) == digit; });
        const int second = record.rotations[At(rows.rotation)].Digit(1);
        rows.swap = FindRow(record.swaps,
                            [&](int i, const LevelRow& row) { return matchable(i) && row.Contains(second); });
        rows.pick = rows.rotation;
    } else {
        rows.swap = FindRow(record.swaps,
                            [&](int i, const LevelRow& row) { return matchable(i) && row.Contains(digit); });
        rows.rotation =
            FindRow(record.rotations, [&](int, const LevelRow& row) { return row.Digit(0) == partner; });
        rows.pick = rows.swap;
    }
    return rows;
}

// One block move: the row gives the quad positions, which go into one digit of codes made of the
// working code's leading digits and a level digit.
struct Move {
    const LevelRow* row;
    int depth;          // leading digits kept from the working code
    int positionDigit;  // the digit index the positions go into
    int level;          // the codes' level digit
    int blockMode;      // 0 the blocks only, 1 with the blocks below, 2 with the blocks above
    bool byNode = false;
};

StructureCode MoveCode(const StructureCode& working, const Move& move, int position) {
    StructureCode code = {'0', '0', '0', '0', '0', '\0'};
    std::copy_n(working.begin(), move.depth, code.begin());
    code[At(move.positionDigit)] = static_cast<char>('0' + position);
    code[4] = static_cast<char>('0' + move.level);
    return code;
}

StructureCode Addressed(const ThroughlineStructure& structure, const StructureCode& code, bool byNode) {
    return byNode ? FindCodeOfElement(structure, code) : code;
}

void Exchange(ThroughlineStructure& structure, const StructureCode& working, const Move& move) {
    const StructureCode a = Addressed(structure, MoveCode(working, move, move.row->Digit(0)), move.byNode);
    const StructureCode b = Addressed(structure, MoveCode(working, move, move.row->Digit(1)), move.byNode);
    SwapQuadBlocks(structure, a.data(), b.data(), move.blockMode);
}

void Rotate(ThroughlineStructure& structure, const StructureCode& working, const Move& move) {
    std::array<StructureCode, 4> codes;
    for (int k = 0; k < 4; ++k) {
        codes[At(k)] = Addressed(structure, MoveCode(working, move, move.row->Digit(k)), move.byNode);
    }
    // Blocks addressed by node are still siblings, since every move only permutes siblings; their
    // places give the rotation's positions.
    std::array<int, 4> positions{};
    for (int k = 0; k < 4; ++k) positions[At(k)] = codes[At(k)][At(move.positionDigit)] - '0';
    RotateQuadBlocks(structure, codes[0].data(), positions, move.blockMode);
}

// The exchange and the rotation of one step, in the Driver's order: Action exchanges first,
// Decision rotates first.
void RunMovePair(const StoryformBuildInput& input, ThroughlineStructure& structure,
                 const StructureCode& working, Move exchange, Move rotation) {
    if (input.IsAction()) {
        exchange.byNode = true;
        Exchange(structure, working, exchange);
        Rotate(structure, working, rotation);
    } else {
        rotation.byNode = true;
        Rotate(structure, working, rotation);
        Exchange(structure, working, exchange);
    }
}

void PlaceTargetDigit(StructureCode& code, int index, int digit) {
    if (digit >= 1 && digit <= 4) code[At(index)] = static_cast<char>('0' + digit);
}

int Variant0OrderCode(const StoryformBuildInput& input, std::uint16_t flag, int pick) {
    const int good = input.IsGood() ? 1 : 0;
    if (input.IsLogical()) {
        const int s = input.IsSteadfast() ? 1 : -1;
        if (flag == 0) return input.IsGood() ? s : -s;
        return SignedOrderCode(input.IsChange() ? 2 - good : good + 1, pick);
    }
    const int m0 = input.IsSteadfast() ? 2 : 1;
    if (flag == 0) return input.IsChange() == input.IsGood() ? -1 : 1;
    return SignedOrderCode(input.IsBad() ? (m0 == 1 ? 2 : 1) : m0, pick);
}

int Variant1OrderCode(const StoryformBuildInput& input, int pick) {
    if (input.IsLogical()) return input.IsSteadfast() ? 1 : -1;
    return SignedOrderCode(input.IsSteadfast() ? 2 : 1, pick);
}

// The second variant's own order of four digits: the order's digit at b, its kind-1 partner, then
// the kind-2 partner of the first when the rotation row it names has (Be-er: its second digit;
// Do-er: its first) among the digits of the exchange row the order names at a + 2, else the kind-2
// partner of the second; last that one's kind-1 partner.
CircularOrder ArrangeQuadDigits(const StoryformBuildInput& input, const ArrangementRecord& record,
                                const CircularOrder& order, int a, int b) {
    const int d0 = order.DigitAt(b);
    const int d1 = QuadPartner(1, d0);
    const LevelRow& candidate = record.rotations[At(QuadPartner(2, d0) - 1)];
    const LevelRow& named = record.swaps[At(order.RowAt(a + 2))];
    const int probe = input.IsBeer() ? candidate.Digit(1) : candidate.Digit(0);
    const int d2 = named.Contains(probe) ? QuadPartner(2, d0) : QuadPartner(2, d1);
    return CircularOrder({d0, d1, d2, QuadPartner(1, d2)});
}

}  // namespace

bool LevelRow::Contains(int digit) const {
    for (const char* d = digits; *d; ++d) {
        if (*d - '0' == digit) return true;
    }
    return false;
}

void ChooseArrangementTables(const StoryformBuildInput& input, int variant, ArrangementRecord& record) {
    if (variant == 0) {
        const bool first =
            (input.IsAction() && input.IsSuccess()) || (input.IsDecision() && input.IsFailure());
        record.flag = first ? 0 : 1;
    } else {
        record.flag = input.IsIntuitive() ? 1 : 0;
    }
    for (int row = 0; row < 4; ++row) {
        record.swaps[At(row)] = LevelRow{kSwapDigits[record.flag][row], {}, -1};
        record.rotations[At(row)] = LevelRow{kRotationDigits[record.flag][row], {}, -1};
    }
}

int ArrangeTargetDigit(const StoryformBuildInput& input, const LevelRow& swapRow, const LevelRow& rotationRow,
                       int kind) {
    if ((kind == 0 && input.IsAction()) || (kind == 1 && input.IsDoer())) {
        const int first = rotationRow.Digit(0);
        if (swapRow.Digit(0) == first) return swapRow.Digit(1);
        if (swapRow.Digit(1) == first) return swapRow.Digit(0);
        return 0;
    }
    return swapRow.Contains(rotationRow.Digit(1)) ? rotationRow.Digit(0) : 0;
}

void ArrangeVariant0(const StoryformBuildInput& input, ThroughlineStructure& structure,
                     ArrangementRecord& record, const StructureCode& crucial) {
    ChooseArrangementTables(input, 0, record);
    const int u = crucial[0] - '0';
    const std::uint16_t flag = record.flag;
    const MatchedRows matched = MatchRows(record, input.IsDecision(), u, QuadPartner(0, u), [flag](int row) {
        return flag == 0 ? row == 0 || row == 3 : row <= 1;
    });
    const CircularOrder order = CircularOrder::ForCode(Variant0OrderCode(input, flag, matched.pick));
    const int i1 = order.IndexOfRow(matched.swap);
    const int i2 = order.IndexOfRow(matched.rotation);

    // Target code: the crucial code with digits 1-3 replaced at steps 2-4.
    StructureCode target = crucial;
    for (int step = 1; step <= 4; ++step) {
        const int offset = flag == 0 && step % 2 == 0 ? 2 : 0;
        for (int j = 0; step - 1 + j <= 3; ++j) {
            const std::size_t x = At(step - 1 + j);
            record.swaps[At(order.RowAt(i1 + offset + j))].order[x] = static_cast<std::int16_t>(step);
            record.rotations[At(order.RowAt(i2 + offset + j))].order[x] = static_cast<std::int16_t>(step);
        }
        if (step >= 2) {
            const LevelRow& swapRow = record.swaps[At(order.RowAt(i1 + offset))];
            const LevelRow& rotationRow = record.rotations[At(order.RowAt(i2 + offset))];
            PlaceTargetDigit(target, step - 1, ArrangeTargetDigit(input, swapRow, rotationRow, 0));
        }
    }
    Table& controlling = input.IsOptionlock() ? record.swaps : record.rotations;
    SetFirstSteps(controlling, 1);

    // Step L moves, below the quad place at digit L - 1, the nodes of every depth from L to 4.
    for (int step = 1; step <= 4; ++step) {
        for (int x = step - 1; x <= 3; ++x) {
            StructureCode working = crucial;
            working[At(x)] = target[At(x)];
            const int firstStep = RowWithOrder(controlling, x, step).firstStep;
            const Move exchange{&RowWithOrder(record.swaps, x, step), x + 1, step - 1, x - step + 1,
                                firstStep == 0 || firstStep == 1 ? 1 : 0};
            const Move rotation{&RowWithOrder(record.rotations, x, step), x + 1, step - 1, x - step + 1,
                                firstStep == 0 || firstStep == 2 ? 1 : 0};
            RunMovePair(input, structure, working, exchange, rotation);
        }
    }
}

void ArrangeVariant1(const StoryformBuildInput& input, ThroughlineStructure& structure,
                     ArrangementRecord& record, const StructureCode& crucial) {
    ChooseArrangementTables(input, 1, record);
    const int u = crucial[3] - '0';
    const std::uint16_t flag = record.flag;
    const MatchedRows matched = MatchRows(record, input.IsBeer(), u, QuadPartner(1, u), [flag](int row) {
        return flag == 0 ? row == 1 || row == 2 : row >= 2;
    });
    const CircularOrder order = CircularOrder::ForCode(Variant1OrderCode(input, matched.pick));
    int i1 = order.IndexOfRow(matched.swap);
    int i2 = order.IndexOfRow(matched.rotation);

    CircularOrder swapOrder = order;
    CircularOrder rotationOrder = order;
    if (flag == 0 && input.IsBeer()) {
        swapOrder = CircularOrder(
            {order.DigitAt(i1 + 8), order.DigitAt(i1 + 7), order.DigitAt(i1 + 6), order.DigitAt(i1 + 5)});
        i1 = 0;
    } else if (flag == 0) {
        rotationOrder = CircularOrder(
            {order.DigitAt(i2), order.DigitAt(i2 + 1), order.DigitAt(i2 + 2), order.DigitAt(i2 + 3)});
        i2 = 0;
    } else if (input.IsBeer()) {
        swapOrder = ArrangeQuadDigits(input, record, order, i2, i1);
        i1 = 0;
    } else {
        rotationOrder = ArrangeQuadDigits(input, record, order, i1, i2);
        i2 = 0;
    }

    // Target code: digits 0-2 from the rows named at i + 3 - k (0 where nothing matches).
    StructureCode target = {'0', '0', '0', '0', '0', '\0'};
    for (int k = 3; k >= 0; --k) {
        for (int j = 0; j <= k; ++j) {
            record.swaps[At(swapOrder.RowAt(i1 + 3 - k + j))].order[At(j)] = static_cast<std::int16_t>(k + 1);
            record.rotations[At(rotationOrder.RowAt(i2 + 3 - k + j))].order[At(j)] =
                static_cast<std::int16_t>(k + 1);
        }
        if (k < 3) {
            const LevelRow& swapRow = record.swaps[At(swapOrder.RowAt(i1 + 3 - k))];
            const LevelRow& rotationRow = record.rotations[At(rotationOrder.RowAt(i2 + 3 - k))];
            PlaceTargetDigit(target, k, ArrangeTargetDigit(input, swapRow, rotationRow, 1));
        }
    }
    const bool swapsControl =
        (input.IsStop() && input.IsTimelock()) || (input.IsStart() && input.IsOptionlock());
    Table& firstStepTable = swapsControl ? record.swaps : record.rotations;
    SetFirstSteps(firstStepTable, 4);
    const Table& rotationControl = input.IsOptionlock() ? record.swaps : record.rotations;

    // Depth x + 1, from the elements up: step L moves the blocks of level L - 1 there, under the
    // quad place at digit x - L + 1.
    StructureCode working = crucial;
    for (int x = 3; x >= 0; --x) {
        for (int step = 1; step <= x + 1; ++step) {
            const int swapFirstStep = RowWithOrder(firstStepTable, step - 1, x + 1).firstStep;
            const int rotationFirstStep = RowWithOrder(rotationControl, step - 1, x + 1).firstStep;
            const Move exchange{&RowWithOrder(record.swaps, step - 1, x + 1), x + 1, x - step + 1, step - 1,
                                swapFirstStep == 0 || swapFirstStep == 1 ? 2 : 0};
            const Move rotation{&RowWithOrder(record.rotations, step - 1, x + 1), x + 1, x - step + 1,
                                step - 1, rotationFirstStep == 0 || rotationFirstStep == 2 ? 2 : 0};
            RunMovePair(input, structure, working, exchange, rotation);
        }
        if (x > 0) PlaceTargetDigit(working, x - 1, target[At(x - 1)] - '0');
    }
}
