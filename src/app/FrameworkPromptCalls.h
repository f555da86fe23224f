#pragma once
// The window framework's boxes and choosers as the story model's prompts call them. Kept apart
// from the prompts themselves, as the model and the framework name their answers alike.

#include <cstdint>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Types.h"

namespace prompt_calls {

// One row of a chooser: its label and the types it shows.
struct ChooserRow {
    const char* label;
    std::vector<FourCC> types;
};

int Alert(const char* text, int iconKind);
int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel);
// The answer holder as the framework's question keeps it (-1 until an answer for all).
std::int32_t AskYesYesAllNoNoAll(std::int16_t& state, const char* text, int defaultItem);
void Beep();
void BeginBusy();
void EndBusy();
// True when a file was chosen.
bool ChooseOpenFile(const std::vector<ChooserRow>& rows, const char* title, FileRef& file);
bool AskSaveFile(const std::vector<ChooserRow>& rows, FourCC defaultType, const char* title, const char* reason,
                 FileRef& file);

}  // namespace prompt_calls
