#pragma once
// What a report generator view asks of its owner: the record that holds the report options (the
// 'REPT' preferences record) and the owner's vocabulary option, which some report sections read to
// decide whether to explain the terms they use. The Reports window and the printing of one report
// without a window are the owners.

#include <cstdint>

class PText;

class IOutlineWindow {
public:
    virtual ~IOutlineWindow() = default;

    // The report options record; null when the program has none.
    virtual PText* GetReportOptions() = 0;
    // Nonzero when the owner adds a vocabulary list to its reports.
    virtual std::int16_t GetVocabularyOption() = 0;
};
