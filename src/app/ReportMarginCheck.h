#pragma once
// The check of report margins against the printer's page, before the report page of the
// preferences window accepts them: margins inside the printer's unprintable border may be raised
// (the writer is asked), and margins that leave no room on the paper are refused with how much
// they must shrink. Without a printer nothing is refused.

#include <cstdint>

class PrintRecord;

// Margins in points (1/72 inch).
struct ReportMargins {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;

    friend bool operator==(const ReportMargins&, const ReportMargins&) = default;
};

// The message and questions of the check.
inline constexpr const char* kNoPrinterText =
    "The printer does not seem to be set up correctly.  Check your printer settings before attempting to "
    "print a report.";
inline constexpr const char* kRaiseMarginsQuestion =
    "One or more margins are set outside the printable area of the page. Do you want to increase the "
    "appropriate margins?";
inline constexpr const char* kTooWideFormat =
    "Left and Right margins are too large for the current paper size.  Reduce margins by at least %6.2f %s, "
    "or decrease the scaling factor in the Print Setup dialog";
inline constexpr const char* kScalingWarningText =
    "WARNING!  The scaling factor set in the Print Setup dialog is too large to correctly print your "
    "document.  Please open the Page Setup dialog and reduce the scaling percentage.";
inline constexpr const char* kTooTallFormat =
    "Top and Bottom margins are too large for the current paper size.\nReduce margins by at least %6.2f %s.";

// Checks the margins against the record's printer (its context made when it has none): 1 when
// they may be kept (possibly raised to just inside the printable area, when the writer agreed), 0
// when the writer must change them. A null record counts as no printer.
std::int16_t CheckReportMargins(PrintRecord* record, ReportMargins& margins);
