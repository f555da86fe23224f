#include "storymodel/Broadcaster.h"

#include <gtest/gtest.h>

#include <memory>

#include "RecordingListener.h"

namespace {

using Log = std::vector<std::string>;

TEST(Broadcaster, NotifiesEveryListenerInOrderOfRegistration) {
    Broadcaster broadcaster;
    Log log;
    RecordingListener a(&broadcaster, "a", &log), b(&broadcaster, "b", &log), c(&broadcaster, "c", &log);
    Event event;
    broadcaster.Broadcast(&event);
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"a", "b", "c", "a", "b", "c"}));
    EXPECT_EQ(a.events, (std::vector<const Event*>{&event, nullptr}));
}

TEST(Broadcaster, ListenerRegisteredTwiceIsCalledTwiceUntilRemoved) {
    Broadcaster broadcaster;
    RecordingListener listener(nullptr);
    EXPECT_EQ(broadcaster.AddListener(&listener), 0);
    EXPECT_EQ(broadcaster.AddListener(&listener), 1);
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(listener.events.size(), 2u);
    EXPECT_EQ(broadcaster.RemoveListener(&listener), 0);
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(listener.events.size(), 3u);
    EXPECT_EQ(broadcaster.RemoveListener(&listener), 0);
    EXPECT_EQ(broadcaster.RemoveListener(&listener), -1);
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(listener.events.size(), 3u);
}

TEST(Broadcaster, ListenerAddedDuringABroadcastHearsIt) {
    Broadcaster broadcaster;
    Log log;
    RecordingListener late(nullptr, "late", &log);
    RecordingListener first(&broadcaster, "first", &log);
    first.onNotify = [&] {
        if (late.GetBroadcaster() == nullptr) late.SetBroadcaster(&broadcaster);
    };
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"first", "late"}));
}

TEST(Broadcaster, ListenerRemovingItselfDuringABroadcastSkipsNoOther) {
    Broadcaster broadcaster;
    Log log;
    RecordingListener a(&broadcaster, "a", &log), b(&broadcaster, "b", &log), c(&broadcaster, "c", &log);
    b.onNotify = [&] { b.SetBroadcaster(nullptr); };
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"a", "b", "c"}));
    log.clear();
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"a", "c"}));
}

TEST(Broadcaster, RemovingEarlierOrLaterListenersDuringABroadcast) {
    Broadcaster broadcaster;
    Log log;
    RecordingListener a(&broadcaster, "a", &log), b(&broadcaster, "b", &log), c(&broadcaster, "c", &log),
        d(&broadcaster, "d", &log);
    // b removes a (already called) and d (not yet called): c is still called, d is not.
    b.onNotify = [&] {
        a.SetBroadcaster(nullptr);
        d.SetBroadcaster(nullptr);
    };
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"a", "b", "c"}));
}

TEST(Broadcaster, ListenerDestroyedDuringABroadcastIsNotCalledAgain) {
    Broadcaster broadcaster;
    Log log;
    RecordingListener a(&broadcaster, "a", &log);
    auto doomed = std::make_unique<RecordingListener>(&broadcaster, "doomed", &log);
    RecordingListener c(&broadcaster, "c", &log);
    a.onNotify = [&] { doomed.reset(); };
    broadcaster.Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"a", "c"}));
}

TEST(Broadcaster, RemovalsInsideANestedBroadcastKeepBothBroadcastsInStep) {
    Broadcaster broadcaster;
    Log log;
    RecordingListener a(&broadcaster, "a", &log), b(&broadcaster, "b", &log), c(&broadcaster, "c", &log);
    bool nested = false;
    // During the outer broadcast, b starts a second one in which a removes itself.
    b.onNotify = [&] {
        if (nested) return;
        nested = true;
        a.onNotify = [&] { a.SetBroadcaster(nullptr); };
        broadcaster.Broadcast(nullptr);
    };
    broadcaster.Broadcast(nullptr);
    // outer: a, b (inner: a, b, c), then c once more for the outer broadcast.
    EXPECT_EQ(log, (Log{"a", "b", "a", "b", "c", "c"}));
}

TEST(Broadcaster, DestroyedDuringABroadcastEndsItSafely) {
    auto broadcaster = std::make_unique<Broadcaster>();
    Log log;
    RecordingListener a(broadcaster.get(), "a", &log), b(broadcaster.get(), "b", &log);
    auto c = std::make_unique<RecordingListener>(broadcaster.get(), "c", &log);
    b.onNotify = [&] { broadcaster.reset(); };
    Broadcaster* raw = broadcaster.get();
    raw->Broadcast(nullptr);
    EXPECT_EQ(log, (Log{"a", "b"}));
    // Every listener has forgotten the broadcaster, so destroying them touches nothing.
    EXPECT_EQ(a.GetBroadcaster(), nullptr);
    EXPECT_EQ(b.GetBroadcaster(), nullptr);
    EXPECT_EQ(c->GetBroadcaster(), nullptr);
    c.reset();
}

TEST(Broadcaster, DestroyedBeforeItsListenersLeavesThemUnbound) {
    RecordingListener survivor(nullptr);
    {
        Broadcaster broadcaster;
        survivor.SetBroadcaster(&broadcaster);
        EXPECT_EQ(survivor.GetBroadcaster(), &broadcaster);
    }
    EXPECT_EQ(survivor.GetBroadcaster(), nullptr);
    // Binding to another broadcaster afterwards works as usual.
    Broadcaster other;
    survivor.SetBroadcaster(&other);
    other.Broadcast(nullptr);
    EXPECT_EQ(survivor.events.size(), 1u);
}

TEST(Broadcaster, ListenersWithoutABroadcasterTouchNone) {
    Broadcaster broadcaster;
    auto listener = std::make_unique<RecordingListener>(&broadcaster);
    listener->SetBroadcaster(nullptr);
    listener.reset();
    broadcaster.Broadcast(nullptr);
    RecordingListener unbound(nullptr);
    EXPECT_EQ(unbound.GetBroadcaster(), nullptr);
}

}  // namespace
