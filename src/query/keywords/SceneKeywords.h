#pragma once
// The scene keywords: edit fields bound to the texts of the page's scene and to the story's scene
// category name, the texts of the category and of the scene's title, the story's scene storytelling
// mode, and buttons that add and delete scenes and go to a scene's page.
//
// "The scene" is the one whose id is the context's scene; a keyword whose scene is none or gone
// (deleted in another window since the page was made) reads nothing and writes nothing. The
// buttons of the scene list page work on its selected position, those of the scene page on its
// scene (ScenePageReferences.h).

#include <cstdint>

#include "query/data/KeywordBases.h"

class Scene;

// Registers the 13 scene keywords (once; later calls do nothing).
void RegisterSceneKeywords();

// An edit field bound to one text of the scene.
class SceneTextField : public FQSExecutable {
public:
    using Getter = void (Scene::*)(char*, std::uint32_t);
    using Setter = void (Scene::*)(const char*);

    SceneTextField(const char* name, Getter get, Setter set) : FQSExecutable(name), get_(get), set_(set) {}

    void GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                 std::int32_t size) override;
    void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) override;

private:
    Getter get_;
    Setter set_;
};

// The scene's description.
class KSceneText final : public SceneTextField {
public:
    KSceneText();
};

// The scene's appreciation text.
class KSceneAppr final : public SceneTextField {
public:
    KSceneAppr();
};

// The scene's title, stored only when it differs from the stored one over its first 80 bytes.
class KScRefTitle final : public SceneTextField {
public:
    static constexpr std::size_t kComparedLength = 80;
    KScRefTitle();
    void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) override;
    // A field stops where the comparison does, so every change it takes is stored.
    std::uint32_t TextLimit() const override;
};

// The story's scene category name; a changed name is stored in the story and as the default of
// new stories, and announced to the scene listeners.
class KSceneCatRef final : public FQSExecutable {
public:
    KSceneCatRef() : FQSExecutable("SceneCatRef") {}
    void GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                 std::int32_t size) override;
    void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) override;
    // The most of a name the story keeps.
    std::uint32_t TextLimit() const override;
};

// Writes the scene category name.
class KSceneCat final : public TFQSInterpretable {
public:
    KSceneCat() : TFQSInterpretable("SceneCat") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// Writes the scene's title, or its display name ("Scene #3", "Scene #3 - Title") when it has none.
class KSceneTitle final : public TFQSInterpretable {
public:
    KSceneTitle() : TFQSInterpretable("SceneTitle") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// Writes the scene's display name.
class KSceneWkTitle final : public TFQSInterpretable {
public:
    KSceneWkTitle() : TFQSInterpretable("SceneWkTitle") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// The story's scene storytelling mode, as a popup or a check box; the check box builds the scene
// page again.
class KSceneSTell final : public FQSExecutable {
public:
    KSceneSTell() : FQSExecutable("SceneSTell") {}
    std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding) override;
    void SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) override;
    void CheckChanged(IStoryDocument* document, const FQSInterpretation& binding,
                      std::int16_t value) override;
};

// A new scene at the scene list's selected position, at the end without one.
class KSceneAdd final : public FQSExecutable {
public:
    KSceneAdd() : FQSExecutable("SceneAdd") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Deletes the scene selected in the scene list after a confirmation.
class KSceneDel final : public FQSExecutable {
public:
    static constexpr const char* kQuestion =
        "Are you sure you want to delete this scene? You will lose any text you have entered.";
    KSceneDel() : FQSExecutable("SceneDel") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Goes to the page of the parameter's topic for the scene selected in the scene list.
class KSceneDes final : public FQSExecute1Param {
public:
    KSceneDes() : FQSExecute1Param("SceneDes") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// A new scene right after the scene page's scene, then the page of the parameter's topic for it.
class KSceneAdDs final : public FQSExecute1Param {
public:
    KSceneAdDs() : FQSExecute1Param("SceneAdDs") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Deletes the page's scene without asking, and moves off its page.
class KSceneDelThis final : public FQSExecutable {
public:
    KSceneDelThis() : FQSExecutable("SceneDelThis") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};
