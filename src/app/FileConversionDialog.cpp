#include "app/FileConversionDialog.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/FKDoc.h"
#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/TAppl.h"
#include "framework/WindowItems.h"
#include "framework/graphics/FontMapping.h"
#include "framework/ItemObjectFactory.h"
#include "items/BarGraph.h"
#include "items/ItemList.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

bool FileConversionDialog::laterPressed = false;
bool FileConversionDialog::cancelPressed = false;
FileConversionDialog* FileConversionDialog::current = nullptr;

namespace {

win::HWND Frame() {
    TAppl* application = GetAppl();
    return application ? application->GetFrameWindow() : nullptr;
}

}  // namespace

FileConversionDialog::FileConversionDialog() : TDialog(0, kLaterItem, kCancelItem), started_(TickCount()) {
    laterPressed = false;
    cancelPressed = false;
    current = this;
    if (const win::HWND frame = Frame()) win::EnableWindow(frame, win::FALSE);
}

FileConversionDialog::~FileConversionDialog() {
    if (const win::HWND frame = Frame()) win::EnableWindow(frame, win::TRUE);
    if (current == this) current = nullptr;
}

ErrCode FileConversionDialog::SetUpItems() {
    WindowItemList* items = GetItemList();
    if (!items) return -1;
    items->SetBounds(ShortRect::MakeLTRB(0, 0, 480, 120));
    items->SetBackColor(GetStandardColor(8));
    win::LOGFONTA font;
    MakeLogFont(font, 0, 12, 0);
    if (!MakeItem(kPushBtnClassId, *items, ShortRect::MakeLTRB(380, 90, 460, 110), "Later", font) ||
        !MakeItem(kPushBtnClassId, *items, ShortRect::MakeLTRB(280, 90, 360, 110), "Cancel", font) ||
        !MakeItem(kStatTextClassId, *items, ShortRect::MakeLTRB(20, 10, 460, 45), "", font))
        return -1;
    auto* list = dynamic_cast<ItemList*>(items);
    if (!list) return -1;
    const ShortRect barBounds = ShortRect::MakeLTRB(40, 50, 440, 70);
    list->Append(new BarGraph(list, &barBounds, RGBColor(9), RGBColor(4), 1, 0, 1, 0));
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    SetDefaultItem(kLaterItem);
    SetCancelItem(kCancelItem);
    std::string name = GetAppl() ? GetAppl()->GetAppName() : std::string();
    name.resize(std::min<std::size_t>(name.size(), 255));
    char text[384];
    std::snprintf(text, sizeof text, "Optimizing story for %s. Please wait.  This may take a while.", name.c_str());
    if (auto* message = dynamic_cast<ITextItem*>(GetItem(kTextItem))) message->SetText(text);
    SetPercent(0);
    return kNoErr;
}

void FileConversionDialog::EndModal(std::int32_t itemIndex) {
    if (itemIndex == kLaterItem) laterPressed = true;
    if (itemIndex == kCancelItem) cancelPressed = true;
}

bool FileConversionDialog::IsAccepted() {
    return GetResultItem() == kLaterItem || GetResultItem() == kCancelItem;
}

void FileConversionDialog::SetPercent(std::int32_t percent) {
    if (auto* bar = dynamic_cast<IBarGraphItem*>(GetItem(kBarItem))) bar->SetPercent(std::clamp(percent, 0, 100), true);
}

bool FileConversionDialog::PumpMessages() {
    win::MSG message;
    TAppl* application = GetAppl();
    while (!laterPressed && !cancelPressed && win::PeekMessageA(&message, nullptr, 0, 0, win::PM_REMOVE)) {
        const win::HWND dialog = current ? current->GetHWnd() : nullptr;
        if (!dialog || !win::IsDialogMessageA(dialog, &message)) {
            win::TranslateMessage(&message);
            win::DispatchMessageA(&message);
        }
        // The buttons' hits come through the command queue.
        if (application) application->DrainQueue(kFirstQueue);
    }
    return !laterPressed && !cancelPressed;
}

ErrCode FileConversionDialog::Update(std::int32_t percent) {
    if (!shown_ && percent >= 0 && percent < 50 && TickCount() - started_ >= kShowDelay) {
        shown_ = CreateModeless() == kNoErr;
        if (shown_) Show();
    }
    if (!shown_) return kNoErr;
    PumpMessages();
    if (cancelPressed) return kConversionCancelled;
    if (laterPressed) return kConversionLater;
    if (percent == -1) return kNoErr;
    SetPercent(percent);
    if (GetHWnd()) win::UpdateWindow(GetHWnd());
    return kNoErr;
}
