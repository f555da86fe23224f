#include "framework/TWindow.h"

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"

using namespace win;

TWindow::TWindow(TAppl* application, TDoc* document, std::int32_t mode, std::uint16_t kind, const char* title)
    : application_(application), document_(document), title_(title ? title : ""), mode_(mode), kind_(kind) {
    if (document_) document_->AddWindow(this);
}

TWindow::~TWindow() {
    if (window_) {
        const HWND window = window_;
        window_ = nullptr;
        // Only MDI children belong to the MDI client; dialogs and palettes go by themselves.
        if (IsMDIChild() && application_ && application_->GetMDIClient()) {
            SendMessageA(application_->GetMDIClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
        } else {
            DestroyWindow(window);
        }
    }
    if (application_) {
        application_->RemovePalette(this);
        application_->RemoveAppWindow(this);
        application_->CheckFrontDocument();
    }
    if (document_) document_->RemoveWindow(this);
}

void TWindow::SetTitle(const char* text) {
    title_ = text ? text : "";
    if (!window_) return;
    SetWindowTextA(window_, title_.c_str());
    // A maximised child's title is part of the frame's caption.
    if (IsZoomed(window_) && application_ && application_->GetFrameWindow()) {
        const HWND frame = application_->GetFrameWindow();
        SendMessageA(frame, WM_NCACTIVATE, GetActiveWindow() == frame, 0);
    }
}

void TWindow::UpdateTitle() {
    if (document_) SetTitle(document_->GetFileName().c_str());
}

void TWindow::Activate(bool active) {
    if (!active) SetFocus(nullptr);
}

bool TWindow::IsFrontWindow() const { return application_ && application_->GetFrontWindow() == this; }
