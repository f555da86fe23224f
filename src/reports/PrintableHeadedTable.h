#pragma once
// A table whose header row is printed again at the top of every page the table goes on to, and
// which takes only the height its rows use: the printable of one group of the story points report.
// Tables of several groups follow each other on a page, and the pages keep the report's numbering.

#include <cstdint>

#include "items/printing/Printable.h"

class PrintableHeadedTable : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    // Either part may be none.
    PrintableHeadedTable(PrintingEnvironment* environment, PrintablePtr header, PrintablePtr body);

    // The body's rows that fit below the header; the header is printed only with at least one of
    // them, so a table that does not fit under what stands on the page goes on to the next one whole.
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

private:
    PrintablePtr header_;
    PrintablePtr body_;
};
