#include "items/printing/PrintAbortDlog.h"

#include <cstdio>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/WindowItems.h"
#include "items/printing/Printing.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr std::size_t kMaxName = 31;

void EnableFrame(bool enable) {
    if (TAppl* application = GetAppl()) {
        if (HWND frame = application->GetFrameWindow()) EnableWindow(frame, enable ? TRUE : FALSE);
    }
}

}  // namespace

PrintAbortDlog::PrintAbortDlog(IPrintAbortClient* client, const char* docName, std::int16_t page,
                               bool repaginate)
    : TDialog(kResourceId, -1, kCancelItem),
      client_(client),
      docName_(std::string(docName ? docName : "").substr(0, kMaxName)),
      lastPage_(page),
      repaginate_(repaginate ? 1 : 0) {
    Printing::RegisterAbortDialog(this, client);
    Printing::SetCancelFlag(false);
    EnableFrame(false);
    CreateModeless();
}

PrintAbortDlog::~PrintAbortDlog() {
    Printing::RegisterAbortDialog(nullptr, nullptr);
    EnableFrame(true);
}

ErrCode PrintAbortDlog::SetUpItems() {
    const ErrCode code = TDialog::SetUpItems();
    SetStatusText(lastPage_, 1);
    return code;
}

void PrintAbortDlog::EndModal(std::int32_t itemIndex) { Printing::SetCancelFlag(itemIndex == kCancelItem); }

bool PrintAbortDlog::Update(const char* docName, std::int16_t page, std::int16_t copy) {
    if (docName) docName_ = std::string(docName).substr(0, kMaxName);
    PrintAbortProc(nullptr, 0);
    if (Printing::IsCancelFlagSet()) {
        if (client_) client_->Abort();
        return true;
    }
    if (page != -1) {
        SetStatusText(page, copy);
        if (HWND window = GetHWnd()) UpdateWindow(window);
    }
    return false;
}

std::string PrintAbortDlog::StatusText(std::int16_t page, std::int16_t copy) const {
    char text[160];
    if (repaginate_) {
        std::snprintf(text, sizeof text, "Repaginating: Page %d", page);
    } else if (page <= 0) {
        std::snprintf(text, sizeof text, "Preparing to print %s", docName_.c_str());
    } else {
        std::snprintf(text, sizeof text, "Now Printing %s : Page %d", docName_.c_str(), page);
    }
    std::string status = text;
    if (copy > 1) {
        std::snprintf(text, sizeof text, ", Copy %d", copy);
        status += text;
    }
    return status;
}

void PrintAbortDlog::SetStatusText(std::int16_t page, std::int16_t copy) {
    lastPage_ = page;
    if (auto* status = dynamic_cast<ITextItem*>(GetItem(kStatusItem)))
        status->SetText(StatusText(page, copy).c_str());
}
