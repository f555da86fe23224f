#include "widgets/WidgetClasses.h"

#include <new>

#include "framework/ItemObjectFactory.h"
#include "widgets/Popup.h"

namespace {

TObject* ReadPopup(ItemList* owner, IReadFile& stream, ErrCode* error) {
    return new (std::nothrow) Popup(owner, stream, error);
}

}  // namespace

void InstallWidgetClasses() { SetItemReader(Popup::kClassId, ReadPopup); }
