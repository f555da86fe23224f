// The application's documents: making, opening, finding and closing them.

#include <algorithm>
#include <string>

#include "foundation/pfm/PFM.h"
#include "framework/Alerts.h"
#include "framework/StandardCommands.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TWindow.h"
#include "platform/ui/Paint.h"

namespace {

// Closes the document with its windows (forced) and deletes it: what becomes of a document that
// did not open.
void Discard(TDoc* document) {
    document->Close(true, false);
    delete document;
}

}  // namespace

TDoc* TAppl::GetDocument(std::int32_t index) const {
    return index >= 0 && index < GetDocumentCount() ? documents_[static_cast<std::size_t>(index)] : nullptr;
}

void TAppl::AddDocument(TDoc* document) {
    if (document && std::find(documents_.begin(), documents_.end(), document) == documents_.end()) {
        documents_.push_back(document);
    }
}

void TAppl::RemoveDocument(TDoc* document) {
    std::erase(documents_, document);
    if (frontDocument_ == document) frontDocument_ = nullptr;
}

TDoc* TAppl::FindDocumentByFile(const FileRef& file) const {
    for (TDoc* document : documents_) {
        if (document->GetFileRef().IsSameFile(file)) return document;
    }
    return nullptr;
}

ErrCode TAppl::NewDocument(bool forceSingle) { return OpenWith(nullptr, forceSingle, false); }

ErrCode TAppl::OpenDocument(const FileRef& file, bool forceSingle) {
    return OpenWith(&file, forceSingle, false);
}

ErrCode TAppl::OpenDocumentVariant(const FileRef& file, bool forceSingle) {
    return OpenWith(&file, forceSingle, true);
}

// Opens a new document (no file), or the file as a document: a file already open is only shown;
// one that a store holds open otherwise is busy (-20); one the application imports is not opened.
ErrCode TAppl::OpenWith(const FileRef* file, bool forceSingle, bool variant) {
    FileRef opened;
    if (file) {
        if (TDoc* open = FindDocumentByFile(*file)) {
            ShowDocument(open);
            return kNoErr;
        }
        if (PFMIsFileOpen(*file)) return -20;
        if (ImportFile(*file)) return kNoErr;
        opened = *file;
        opened.SetPermission(file->IsReadOnly() ? kAccessRead : kAccessReadWrite);
    }
    if ((forceSingle || IsSingleDocument()) && !CloseAll(false)) return kNoErr;
    if (GetDocumentCount() >= GetMaxDocuments()) return kNoErr;
    TDoc* document = CreateDocument();
    if (!document) return -1;
    const ErrCode result = !file     ? document->Open(nullptr)
                           : variant ? document->OpenVariant(opened)
                                     : document->Open(&opened);
    if (result != kNoErr) Discard(document);
    return result;
}

ErrCode TAppl::AskAndOpen(bool forceSingle) {
    FileRef file;
    const ErrCode chosen = AskOpenFile(file);
    win::UpdateWindow(GetFrameWindow());
    return chosen == kNoErr ? OpenDocument(file, forceSingle) : kNoErr;
}

ErrCode TAppl::AskAndOpenVariant(bool forceSingle) {
    FileRef file;
    const ErrCode chosen = AskOpenPrintFile(file);
    win::UpdateWindow(GetFrameWindow());
    return chosen == kNoErr ? OpenDocumentVariant(file, forceSingle) : kNoErr;
}

// Only a document this call opened is closed again; a file that failed to open leaves none.
ErrCode TAppl::OpenPrintClose(const FileRef& file) {
    if (!CommandEnabled(kCmdOpenPrintClose)) return kNoErr;
    const bool wasOpen = FindDocumentByFile(file) != nullptr;
    ErrCode result = OpenDocument(file, false);
    if (result == kNoErr && GetFrontDocument()) {
        TWindow* window = GetFrontWindow();
        if (window && window->CanPrint()) {
            window->Print();
        } else {
            const std::string text = GetAppName() + " could not print the selected file.";
            AlertMessage(text.c_str(), kAlertStop, 1);
            result = -1;
        }
    }
    if (!wasOpen) {
        if (TDoc* document = FindDocumentByFile(file)) Discard(document);
    }
    return result;
}

bool TAppl::CloseAll(bool force) {
    while (TDoc* document = GetFrontDocument()) {
        if (!document->Close(force, false)) return false;
        delete document;
    }
    while (!documents_.empty()) {
        TDoc* document = documents_.back();
        if (!document->Close(force, false)) return false;
        delete document;
    }
    return true;
}

bool TAppl::CloseAllToQuit() {
    const bool wasQuitting = quitting_;
    quitting_ = true;
    const bool closed = CloseAll(false);
    quitting_ = wasQuitting;
    return closed;
}

bool TAppl::CanQuit() {
    for (std::int32_t i = 0; i < GetDocumentCount(); ++i) {
        if (GetDocument(i)->QuerySave()) return false;
    }
    return true;
}

ErrCode TAppl::NewAtStartup(std::int16_t flag) {
    if ((flag & 0xFF) != 0 && CommandEnabled(kCmdNew)) {
        PostCommand(std::make_unique<NewDocCmd>(this, false), kSecondQueue);
    }
    return kNoErr;
}

void TAppl::ShowDocument(TDoc* document) {
    if (document) document->BringToFront();
}
