#include "query/keywords/SceneKeywords.h"

#include <cstring>
#include <string>

#include "query/data/FQSInterpretation.h"
#include "query/keywords/KeywordSupport.h"
#include "query/keywords/ScenePageReferences.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"

using keywords::SceneOf;
using keywords::ScenesOf;

namespace {

// Room for a scene's display name or title.
constexpr std::uint32_t kNameRoom = 256;

void Empty(char* buffer, std::int32_t size) {
    if (buffer && size > 0) buffer[0] = '\0';
}

// The storytelling position selected in the scene list page running the keyword, when it names a
// scene; -1 otherwise.
std::int32_t SelectedScenePosition(SceneManager& scenes) {
    const IKeywordSceneListPage* page = CurrentSceneListPage();
    const std::int32_t position = page ? page->GetSelectedPosition() : -1;
    return position >= 0 && position < scenes.GetSceneCount() ? position : -1;
}

// A go-to the page of the topic for the scene at the position.
FQSGoToTarget ScenePage(std::int16_t topic, std::int32_t position) {
    FQSGoToTarget target;
    target.topic = topic;
    target.scenePosition = static_cast<std::int16_t>(position);
    return target;
}

}  // namespace

// --- Scene texts

void SceneTextField::GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                             std::int32_t size) {
    Empty(buffer, size);
    Scene* scene = SceneOf(document, binding.GetScene());
    if (scene && size > 0) (scene->*get_)(buffer, static_cast<std::uint32_t>(size));
}

void SceneTextField::SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) {
    if (Scene* scene = SceneOf(document, binding.GetScene())) (scene->*set_)(text ? text : "");
}

KSceneText::KSceneText() : SceneTextField("SceneText", &Scene::GetDescription, &Scene::SetDescription) {}

KSceneAppr::KSceneAppr()
    : SceneTextField("SceneAppr", &Scene::GetAppreciationText, &Scene::SetAppreciationText) {}

KScRefTitle::KScRefTitle() : SceneTextField("ScRefTitle", &Scene::GetTitle, &Scene::SetTitle) {}

std::uint32_t KScRefTitle::TextLimit() const { return static_cast<std::uint32_t>(kComparedLength); }

void KScRefTitle::SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) {
    Scene* scene = SceneOf(document, binding.GetScene());
    if (!scene) return;
    char stored[kComparedLength + 1] = {};
    scene->GetTitle(stored, sizeof stored);
    const char* title = text ? text : "";
    if (std::strncmp(stored, title, kComparedLength) != 0) scene->SetTitle(title);
}

// --- The category

void KSceneCatRef::GetText(IStoryDocument* document, const FQSInterpretation&, char* buffer,
                           std::int32_t size) {
    Empty(buffer, size);
    SceneManager* scenes = ScenesOf(document);
    if (scenes && size > 0) scenes->GetCategoryName(buffer, static_cast<std::uint32_t>(size));
}

void KSceneCatRef::SetText(IStoryDocument* document, const FQSInterpretation&, const char* text) {
    // The manager keeps at most 79 characters, stores them in the story and the preferences, and
    // announces the change, only when the kept name differs.
    if (SceneManager* scenes = ScenesOf(document)) scenes->SetCategoryName(text);
}

std::uint32_t KSceneCatRef::TextLimit() const {
    return static_cast<std::uint32_t>(SceneManager::kMaxCategoryName);
}

TFQSInterpretable* KSceneCat::Interpret(char* out, const char*&, std::int32_t remaining,
                                        IStoryDocument* document, FQSInterpretation&, std::int32_t&) {
    if (SceneManager* scenes = ScenesOf(document))
        keywords::WriteWhole(out, scenes->CategoryName().c_str(), remaining);
    return nullptr;
}

// --- Titles

TFQSInterpretable* KSceneTitle::Interpret(char* out, const char*&, std::int32_t remaining,
                                          IStoryDocument* document, FQSInterpretation& interpretation,
                                          std::int32_t&) {
    Scene* scene = SceneOf(document, interpretation.GetScene());
    if (!scene) return nullptr;
    char name[kNameRoom] = {};
    scene->GetTitle(name, sizeof name);
    if (name[0] == '\0') scene->GetDisplayName(name, sizeof name);
    keywords::WriteWhole(out, name, remaining);
    return nullptr;
}

TFQSInterpretable* KSceneWkTitle::Interpret(char* out, const char*&, std::int32_t remaining,
                                            IStoryDocument* document, FQSInterpretation& interpretation,
                                            std::int32_t&) {
    Scene* scene = SceneOf(document, interpretation.GetScene());
    if (!scene) return nullptr;
    char name[kNameRoom] = {};
    scene->GetDisplayName(name, sizeof name);
    keywords::WriteWhole(out, name, remaining);
    return nullptr;
}

// --- Storytelling mode

std::int16_t KSceneSTell::GetChoice(IStoryDocument* document, const FQSInterpretation&) {
    SceneManager* scenes = ScenesOf(document);
    return scenes ? scenes->GetStorytellingMode() : 0;
}

void KSceneSTell::SetChoice(IStoryDocument* document, const FQSInterpretation&, std::int16_t value) {
    if (SceneManager* scenes = ScenesOf(document)) scenes->SetStorytellingMode(value);
}

void KSceneSTell::CheckChanged(IStoryDocument* document, const FQSInterpretation& binding,
                               std::int16_t value) {
    SetChoice(document, binding, value);
    if (IKeywordScenePage* page = CurrentScenePage()) page->RebuildPage();
}

// --- Adding and deleting scenes

void KSceneAdd::Execute(IStoryDocument* document, const FQSInterpretation&) {
    SceneManager* scenes = ScenesOf(document);
    if (!scenes) return;
    if (scenes->InsertScene(SelectedScenePosition(*scenes)) < 0) {
        keywords::WarningBeep();
        return;
    }
    keywords::RequestGoTo(document);
}

void KSceneDel::Execute(IStoryDocument* document, const FQSInterpretation&) {
    SceneManager* scenes = ScenesOf(document);
    if (!scenes || SelectedScenePosition(*scenes) < 0) {
        keywords::WarningBeep();
        return;
    }
    if (!keywords::ConfirmYes(kQuestion)) return;
    // Looked at again: while the question was shown the scenes may have changed.
    const std::int32_t position = SelectedScenePosition(*scenes);
    if (position < 0) return;
    keywords::DeleteScene(document, position);
    keywords::RequestGoTo(document);
}

void KSceneDes::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    SceneManager* scenes = ScenesOf(document);
    const std::int32_t position = scenes ? SelectedScenePosition(*scenes) : -1;
    if (position < 0) {
        keywords::WarningBeep();
        return;
    }
    keywords::RequestGoTo(document, ScenePage(static_cast<std::int16_t>(binding.GetParameter()), position));
}

void KSceneAdDs::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    SceneManager* scenes = ScenesOf(document);
    const IKeywordScenePage* page = CurrentScenePage();
    const Scene* scene = page ? SceneOf(document, page->GetSceneId()) : nullptr;
    const std::int32_t position = scene ? scenes->InsertScene(scene->GetPosition() + 1) : -1;
    if (position < 0) {
        keywords::WarningBeep();
        return;
    }
    keywords::RequestGoTo(document, ScenePage(static_cast<std::int16_t>(binding.GetParameter()), position));
}

void KSceneDelThis::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    SceneManager* scenes = ScenesOf(document);
    const Scene* scene = SceneOf(document, binding.GetScene());
    const std::int32_t position = scene ? scene->GetPosition() : -1;
    if (!scenes || position < 0 || position >= scenes->GetSceneCount()) {
        keywords::WarningBeep();
        return;
    }
    // The page's fields are bound to the scene: leaving the page must not write them back.
    keywords::DiscardPageAnswers(document);
    keywords::DeleteScene(document, position);
    keywords::SelectAway(document);
}
