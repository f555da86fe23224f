#pragma once
// Printables made of printables: sequences that lay their children out top to bottom or left to
// right, lists that own their children, and the multi-column sequence that flows one child through
// columns side by side like a newspaper's. Each walks its children with an iterator of its own.

#include <cstdint>
#include <memory>
#include <vector>

#include "items/printing/Printable.h"

class IPrintProgHorzSequence;

class IPrintableObjectIterator {
public:
    virtual ~IPrintableObjectIterator() = default;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool IsDone() const = 0;
    virtual IPrintableObject* Current() const = 0;
    // Makes the printable's place current; nothing changes when it is not there.
    virtual void Seek(IPrintableObject* printable) = 0;
};

// Over a list of printables; done until First.
class PrintableItemListIterator : public IPrintableObjectIterator {
public:
    explicit PrintableItemListIterator(const std::vector<PrintablePtr>& list) : list_(list) {}
    void First() override { index_ = 0; }
    void Next() override { ++index_; }
    bool IsDone() const override;
    IPrintableObject* Current() const override;
    void Seek(IPrintableObject* printable) override;

private:
    const std::vector<PrintablePtr>& list_;
    std::int32_t index_ = -1;
};

// The one child, once for every column.
class MultiColumnIterator : public IPrintableObjectIterator {
public:
    MultiColumnIterator(IPrintableObject* child, std::int32_t count) : count_(count), child_(child) {}
    void First() override { index_ = 0; }
    void Next() override { ++index_; }
    bool IsDone() const override { return index_ >= count_; }
    IPrintableObject* Current() const override { return child_; }
    void Seek(IPrintableObject* printable) override { child_ = printable; }

private:
    std::int32_t index_ = 0;
    std::int32_t count_;
    IPrintableObject* child_;
};

class TPrintableCollection : public IPrintableObject {
public:
    // The kept iterator, made the first time.
    IPrintableObjectIterator& GetIterator();

protected:
    virtual std::unique_ptr<IPrintableObjectIterator> CreateIterator() = 0;

private:
    std::unique_ptr<IPrintableObjectIterator> iterator_;
};

class TPrintableVertSequence : public TPrintableCollection {
public:
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;
};

class TPrintableHorzSequence : public TPrintableCollection {
public:
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

    // Narrows a column's rectangle (nothing here).
    virtual void AdjustColumnRect(LongRect& /*column*/) {}
    // A child's column width; -1 (here) lets each child take its natural width.
    virtual std::int32_t GetColumnWidth(std::int32_t /*totalWidth*/, IPrintableObject* /*child*/) {
        return -1;
    }
    virtual std::unique_ptr<IPrintProgHorzSequence> CreateProgress();
};

// Owns its children and prints them top to bottom.
class PrintableVertList : public TPrintableVertSequence {
public:
    void Add(PrintablePtr child) { children_.push_back(std::move(child)); }
    std::size_t GetCount() const { return children_.size(); }

protected:
    std::unique_ptr<IPrintableObjectIterator> CreateIterator() override;

private:
    std::vector<PrintablePtr> children_;
};

// Owns its children and prints them left to right in columns of equal width.
class PrintableHorzList : public TPrintableHorzSequence {
public:
    explicit PrintableHorzList(std::int16_t columnCount) : columnCount_(columnCount) {}
    void Add(PrintablePtr child) { children_.push_back(std::move(child)); }
    // The width over the column count; 1 for a count of 0 or less.
    std::int32_t GetColumnWidth(std::int32_t totalWidth, IPrintableObject* child) override;

protected:
    std::unique_ptr<IPrintableObjectIterator> CreateIterator() override;

private:
    std::vector<PrintablePtr> children_;
    std::int16_t columnCount_;
};

// One child flowed through the columns: each column goes on from where the one before stopped.
class PrintableMultiColumnSequence : public TPrintableHorzSequence {
public:
    // A count below 1 gives one column.
    PrintableMultiColumnSequence(PrintablePtr child, std::int32_t columnCount);
    std::int32_t GetColumnWidth(std::int32_t totalWidth, IPrintableObject* child) override;
    std::unique_ptr<IPrintProgHorzSequence> CreateProgress() override;

protected:
    std::unique_ptr<IPrintableObjectIterator> CreateIterator() override;

private:
    PrintablePtr child_;
    std::int32_t columnCount_;
};
