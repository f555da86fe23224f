#include "framework/StandardCommands.h"

#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TWindow.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"

using namespace win;

namespace {

// The base enabling test of the command's id: the test the menu was drawn with.
bool StillEnabled(TAppl& application, const TCommand& command) {
    return application.TAppl::CommandEnabled(command.GetCommandId());
}

// Runs the action on the front window when the command is still enabled.
template <typename Action>
ErrCode OnFrontWindow(TAppl& application, const TCommand& command, Action action) {
    TWindow* window = application.GetFrontWindow();
    if (!window || !StillEnabled(application, command)) return 0;
    return action(*window);
}

template <typename Action>
ErrCode OnFrontDocument(TAppl& application, const TCommand& command, Action action) {
    TDoc* document = application.GetFrontDocument();
    if (!document || !StillEnabled(application, command)) return 0;
    return action(*document);
}

ErrCode ArrangeChildren(TAppl& application, const TCommand& command, UINT message, WPARAM how) {
    if (!StillEnabled(application, command)) return 0;
    SendMessageA(application.GetMDIClient(), message, how, 0);
    return 0;
}

}  // namespace

ErrCode NewDocCmd::Do() { return application_->NewDocument(replace_); }

OpenDocCmd::OpenDocCmd(TAppl* application, bool replace, const FileRef* file, std::int32_t id, bool handedOver)
    : TCommand(application, id), replace_(replace), hasFile_(file != nullptr), handedOver_(handedOver) {
    if (file) file_ = *file;
}

ErrCode OpenDocCmd::Do() {
    if (!hasFile_) return application_->AskAndOpen(replace_);
    if (!handedOver_) return application_->OpenDocument(file_, replace_);
    const TAppl::HandOverOpening opening(*application_);
    return application_->OpenDocument(file_, replace_);
}

ErrCode OpenPrintCloseCmd::Do() { return application_->OpenPrintClose(file_); }

ErrCode FileClose::Do() {
    return OnFrontWindow(*application_, *this, [this](TWindow& window) {
        application_->CloseWindow(&window, false);
        return ErrCode{0};
    });
}

ErrCode FileSave::Do() {
    return OnFrontDocument(*application_, *this, [](TDoc& document) {
        document.Save(nullptr);
        return ErrCode{0};
    });
}

ErrCode FileSaveAs::Do() {
    return OnFrontDocument(*application_, *this, [](TDoc& document) { return document.SaveAs(nullptr); });
}

ErrCode FileSaveACopy::Do() {
    return OnFrontDocument(*application_, *this, [](TDoc& document) { return document.SaveACopy(nullptr); });
}

ErrCode FileRevert::Do() {
    return OnFrontDocument(*application_, *this, [](TDoc& document) { return document.Revert(); });
}

ErrCode FilePageSetup::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) { return window.PreparePrinter(); });
}

ErrCode FilePrint::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.Print();
        return ErrCode{0};
    });
}

ErrCode FilePrintPreview::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.PrintPreview();
        return ErrCode{0};
    });
}

ErrCode FileQuit::Do() {
    if (!application_->CloseAllToQuit()) return 1;
    application_->FlushAndQuit();
    return 0;
}

ErrCode EditUndo::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.DoUndo();
        return ErrCode{0};
    });
}

ErrCode EditCut::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.DoCut();
        return ErrCode{0};
    });
}

ErrCode EditCopy::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.DoCopy();
        return ErrCode{0};
    });
}

ErrCode EditPaste::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.DoPaste();
        return ErrCode{0};
    });
}

ErrCode EditClear::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.DoClear();
        return ErrCode{0};
    });
}

ErrCode EditSelectAll::Do() {
    return OnFrontWindow(*application_, *this, [](TWindow& window) {
        window.DoSelectAll();
        return ErrCode{0};
    });
}

ErrCode WindowTile::Do() { return ArrangeChildren(*application_, *this, WM_MDITILE, MDITILE_HORIZONTAL); }

ErrCode WindowCascade::Do() { return ArrangeChildren(*application_, *this, WM_MDICASCADE, 0); }

ErrCode WindowArrIcons::Do() { return ArrangeChildren(*application_, *this, WM_MDIICONARRANGE, 0); }

ErrCode FileCloseDocument::Do() {
    return OnFrontDocument(*application_, *this, [](TDoc& document) {
        document.Close(false, true);
        return ErrCode{0};
    });
}

ErrCode CmdAboutDlg::Do() {
    application_->ShowAboutBox();
    return 0;
}
