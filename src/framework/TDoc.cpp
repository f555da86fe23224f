// The document base: its windows, its flags and change time, and reading and closing its store.

#include "framework/TDoc.h"

#include <algorithm>

#include "foundation/Debug.h"
#include "foundation/pfm/PFM.h"
#include "framework/BusyCursor.h"
#include "framework/InputHelpers.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"

TDoc::TDoc(TAppl* application) : application_(application) {
    if (application_) application_->AddDocument(this);
}

TDoc::~TDoc() {
    if (store_) PFMCloseFile(store_);
    if (application_) application_->RemoveDocument(this);
}

std::uint32_t TDoc::GetDataSize() const {
    return TObject::GetDataSize() + static_cast<std::uint32_t>(windows_.size() * sizeof(TWindow*));
}

bool TDoc::CanClose() { return (flags_ & kReadFailed) == 0 && TObject::CanClose(); }

void TDoc::BringToFront() {
    if (GetWindowCount() > 0 && application_) application_->SelectWindow(GetWindow(0));
}

void TDoc::UpdateWindowTitles() {
    for (TWindow* window : std::vector<TWindow*>(windows_)) window->UpdateTitle();
    if (application_) application_->UpdatePaletteTitles();
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

bool TDoc::HasDiskFile() const { return store_ && PFMIsOnDisk(store_); }

bool TDoc::HasLostDiskFile() const { return store_ && PFMGetFileRef(store_).IsValid() && !PFMIsOnDisk(store_); }

bool TDoc::IsFileReadOnly() const {
    return file_.GetPermission() == kAccessRead || (file_.Exists() && file_.IsReadOnly());
}

void TDoc::DeleteWindow(TWindow* window) {
    window->RefocusItemOnClose();
    delete window;
}

bool TDoc::CanOpenFile(const FileRef& file) {
    if (PFMIsPFMFile(file)) return true;
    Beep();
    return false;
}

// The store opens at the top of the store tree, so that it never searches another document. A
// store read before is closed first.
//
// Opening the store reads the file's identification itself, so the file is asked CanOpenFile only
// when it did not open: a file that is no store file is refused with -6 (and whatever CanOpenFile
// tells the user) all the same, without reading the file once more for every file that opens.
ErrCode TDoc::Read(const FileRef* file) {
    CloseFile();
    PFMSetCurrentFile(nullptr);
    ErrCode error = kNoErr;
    if (file) {
        file_ = *file;
        store_ = PFMOpenFile(&file_);
    } else {
        file_.Clear();
        store_ = PFMOpenFile(nullptr);
    }
    if (!store_) {
        const ErrCode opening = PFMGetError();
        PFMClearError();
        if (file && !CanOpenFile(file_)) {
            error = -6;
        } else {
            error = opening != kNoErr ? opening : ErrCode{-1};
            Beep();
        }
    }
    if (error == kNoErr && file && !ReadFrom(file_, store_)) error = -6;
    if (error == kNoErr && !file && application_) {
        char name[kMaxNameLength + 1];
        application_->MakeUntitledName(name, sizeof name);
        file_.SetName(name);
        application_->NextUntitledNumber();
    }
    if (error != kNoErr) flags_ |= kReadFailed;
    return error;
}

ErrCode TDoc::CloseFile() {
    if (!store_) return kNoErr;
    const BusyCursor busy;
    BeforeCloseFile();
    const ErrCode result = PFMCloseFile(store_);
    store_ = nullptr;
    return result;
}

ErrCode TDoc::CommitWindows() {
    for (TWindow* window : std::vector<TWindow*>(windows_)) window->RefocusItem();
    return kNoErr;
}

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
