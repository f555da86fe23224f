#include "query/FQSPageFactory.h"

#include "query/FQSHomePage.h"
#include "query/FQSPage.h"
#include "query/FQSRadioPages.h"
#include "query/FQSSceneListPage.h"
#include "query/FQSScenePage.h"
#include "query/FQSStructuralFinderPage.h"
#include "query/FQSTextWrapPage.h"
#include "query/data/PageClasses.h"

std::unique_ptr<FQSPage> CFQSPageFactory::CreatePage(std::int16_t classCode) {
    const std::optional<FQSPageKind> kind = PageKindForClass(classCode);
    if (!kind) return nullptr;
    switch (*kind) {
        case FQSPageKind::kDynamicRadio: return std::make_unique<FQSDynamicRadioPage>();
        case FQSPageKind::kGeneralRadio: return std::make_unique<FQSGeneralRadioPage>();
        case FQSPageKind::kSceneList: return std::make_unique<FQSSceneListPage>();
        case FQSPageKind::kScene: return std::make_unique<FQSScenePage>();
        case FQSPageKind::kRecap: return std::make_unique<FQSTextWrapPage>();
        case FQSPageKind::kStructuralFinder: return std::make_unique<FQSStructuralFinderPage>();
        case FQSPageKind::kHome: return std::make_unique<FQSHomePage>();
        default: return std::make_unique<FQSPage>();
    }
}

CFQSPageFactory& ProgramPageFactory() {
    static CFQSPageFactory factory;
    return factory;
}
