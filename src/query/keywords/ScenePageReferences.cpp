#include "query/keywords/ScenePageReferences.h"

namespace {

IKeywordScenePage* gScenePage = nullptr;
IKeywordSceneListPage* gSceneListPage = nullptr;

}  // namespace

IKeywordScenePage* CurrentScenePage() { return gScenePage; }

IKeywordSceneListPage* CurrentSceneListPage() { return gSceneListPage; }

CurrentScenePageScope::CurrentScenePageScope(IKeywordScenePage& page) : previous_(gScenePage) {
    gScenePage = &page;
}

CurrentScenePageScope::~CurrentScenePageScope() { gScenePage = previous_; }

CurrentSceneListPageScope::CurrentSceneListPageScope(IKeywordSceneListPage& page)
    : previous_(gSceneListPage) {
    gSceneListPage = &page;
}

CurrentSceneListPageScope::~CurrentSceneListPageScope() { gSceneListPage = previous_; }
