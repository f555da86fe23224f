#include "storymodel/ListenerMixins.h"

#include <gtest/gtest.h>

#include <memory>

#include "storymodel/CharacterBroadcaster.h"

namespace {

class StoryFormView : public MStoryFormListener {
public:
    using MStoryFormListener::MStoryFormListener;
    void StoryFormChanged(const Event* event) override { heard.push_back(event); }
    std::vector<const Event*> heard;
};

class SceneView : public MSceneListener {
public:
    using MSceneListener::MSceneListener;
    void ScenesChanged(const Event* event) override { heard.push_back(event); }
    std::vector<const Event*> heard;
};

class CastView : public MCharacterListener {
public:
    using MCharacterListener::MCharacterListener;
    void CharactersChanged(const CharacterEvent* event) override { heard.push_back(event); }
    std::vector<const CharacterEvent*> heard;
};

class TraitView : public MCharacteristicListener {
public:
    using MCharacteristicListener::MCharacteristicListener;
    void CharacteristicsChanged() override { ++changes; }
    int changes = 0;
};

class DocumentList : public MFKDocListener {
public:
    using MFKDocListener::MFKDocListener;
    void DocumentChanged(const FKDocEvent* event) override { heard.push_back(event); }
    std::vector<const FKDocEvent*> heard;
};

TEST(ListenerMixins, StoryFormAndSceneListenersHearForTheirLifetime) {
    BracketedBroadcasterNULLEvt storyForm, scenes;
    auto formView = std::make_unique<StoryFormView>(&storyForm);
    auto sceneView = std::make_unique<SceneView>(&scenes);
    storyForm.PostEvent(nullptr);
    EXPECT_EQ(formView->heard, (std::vector<const Event*>{nullptr}));
    EXPECT_TRUE(sceneView->heard.empty());
    scenes.PostEvent(nullptr);
    EXPECT_EQ(sceneView->heard.size(), 1u);
    // Destroyed views are no longer called.
    formView.reset();
    sceneView.reset();
    storyForm.PostEvent(nullptr);
    scenes.PostEvent(nullptr);
}

TEST(ListenerMixins, CharacterListenerGetsTheCharacterEvent) {
    CharacterBroadcaster characters;
    CastView view(&characters);
    const CharacterEvent event(3);
    characters.PostEvent(&event);
    EXPECT_EQ(view.heard, (std::vector<const CharacterEvent*>{&event}));
    // An event of another kind reaches the handler as null.
    Event other;
    characters.Broadcast(&other);
    EXPECT_EQ(view.heard.back(), nullptr);
}

TEST(ListenerMixins, CharacteristicListenerDropsTheEvent) {
    BracketedBroadcasterNULLEvt characteristics;
    TraitView view(&characteristics);
    {
        BroadcasterBracket bracket(&characteristics);
        characteristics.PostEvent(nullptr);
        characteristics.PostEvent(nullptr);
    }
    EXPECT_EQ(view.changes, 1);
}

TEST(ListenerMixins, DocumentListenerHearsTheApplicationsDocumentEvents) {
    Broadcaster application;
    DocumentList list(&application);
    FKDoc* document = reinterpret_cast<FKDoc*>(&list);  // any address: the event only carries it
    const FKDocEvent opened(FKDocEvent::kOpened, document);
    application.Broadcast(&opened);
    ASSERT_EQ(list.heard.size(), 1u);
    EXPECT_EQ(list.heard[0]->GetCode(), 1000u);
    EXPECT_EQ(list.heard[0]->GetDocument(), document);
    EXPECT_EQ(FKDocEvent::kClosing, 1001u);
}

TEST(ListenerMixins, DocumentListenerWithoutAnApplicationBindsToNothing) {
    DocumentList list(nullptr);
    EXPECT_EQ(list.GetBroadcaster(), nullptr);
}

TEST(ListenerMixins, SetBroadcasterMovesTheListener) {
    BracketedBroadcasterNULLEvt first, second;
    StoryFormView view(&first);
    view.SetBroadcaster(&second);
    first.PostEvent(nullptr);
    EXPECT_TRUE(view.heard.empty());
    second.PostEvent(nullptr);
    EXPECT_EQ(view.heard.size(), 1u);
}

}  // namespace
