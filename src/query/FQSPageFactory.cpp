#include "query/FQSPageFactory.h"

#include "query/FQSPage.h"
#include "query/data/PageClasses.h"

std::unique_ptr<FQSPage> CFQSPageFactory::CreatePage(std::int16_t classCode) {
    if (!PageKindForClass(classCode)) return nullptr;
    return std::make_unique<FQSPage>();
}

CFQSPageFactory& ProgramPageFactory() {
    static CFQSPageFactory factory;
    return factory;
}
