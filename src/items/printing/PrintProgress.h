#pragma once
// The progress records of the sequences: where a vertical sequence goes on (a child and that
// child's own record), and, for horizontal sequences, each column's record and whether it has
// finished, with the column the next page starts from.

#include <cstdint>
#include <vector>

#include "items/printing/Printable.h"

class PrintProgVertSequence : public TPrintProgress {
public:
    PrintProgVertSequence(IPrintableObject* child, ProgressPtr childProgress)
        : child_(child), childProgress_(std::move(childProgress)) {}

    ProgressPtr Clone() const override;

    IPrintableObject* GetChild() const { return child_; }
    // The child's record; the slot is left empty.
    ProgressPtr TakeChildProgress() { return std::move(childProgress_); }

private:
    IPrintableObject* child_;
    ProgressPtr childProgress_;
};

class IPrintProgHorzSequence : public TPrintProgress {
public:
    // The child and column become current, with the column's record and finished flag.
    virtual void SetColumnState(IPrintableObject* child, std::int32_t column, ProgressPtr childProgress,
                                bool finished) = 0;
    virtual void MoveTo(IPrintableObject* child, std::int32_t column) = 0;
    virtual std::int32_t GetColumn() const = 0;
    virtual IPrintableObject* GetChild() const = 0;
    virtual bool IsPending() const = 0;
    virtual void SetPending(bool pending) = 0;
    // The current column's record, taken out (none when there is none).
    virtual ProgressPtr GetColumnProgress() = 0;
    virtual bool IsChildFinished() const = 0;
};

class PrintProgHorzSequence : public IPrintProgHorzSequence {
public:
    ProgressPtr Clone() const override;
    void SetColumnState(IPrintableObject* child, std::int32_t column, ProgressPtr childProgress,
                        bool finished) override;
    void MoveTo(IPrintableObject* child, std::int32_t column) override;
    std::int32_t GetColumn() const override { return column_; }
    IPrintableObject* GetChild() const override { return child_; }
    bool IsPending() const override { return pending_ != 0; }
    void SetPending(bool pending) override { pending_ = pending ? 1 : 0; }
    ProgressPtr GetColumnProgress() override;
    bool IsChildFinished() const override;

private:
    std::uint16_t pending_ = 0;
    std::int32_t column_ = 0;
    IPrintableObject* child_ = nullptr;
    std::vector<ProgressPtr> childProgress_;
    std::vector<std::uint16_t> finished_;
};

// The record of a multi-column sequence, whose one child flows from column to column.
class PrintProgMultiCol : public IPrintProgHorzSequence {
public:
    ProgressPtr Clone() const override;
    void SetColumnState(IPrintableObject* child, std::int32_t column, ProgressPtr childProgress,
                        bool finished) override;
    void MoveTo(IPrintableObject* child, std::int32_t /*column*/) override { child_ = child; }
    std::int32_t GetColumn() const override { return 0; }
    IPrintableObject* GetChild() const override { return child_; }
    bool IsPending() const override { return pending_ > 0; }
    void SetPending(bool pending) override { pending_ = pending ? 1 : 0; }
    ProgressPtr GetColumnProgress() override { return std::move(childProgress_); }
    bool IsChildFinished() const override { return pending_ <= 0; }

private:
    std::int16_t pending_ = 0;
    IPrintableObject* child_ = nullptr;
    ProgressPtr childProgress_;
};

// A clone of the record, or none for none.
inline ProgressPtr CloneProgress(const TPrintProgress* progress) {
    return progress ? progress->Clone() : nullptr;
}
