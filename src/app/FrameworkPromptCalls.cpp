#include "app/FrameworkPromptCalls.h"

#include <memory>
#include <string>
#include <vector>

#include "foundation/Debug.h"
#include "framework/Alerts.h"
#include "framework/FileChoosers.h"
#include "framework/FileTypeList.h"
#include "framework/YesYesAllNoNoAllDialog.h"
#include "framework/graphics/Cursors.h"

namespace prompt_calls {
namespace {

// The chooser rows of the kinds; the labels stay the caller's.
std::unique_ptr<CustomFileList> MakeList(const std::vector<ChooserRow>& rows) {
    auto list = std::make_unique<CustomFileList>();
    for (const ChooserRow& row : rows) {
        TypeList* types = list->AddTypeList(row.label);
        for (const FourCC type : row.types) types->AddType(type);
    }
    return list;
}

}  // namespace

int Alert(const char* text, int iconKind) { return AlertMessage(text, iconKind, 1); }

int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) {
    return ::AskYesNoCancel(text, defaultSelector, noCancel);
}

std::int32_t AskYesYesAllNoNoAll(std::int16_t& state, const char* text, int defaultItem) {
    return ::AskYesYesAllNoNoAll(state, text, defaultItem);
}

void Beep() { ::Beep(); }
void BeginBusy() { PushCursor(-1); }
void EndBusy() { PopCursor(); }

bool ChooseOpenFile(const std::vector<ChooserRow>& rows, const char* title, FileRef& file) {
    const std::unique_ptr<CustomFileList> list = MakeList(rows);
    return ::ChooseOpenFile(nullptr, file, false, list.get(), title) == kFileChooserChosen;
}

bool AskSaveFile(const std::vector<ChooserRow>& rows, FourCC defaultType, const char* title, const char* reason,
                 FileRef& file) {
    const std::unique_ptr<CustomFileList> list = MakeList(rows);
    return ::AskSaveFile(list.get(), defaultType ? &defaultType : nullptr, title, reason, file) ==
           kFileChooserChosen;
}

}  // namespace prompt_calls
