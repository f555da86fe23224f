#pragma once
// The print preview that a test's steps find open while the preview runs its own loop.

#include <cstdint>

#include "framework/AppEnvironment.h"
#include "framework/TDialog.h"
#include "items/printing/PrintViewDlog.h"

namespace printtest {

// The print preview open now among the environment's dialogs, or null.
inline PrintViewDlog* FindOpenPreview(AppEnvironment& environment) {
    PointerList& dialogs = environment.GetList(4);
    for (std::int32_t i = 0; i < dialogs.Count(); ++i) {
        auto* dialog = reinterpret_cast<TDialog*>(dialogs.GetAt(i));
        if (dialog && dialog->IsKindOf(PrintViewDlog::kClassId)) return static_cast<PrintViewDlog*>(dialog);
    }
    return nullptr;
}

}  // namespace printtest
