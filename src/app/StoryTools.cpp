#include "app/StoryTools.h"

#include <utility>

#include "framework/Alerts.h"

namespace {

std::size_t Slot(StoryTool tool) { return static_cast<std::size_t>(tool); }

}  // namespace

void ShowNotImplemented() { AlertMessage(kNotImplementedText, kAlertStop, 1); }

void StoryTools::Install(StoryTool tool, StoryToolOpener opener) {
    if (Slot(tool) < openers_.size()) openers_[Slot(tool)] = std::move(opener);
}

bool StoryTools::IsInstalled(StoryTool tool) const {
    return Slot(tool) < openers_.size() && static_cast<bool>(openers_[Slot(tool)]);
}

ErrCode StoryTools::Open(StoryTool tool, FKDoc* story, std::int32_t argument) const {
    if (!IsInstalled(tool)) {
        ShowNotImplemented();
        return kNoErr;
    }
    return openers_[Slot(tool)](story, argument);
}

void StoryTools::SetQueryPageRefresher(std::function<void(TWindow&)> refresher) {
    refreshQueryPage_ = std::move(refresher);
}

void StoryTools::RefreshQueryPage(TWindow& queryWindow) const {
    if (refreshQueryPage_) refreshQueryPage_(queryWindow);
}

void StoryTools::SetBrowserFinder(std::function<TWindow*()> finder) { findBrowser_ = std::move(finder); }

TWindow* StoryTools::GetOpenBrowser() const { return findBrowser_ ? findBrowser_() : nullptr; }

void StoryTools::SetDictionaryTest(std::function<bool(const TWindow&)> test) {
    isDictionary_ = std::move(test);
}

bool StoryTools::IsDictionary(const TWindow& window) const { return isDictionary_ && isDictionary_(window); }

void StoryTools::SetQuadDropper(std::function<void(TWindow&, CharID)> dropper) {
    dropFromQuad_ = std::move(dropper);
}

void StoryTools::DropFromQuad(TWindow& buildWindow, CharID id) const {
    if (dropFromQuad_) dropFromQuad_(buildWindow, id);
}
