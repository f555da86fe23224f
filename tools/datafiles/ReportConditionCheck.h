#pragma once
// The texts of the report templates may wait on the storyform's choices (src/reports/
// ReportConditions.h): {IFCH(code,...)} words while chosen {ELSE} words otherwise {ENDIF}.
// CheckReportTemplate holds each condition to that form, its codes to the story points there are,
// and its first part to naming only story points that its condition names (so a writer never reads
// "an unchosen item" there); then both parts and the text around them pass the macro check.

#include <string_view>

#include "datafiles/MacroCheck.h"

void CheckReportTemplate(std::string_view text, const SourcePlace& place, const MacroError& error,
                         CompiledSegment& segment);
