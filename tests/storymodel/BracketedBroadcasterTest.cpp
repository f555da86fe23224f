#include "storymodel/BracketedBroadcaster.h"

#include <gtest/gtest.h>

#include <memory>

#include "RecordingListener.h"
#include "storymodel/CharacterBroadcaster.h"

namespace {

// A bracketed broadcaster whose events are kept whole (the latest one wins) and which records the
// events that were broadcast outside any bracket.
class KeepingBroadcaster : public TBracketedBroadcasterEvt<Event> {
public:
    std::vector<const Event*> postedDirectly;
    int clones = 0;

protected:
    std::unique_ptr<Event> CloneEvent(const Event& /*event*/) override {
        ++clones;
        return std::make_unique<Event>();
    }
    void EventPostedDirectly(const Event& event) override { postedDirectly.push_back(&event); }
};

std::vector<CharID> IDs(const Event* event) {
    const auto* characters = dynamic_cast<const CharacterEvent*>(event);
    if (!characters) return {};
    std::vector<CharID> ids;
    for (std::int32_t i = 0; i < characters->GetIDs().Count(); ++i)
        ids.push_back(characters->GetIDs().GetAt(i));
    return ids;
}

TEST(BracketedBroadcaster, PostOutsideABracketBroadcastsAtOnce) {
    KeepingBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    Event event;
    broadcaster.PostEvent(&event);
    EXPECT_EQ(listener.events, (std::vector<const Event*>{&event}));
    EXPECT_EQ(broadcaster.postedDirectly, (std::vector<const Event*>{&event}));
    // A null event is broadcast too, but is no direct post.
    broadcaster.PostEvent(nullptr);
    EXPECT_EQ(listener.events.size(), 2u);
    EXPECT_EQ(listener.events[1], nullptr);
    EXPECT_EQ(broadcaster.postedDirectly.size(), 1u);
    EXPECT_EQ(broadcaster.clones, 0);
}

TEST(BracketedBroadcaster, PostsInsideABracketArriveOnceAtItsEnd) {
    KeepingBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    Event first, second;
    {
        BroadcasterBracket bracket(&broadcaster);
        broadcaster.PostEvent(&first);
        broadcaster.PostEvent(&second);
        EXPECT_TRUE(listener.events.empty());
    }
    ASSERT_EQ(listener.events.size(), 1u);
    // The listeners hear the broadcaster's own merged copy, not one of the posted events.
    EXPECT_NE(listener.events[0], nullptr);
    EXPECT_NE(listener.events[0], &first);
    EXPECT_NE(listener.events[0], &second);
    EXPECT_TRUE(broadcaster.postedDirectly.empty());
    EXPECT_EQ(broadcaster.clones, 2);
}

TEST(BracketedBroadcaster, ABracketWithoutPostsBroadcastsNothing) {
    BracketedBroadcasterNULLEvt broadcaster;
    RecordingListener listener(&broadcaster);
    { BroadcasterBracket bracket(&broadcaster); }
    EXPECT_TRUE(listener.events.empty());
}

TEST(BracketedBroadcaster, OnlyTheOutermostBracketBroadcasts) {
    BracketedBroadcasterNULLEvt broadcaster;
    RecordingListener listener(&broadcaster);
    {
        BroadcasterBracket outer(&broadcaster);
        broadcaster.PostEvent(nullptr);
        {
            BroadcasterBracket inner(&broadcaster);
            broadcaster.PostEvent(nullptr);
            TNULLEvent event;
            broadcaster.PostEvent(&event);
        }
        EXPECT_TRUE(listener.events.empty());
    }
    // However many posts, one notification with a null event.
    EXPECT_EQ(listener.events, (std::vector<const Event*>{nullptr}));
}

TEST(BracketedBroadcaster, NullEventPostedOutsideABracketReachesEveryListener) {
    BracketedBroadcasterNULLEvt broadcaster;
    RecordingListener a(&broadcaster), b(&broadcaster);
    broadcaster.PostEvent(nullptr);
    EXPECT_EQ(a.events, (std::vector<const Event*>{nullptr}));
    EXPECT_EQ(b.events, (std::vector<const Event*>{nullptr}));
}

TEST(BracketedBroadcaster, CancelledBracketBroadcastsNothing) {
    KeepingBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    Event event;
    {
        BroadcasterBracket outer(&broadcaster);
        broadcaster.PostEvent(&event);
        {
            BroadcasterBracket inner(&broadcaster);
            broadcaster.CancelEvent();
        }
        // Posts after the cancel are dropped with the rest.
        broadcaster.PostEvent(&event);
    }
    EXPECT_TRUE(listener.events.empty());
    // The next bracket starts afresh.
    {
        BroadcasterBracket bracket(&broadcaster);
        broadcaster.PostEvent(&event);
    }
    EXPECT_EQ(listener.events.size(), 1u);
}

TEST(BracketedBroadcaster, CancelOutsideABracketDoesNotSwallowTheNextOne) {
    BracketedBroadcasterNULLEvt broadcaster;
    RecordingListener listener(&broadcaster);
    broadcaster.CancelEvent();
    {
        BroadcasterBracket bracket(&broadcaster);
        broadcaster.PostEvent(nullptr);
    }
    EXPECT_EQ(listener.events.size(), 1u);
}

TEST(BracketedBroadcaster, SuppressedEndBroadcastsNothingAndResets) {
    KeepingBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    Event event;
    broadcaster.BeginBracket();
    broadcaster.PostEvent(&event);
    broadcaster.EndBracket(true);
    EXPECT_TRUE(listener.events.empty());
    broadcaster.BeginBracket();
    broadcaster.EndBracket(false);
    EXPECT_TRUE(listener.events.empty());
}

TEST(BracketedBroadcaster, UnbalancedEndIsIgnored) {
    BracketedBroadcasterNULLEvt broadcaster;
    RecordingListener listener(&broadcaster);
    broadcaster.EndBracket(false);
    // Posts still go out at once: the bracket depth did not wrap round.
    broadcaster.PostEvent(nullptr);
    EXPECT_EQ(listener.events.size(), 1u);
    {
        BroadcasterBracket bracket(&broadcaster);
        broadcaster.PostEvent(nullptr);
        EXPECT_EQ(listener.events.size(), 1u);
    }
    EXPECT_EQ(listener.events.size(), 2u);
}

TEST(BracketedBroadcaster, BracketOnNoBroadcasterDoesNothing) { BroadcasterBracket bracket(nullptr); }

TEST(BracketedBroadcaster, ListenerPostingDuringABroadcastNotifiesAtOnce) {
    BracketedBroadcasterNULLEvt broadcaster;
    std::vector<std::string> log;
    RecordingListener a(&broadcaster, "a", &log), b(&broadcaster, "b", &log);
    bool posted = false;
    a.onNotify = [&] {
        if (posted) return;
        posted = true;
        broadcaster.PostEvent(nullptr);
    };
    {
        BroadcasterBracket bracket(&broadcaster);
        broadcaster.PostEvent(nullptr);
    }
    // The bracket's broadcast is under way (depth 0) when a posts, so a's post is broadcast inside it.
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "b", "b"}));
}

TEST(BracketedBroadcaster, DestroyedWhileABracketIsOpen) {
    auto broadcaster = std::make_unique<CharacterBroadcaster>();
    RecordingListener listener(broadcaster.get());
    {
        BroadcasterBracket bracket(broadcaster.get());
        const CharacterEvent event(4);
        broadcaster->PostEvent(&event);
        // The pending event goes with the broadcaster; the bracket's end then touches nothing.
        broadcaster.reset();
    }
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(listener.GetBroadcaster(), nullptr);
}

TEST(BracketedBroadcaster, DestroyedByAListenerAtTheBracketsEnd) {
    auto broadcaster = std::make_unique<CharacterBroadcaster>();
    RecordingListener first(broadcaster.get()), second(broadcaster.get());
    std::vector<CharID> heard;
    first.onNotify = [&] {
        heard = IDs(first.events.back());
        broadcaster.reset();
    };
    {
        BroadcasterBracket bracket(broadcaster.get());
        const CharacterEvent event(9);
        broadcaster->PostEvent(&event);
    }
    EXPECT_EQ(heard, (std::vector<CharID>{9}));
    EXPECT_TRUE(second.events.empty());
}

TEST(BracketedBroadcaster, DestroyedByAListenerOfADirectPost) {
    auto broadcaster = std::make_unique<KeepingBroadcaster>();
    RecordingListener listener(broadcaster.get());
    listener.onNotify = [&] { broadcaster.reset(); };
    Event event;
    KeepingBroadcaster* raw = broadcaster.get();
    raw->PostEvent(&event);
    EXPECT_EQ(listener.events.size(), 1u);
    EXPECT_EQ(broadcaster, nullptr);
}

TEST(CharacterBroadcaster, BracketMergesTheChangedCharactersInFirstSeenOrder) {
    CharacterBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    std::vector<std::vector<CharID>> heard;
    listener.onNotify = [&] { heard.push_back(IDs(listener.events.back())); };
    {
        BroadcasterBracket bracket(&broadcaster);
        const CharacterEvent first(7), again(7), second(3);
        broadcaster.PostEvent(&first);
        broadcaster.PostEvent(&again);
        broadcaster.PostEvent(nullptr);
        broadcaster.PostEvent(&second);
    }
    EXPECT_EQ(heard, (std::vector<std::vector<CharID>>{{7, 3}}));
}

TEST(CharacterBroadcaster, FirstEventIsCopiedWholeLaterOnesAddOnlyNewIds) {
    CharacterBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    std::vector<CharID> heard;
    listener.onNotify = [&] { heard = IDs(listener.events.back()); };
    {
        BroadcasterBracket bracket(&broadcaster);
        CharacterEvent first(2);
        first.GetIDs().Add(2);
        first.GetIDs().Add(5);
        CharacterEvent next(5);
        next.GetIDs().Add(1);
        next.GetIDs().Add(1);
        broadcaster.PostEvent(&first);
        broadcaster.PostEvent(&next);
    }
    EXPECT_EQ(heard, (std::vector<CharID>{2, 2, 5, 1}));
}

TEST(CharacterBroadcaster, NullPostsAloneGiveOneNullEvent) {
    CharacterBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    {
        BroadcasterBracket bracket(&broadcaster);
        broadcaster.PostEvent(nullptr);
    }
    EXPECT_EQ(listener.events, (std::vector<const Event*>{nullptr}));
}

TEST(CharacterBroadcaster, DirectPostHandsTheCallersEventOn) {
    CharacterBroadcaster broadcaster;
    RecordingListener listener(&broadcaster);
    const CharacterEvent event(11);
    broadcaster.PostEvent(&event);
    EXPECT_EQ(listener.events, (std::vector<const Event*>{&event}));
}

}  // namespace
