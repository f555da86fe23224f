// The query window's deferred requests: a storyform change heard inside an item hit waits for the
// hit and shows the page again after a recount; heard outside one, it asks for a go-to and a
// recount and a posted hit; nothing is heard without a page, after the zero-storyforms error, while
// the window closes, or (for the storyform) while the page writes its own answer. A character
// change keeps a character target already asked for. The go-to rules apply in their order.

#include "query/FQSPendingRequests.h"

#include <gtest/gtest.h>

namespace {

using Reaction = FQSPendingRequests::Reaction;

FQSListeningState ShownState() {
    FQSListeningState state;
    state.pageShown = true;
    return state;
}

TEST(FQSPendingRequestsTest, AStoryformChangeInsideAnItemHitWaitsForTheHit) {
    FQSPendingRequests requests;
    requests.busy = true;
    EXPECT_EQ(requests.StoryformChanged(ShownState()), Reaction::kAfterHit);
    EXPECT_TRUE(requests.refresh);
    EXPECT_TRUE(requests.recount);
    EXPECT_FALSE(requests.goTo);
}

TEST(FQSPendingRequestsTest, AStoryformChangeOutsideAnItemHitPostsOne) {
    FQSPendingRequests requests;
    EXPECT_EQ(requests.StoryformChanged(ShownState()), Reaction::kPostHit);
    EXPECT_TRUE(requests.goTo);
    EXPECT_TRUE(requests.recount);
    EXPECT_FALSE(requests.refresh);
}

TEST(FQSPendingRequestsTest, NothingIsHeardWithoutAPageAfterTheZeroErrorOrWhileClosing) {
    FQSListeningState noPage;
    FQSListeningState zero = ShownState();
    zero.zeroStoryforms = true;
    FQSListeningState closing = ShownState();
    closing.closing = true;
    for (const FQSListeningState& state : {noPage, zero, closing}) {
        FQSPendingRequests requests;
        EXPECT_EQ(requests.StoryformChanged(state), Reaction::kIgnored);
        EXPECT_EQ(requests.CharactersChanged(state, FQSGoToTarget{}), Reaction::kIgnored);
        EXPECT_EQ(requests.ScenesChanged(state), Reaction::kIgnored);
        EXPECT_FALSE(requests.goTo || requests.recount || requests.refresh);
    }
    // A page writing its own answer silences storyform changes only.
    FQSListeningState writing = ShownState();
    writing.pageListening = false;
    FQSPendingRequests requests;
    EXPECT_EQ(requests.StoryformChanged(writing), Reaction::kIgnored);
    EXPECT_FALSE(requests.recount);
    EXPECT_EQ(requests.ScenesChanged(writing), Reaction::kPostHit);
    EXPECT_TRUE(requests.goTo);
}

TEST(FQSPendingRequestsTest, ACharacterChangeGoesToTheRowsPlaceUnlessACharacterIsAskedFor) {
    FQSGoToTarget place;
    place.character = 3;
    place.secondCharacter = 4;
    place.topic = 60;
    place.sceneId = 9;
    FQSPendingRequests requests;
    EXPECT_EQ(requests.CharactersChanged(ShownState(), place), Reaction::kPostHit);
    EXPECT_TRUE(requests.goTo);
    EXPECT_EQ(requests.target.character, 3);
    EXPECT_EQ(requests.target.secondCharacter, 4);
    EXPECT_EQ(requests.target.topic, 60);
    EXPECT_EQ(requests.target.sceneId, 9);

    FQSGoToTarget other;
    other.character = 7;
    other.topic = 61;
    EXPECT_EQ(requests.CharactersChanged(ShownState(), other), Reaction::kPostHit);
    EXPECT_EQ(requests.target.character, 3) << "the pending character target stays";
    EXPECT_EQ(requests.target.topic, 60);

    requests.ClearGoTo();
    EXPECT_FALSE(requests.goTo);
    EXPECT_EQ(requests.target, FQSGoToTarget{});
    requests.CharactersChanged(ShownState(), other);
    EXPECT_EQ(requests.target.character, 7);
}

TEST(FQSPendingRequestsTest, TheGoToRulesApplyInTheirOrder) {
    FQSGoToTarget target;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kNone);
    target.row = 4;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kRow);
    target.topic = 20;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kTopic);
    target.character = 2;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kCharacter);
    target.secondCharacter = 5;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kSecondCharacter);
    target.sceneId = 11;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kScene);
    target.sceneId = -1;
    target.scenePosition = 0;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kScene) << "the first storytelling position counts";
    target.listId = 0;
    EXPECT_EQ(ChooseGoToRule(target), GoToRule::kList);

    FQSPendingRequests requests;
    requests.RequestList(5);
    EXPECT_TRUE(requests.goTo);
    EXPECT_EQ(ChooseGoToRule(requests.target), GoToRule::kList);
}

}  // namespace
