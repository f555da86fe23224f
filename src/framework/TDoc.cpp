#include "framework/TDoc.h"

#include <algorithm>

#include "framework/InputHelpers.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"

TDoc::TDoc(TAppl* application) : application_(application) {
    if (application_) application_->AddDocument(this);
}

TDoc::~TDoc() {
    if (application_) application_->RemoveDocument(this);
}

void TDoc::BringToFront() {
    if (GetWindowCount() > 0 && application_) application_->SelectWindow(GetWindow(0));
}

void TDoc::SetDirty() {
    if (IsDirty()) return;
    flags_ |= kDirty;
    StampChangeTime();
}

void TDoc::SetClean() {
    flags_ &= static_cast<std::uint16_t>(~kDirty);
    StampChangeTime();
}

void TDoc::StampChangeTime() { changeTime_ = static_cast<std::uint32_t>(TickCount()); }

TWindow* TDoc::GetWindow(std::int32_t index) const {
    return index >= 0 && index < GetWindowCount() ? windows_[static_cast<std::size_t>(index)] : nullptr;
}

bool TDoc::HasWindow(const TWindow* window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void TDoc::AddWindow(TWindow* window) {
    if (window && !HasWindow(window)) windows_.push_back(window);
}

void TDoc::RemoveWindow(TWindow* window) { std::erase(windows_, window); }
