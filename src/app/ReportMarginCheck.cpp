#include "app/ReportMarginCheck.h"

#include <cstdio>

#include "framework/Alerts.h"
#include "items/printing/PrintRecord.h"

namespace {

// Room a report needs on the paper besides its margins: three inches across, four down.
constexpr int kReservedWidth = 216;
constexpr int kReservedHeight = 288;
// What a refusal adds to the excess, in inches.
constexpr double kExtraInches = 0.02;

// Whether the margin reaches the unprintable border, compared in hundredths of an inch.
bool IsInside(std::int16_t margin, std::int16_t unprintable) {
    return static_cast<int>((margin / 72.0 + 0.015) * 100) >= static_cast<int>(100 * unprintable / 72.0);
}

std::int16_t Refuse(const char* format, double inches) {
    char text[1024];
    std::snprintf(text, sizeof text, format, inches, "inches");
    AlertMessage(text, kAlertStop, 1);
    return 0;
}

}  // namespace

std::int16_t CheckReportMargins(PrintRecord* record, ReportMargins& margins) {
    if (record && !record->HasPrinterDC()) record->CreatePrinterDC();
    std::int16_t width = 0, height = 0;
    if (!record || !record->HasPrinterDC() || record->GetPaperSize(width, height) != 0) {
        AlertMessage(kNoPrinterText, kAlertStop, 1);
        return 1;
    }
    ReportMargins unprintable;
    record->GetUnprintableMargins(unprintable.left, unprintable.top, unprintable.right, unprintable.bottom);
    const int paperWidth = width - kReservedWidth;
    const int paperHeight = height - kReservedHeight;

    std::int16_t* const sides[] = {&margins.top, &margins.left, &margins.bottom, &margins.right};
    const std::int16_t borders[] = {unprintable.top, unprintable.left, unprintable.bottom, unprintable.right};
    bool outside[4] = {};
    bool anyOutside = false;
    for (int i = 0; i < 4; ++i) {
        outside[i] = !IsInside(*sides[i], borders[i]);
        anyOutside = anyOutside || outside[i];
    }
    if (anyOutside) {
        switch (AskYesNoCancel(kRaiseMarginsQuestion, 0, false)) {
            case kAnswerYes:
                // Just inside the printable area: one point past the border.
                for (int i = 0; i < 4; ++i) {
                    if (outside[i]) *sides[i] = static_cast<std::int16_t>(borders[i] + 1);
                }
                break;
            case kAnswerNo: break;
            default: return 0;
        }
    }

    const int across = margins.left + margins.right;
    const int down = margins.top + margins.bottom;
    if (across >= paperWidth) {
        const double excess = (across - paperWidth) / 72.0 + kExtraInches;
        if (across / 72.0 - (unprintable.left + unprintable.right) / 72.0 >= excess)
            return Refuse(kTooWideFormat, excess);
        AlertMessage(kScalingWarningText, kAlertStop, 1);
        return 1;
    }
    if (down >= paperHeight) return Refuse(kTooTallFormat, (down - paperHeight) / 72.0 + kExtraInches);
    return 1;
}
