#pragma once
// The scene page and the scene list page that are running a scene keyword. A page makes itself the
// current one only while it calls a keyword (with the scope below), so a keyword run from any other
// page finds none.

#include <cstdint>

// What the scene keywords ask of the scene page that runs them.
class IKeywordScenePage {
public:
    virtual ~IKeywordScenePage() = default;
    // The id of the page's scene; -1 for none.
    virtual std::int16_t GetSceneId() const = 0;
    // Builds the page again from the story.
    virtual void RebuildPage() = 0;
};

// What the scene keywords ask of the scene list page that runs them.
class IKeywordSceneListPage {
public:
    virtual ~IKeywordSceneListPage() = default;
    // The storytelling position of the selected row; -1 when no row is selected.
    virtual std::int32_t GetSelectedPosition() const = 0;
};

// Null when no such page runs a keyword.
IKeywordScenePage* CurrentScenePage();
IKeywordSceneListPage* CurrentSceneListPage();

// Makes the page the current one for the scope's life; the one before is current again after.
class CurrentScenePageScope {
public:
    explicit CurrentScenePageScope(IKeywordScenePage& page);
    ~CurrentScenePageScope();
    CurrentScenePageScope(const CurrentScenePageScope&) = delete;
    CurrentScenePageScope& operator=(const CurrentScenePageScope&) = delete;

private:
    IKeywordScenePage* previous_;
};

class CurrentSceneListPageScope {
public:
    explicit CurrentSceneListPageScope(IKeywordSceneListPage& page);
    ~CurrentSceneListPageScope();
    CurrentSceneListPageScope(const CurrentSceneListPageScope&) = delete;
    CurrentSceneListPageScope& operator=(const CurrentSceneListPageScope&) = delete;

private:
    IKeywordSceneListPage* previous_;
};
