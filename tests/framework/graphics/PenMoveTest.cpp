// The relative pen move of the drawing environment: it moves from where the pen is, in the direction
// of each delta's sign, and the next line starts there.

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "framework/graphics/GraphEnv.h"

namespace {

class PenMoveTest : public graphtest::EnvTest {};

TEST_F(PenMoveTest, TheMoveIsAddedToThePenPositionOnEachAxis) {
    env_.MoveTo(20, 30);
    env_.Move(7, -4);
    EXPECT_EQ(env_.GetPenPosition(), (ShortPoint{27, 26}));
    env_.Move(-12, 9);
    EXPECT_EQ(env_.GetPenPosition(), (ShortPoint{15, 35}));
    env_.Move(0, 0);
    EXPECT_EQ(env_.GetPenPosition(), (ShortPoint{15, 35}));
}

TEST_F(PenMoveTest, ALineAfterAMoveStartsWhereTheMoveEnded) {
    env_.MoveTo(10, 10);
    env_.Move(20, 0);
    env_.LineBy(5, 0);
    EXPECT_EQ(surface_.Row(10, 26, 38), "....######..");
    EXPECT_EQ(Count(graphtest::kBlack), 6) << "nothing drawn by the move itself";
}

}  // namespace
