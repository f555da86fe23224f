// The framework's command ids: which command each makes, and when each may run.

#include <memory>

#include "framework/StandardCommands.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TWindow.h"

std::unique_ptr<TCommand> TAppl::CreateCommand(std::int32_t id) {
    switch (id) {
        case kCmdNew: return std::make_unique<NewDocCmd>(this, IsSingleDocument());
        case kCmdOpen: return std::make_unique<OpenDocCmd>(this, IsSingleDocument(), nullptr);
        case kCmdNewReplacing: return std::make_unique<NewDocCmd>(this, true, kCmdNewReplacing);
        case kCmdOpenReplacing: return std::make_unique<OpenDocCmd>(this, true, nullptr, kCmdOpenReplacing);
        case kCmdClose: return std::make_unique<FileClose>(this);
        case kCmdSave: return std::make_unique<FileSave>(this, 1);
        case kCmdSaveAs: return std::make_unique<FileSaveAs>(this, 1);
        case kCmdSaveACopy: return std::make_unique<FileSaveACopy>(this, 1);
        case kCmdRevert: return std::make_unique<FileRevert>(this);
        case kCmdPageSetup: return std::make_unique<FilePageSetup>(this);
        case kCmdPrint: return std::make_unique<FilePrint>(this);
        case kCmdPrintPreview: return std::make_unique<FilePrintPreview>(this);
        case kCmdQuit: return std::make_unique<FileQuit>(this);
        case kCmdUndo: return std::make_unique<EditUndo>(this);
        case kCmdCut: return std::make_unique<EditCut>(this);
        case kCmdCopy: return std::make_unique<EditCopy>(this);
        case kCmdPaste: return std::make_unique<EditPaste>(this);
        case kCmdClear: return std::make_unique<EditClear>(this);
        case kCmdSelectAll: return std::make_unique<EditSelectAll>(this);
        case kCmdTile: return std::make_unique<WindowTile>(this);
        case kCmdCascade: return std::make_unique<WindowCascade>(this);
        case kCmdCloseDocument: return std::make_unique<FileCloseDocument>(this);
        case kCmdArrangeIcons: return std::make_unique<WindowArrIcons>(this);
        case kCmdAbout: return std::make_unique<CmdAboutDlg>(this);
        default: return nullptr;  // 1022 and 1023 (made in code, with its file) among them
    }
}

bool TAppl::CommandEnabled(std::int32_t id) {
    TWindow* const window = GetFrontWindow();
    const TDoc* const document = GetFrontDocument();
    switch (id) {
        case kCmdNew:
        case kCmdOpen:
        case kCmdOpenPrintClose: return IsSingleDocument() || GetDocumentCount() < GetMaxDocuments();
        case kCmdNewReplacing:
        case kCmdOpenReplacing:
        case kCmdQuit:
        case kCmdAbout: return true;
        case kCmdClose:
        case kCmdTile:
        case kCmdCascade:
        case kCmdArrangeIcons: return window != nullptr;
        case kCmdSave:
        case kCmdRevert: return document && document->IsDirty();
        case kCmdSaveAs:
        case kCmdSaveACopy:
        case kCmdCloseDocument: return document != nullptr;
        case kCmdPageSetup: return window && window->CanPageSetup();
        case kCmdPrint: return window && window->CanPrint();
        case kCmdPrintPreview: return window && window->CanPrintPreview();
        case kCmdUndo: return window && window->CanUndo();
        case kCmdCut: return window && window->CanCut();
        case kCmdCopy: return window && window->CanCopy();
        case kCmdPaste: return PasteEnabled();
        case kCmdClear: return window && window->CanClear();
        case kCmdSelectAll: return window && window->CanSelectAll();
        default: return false;
    }
}

bool TAppl::PasteEnabled() {
    const TWindow* window = GetFrontWindow();
    return ClipboardHasData() && window && window->CanPaste();
}
