#pragma once
// The page factory: turns a page record's class code into a new page of that class. One factory
// lives for the whole program and every query window is given it.
//
// Every class code of the page table makes a page: 1 a dynamic radio page, 3 a general radio page,
// 4 the scene list, 5 a scene's page, 75 a recap, 100 the structural finder, 999 the home page; the
// plain questions (0 and 2) are plain pages. A code outside the table makes none.

#include <cstdint>
#include <memory>

class FQSPage;

class IFQSPageFactory {
public:
    virtual ~IFQSPageFactory() = default;
    // A new page for the class code, or null.
    virtual std::unique_ptr<FQSPage> CreatePage(std::int16_t classCode) = 0;
};

class CFQSPageFactory : public IFQSPageFactory {
public:
    std::unique_ptr<FQSPage> CreatePage(std::int16_t classCode) override;
};

// The program's one page factory.
CFQSPageFactory& ProgramPageFactory();
