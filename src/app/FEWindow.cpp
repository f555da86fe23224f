#include "app/FEWindow.h"

#include <cstdio>
#include <string>

#include "app/FKDoc.h"
#include "framework/InputHelpers.h"
#include "framework/TAppl.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/RGBColor.h"
#include "items/ItemList.h"
#include "platform/ui/Window.h"
#include "storymodel/FablecoreStringConverter.h"

namespace {

// The window's kind: it is never maximised.
constexpr std::uint16_t kFrontEndKind = kWindowNoMaximize;
// What the frame's minimum-size handling takes off a window's minimum height for its caption.
constexpr std::int16_t kCaptionAllowance = 20;

}  // namespace

FEWindow::FEWindow(TAppl* application, FKDoc* document, const ShortRect& rect, std::int32_t mode,
                   const char* title)
    : TWMWindow(application, &rect, document, mode, kFrontEndKind, title) {}

// The window takes its place (snapped to whole cells of the new panel) before the panel is set up
// in it, so that the panel is laid out once, for that place.
void FEWindow::BuildContents() {
    FreeItems();
    view_ = nullptr;
    auto* list = new ItemList(this);
    const ShortRect client = GetClientRect();
    view_ = new StoryFrontEndView(static_cast<FKDoc*>(GetDocument()), list, client);
    list->Append(view_);
    if (TAppl* application = GetApplication()) {
        const ShortRect frame = application->GetFrameClientRect();
        MoveTo(ShortRect::MakeLTRB(frame.left + 3, frame.top + 3, frame.right - 3, frame.bottom - 3));
    }
    SetItemList(list);
    SetUpItems();
}

void FEWindow::UpdateTitle() {
    auto* document = static_cast<FKDoc*>(GetDocument());
    if (!document) return TWMWindow::UpdateTitle();
    char title[256] = "";
    document->GetTitle("", title, sizeof title);
    // Only the story's title is stored text; the file's name is shown as the system gives it.
    SharedStringConverter().DecodeInPlace(title);
    SetTitle((document->GetFileName() + " - " + title).c_str());
}

std::int16_t FEWindow::ConstrainWindowPos(WindowPosRecord& record) {
    const win::HWND window = GetHWnd();
    if (!view_ || record.state != WindowPosRecord::kNormal || (window && (win::IsIconic(window) || win::IsZoomed(window))))
        return 1;
    const auto [left, top, right, bottom] = GetFrameMargins();
    const ShortRect client = ShortRect::MakeLTRB(0, 0, record.width - left - right, record.height - top - bottom);
    const ShortPoint size = view_->GetPreferredSize(client);
    record.SetSize(size.x + left + right, size.y + top + bottom);
    return 1;
}

ShortPoint FEWindow::GetMinTrackSize() {
    if (!view_) return TWMWindow::GetMinTrackSize();
    const ShortPoint minimum = view_->GetMinSize();
    return ShortPoint{minimum.x, static_cast<std::int16_t>(minimum.y + kCaptionAllowance)};
}
