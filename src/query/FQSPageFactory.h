#pragma once
// The page factory: turns a page record's class code into a new page of that class. One factory
// lives for the whole program and every query window is given it.
//
// Every class code of the page table makes a page; each kind of page is the plain page until its
// own class is in this version. A code outside the table makes none.

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
