#pragma once
// The framework's standard commands. Each Do tests again what enabled the command in the menu and
// does nothing when it no longer holds, so a command that became impossible between the menu and
// its run is harmless.

#include <cstdint>

#include "foundation/FileRef.h"
#include "framework/TCommand.h"

// New (1001), or New closing all documents first (1003).
class NewDocCmd : public TCommand {
public:
    NewDocCmd(TAppl* application, bool replace, std::int32_t id = kCmdNew)
        : TCommand(application, id), replace_(replace) {}
    ErrCode Do() override;
    virtual const char* GetClassName() const { return "NewDocCmd"; }

private:
    bool replace_;
};

// Open (1002), or Open closing all documents first (1004): asks for a file, or opens the one given.
class OpenDocCmd : public TCommand {
public:
    // A file a later start handed over (`handedOver`) is opened as one (TAppl::IsOpeningHandOver).
    OpenDocCmd(TAppl* application, bool replace, const FileRef* file, std::int32_t id = kCmdOpen,
               bool handedOver = false);
    ErrCode Do() override;
    virtual const char* GetClassName() const { return "OpenDocCmd"; }

private:
    bool replace_;
    bool hasFile_;
    bool handedOver_;
    FileRef file_;
};

// Opens the file, prints it from its front window and closes it again unless it was open before.
class OpenPrintCloseCmd : public TCommand {
public:
    OpenPrintCloseCmd(TAppl* application, const FileRef& file)
        : TCommand(application, kCmdOpenPrintClose), file_(file) {}
    ErrCode Do() override;
    virtual const char* GetClassName() const { return "OpenPrintCloseCmd"; }

private:
    FileRef file_;
};

class FileClose : public TCommand {
public:
    explicit FileClose(TAppl* application) : TCommand(application, kCmdClose) {}
    ErrCode Do() override;
};

// The save commands keep the flag their maker gives them (Do does not read it).
class FileSave : public TCommand {
public:
    FileSave(TAppl* application, std::int16_t flag) : TCommand(application, kCmdSave), flag_(flag) {}
    ErrCode Do() override;
    std::int16_t GetFlag() const { return flag_; }

private:
    std::int16_t flag_;
};

class FileSaveAs : public TCommand {
public:
    FileSaveAs(TAppl* application, std::int16_t flag) : TCommand(application, kCmdSaveAs), flag_(flag) {}
    ErrCode Do() override;
    std::int16_t GetFlag() const { return flag_; }

private:
    std::int16_t flag_;
};

class FileSaveACopy : public TCommand {
public:
    FileSaveACopy(TAppl* application, std::int16_t flag)
        : TCommand(application, kCmdSaveACopy), flag_(flag) {}
    ErrCode Do() override;
    std::int16_t GetFlag() const { return flag_; }

private:
    std::int16_t flag_;
};

class FileRevert : public TCommand {
public:
    explicit FileRevert(TAppl* application) : TCommand(application, kCmdRevert) {}
    ErrCode Do() override;
};

class FilePageSetup : public TCommand {
public:
    explicit FilePageSetup(TAppl* application) : TCommand(application, kCmdPageSetup) {}
    ErrCode Do() override;
};

class FilePrint : public TCommand {
public:
    explicit FilePrint(TAppl* application) : TCommand(application, kCmdPrint) {}
    ErrCode Do() override;
};

class FilePrintPreview : public TCommand {
public:
    explicit FilePrintPreview(TAppl* application) : TCommand(application, kCmdPrintPreview) {}
    ErrCode Do() override;
};

// Closes every document (asking about changes) and ends the program; 1 when the user cancelled.
class FileQuit : public TCommand {
public:
    explicit FileQuit(TAppl* application) : TCommand(application, kCmdQuit) {}
    ErrCode Do() override;
};

// The edit commands act on the front window, which hands them to its focus item.
class EditUndo : public TCommand {
public:
    explicit EditUndo(TAppl* application) : TCommand(application, kCmdUndo) {}
    ErrCode Do() override;
};

class EditCut : public TCommand {
public:
    explicit EditCut(TAppl* application) : TCommand(application, kCmdCut) {}
    ErrCode Do() override;
};

class EditCopy : public TCommand {
public:
    explicit EditCopy(TAppl* application) : TCommand(application, kCmdCopy) {}
    ErrCode Do() override;
};

class EditPaste : public TCommand {
public:
    explicit EditPaste(TAppl* application) : TCommand(application, kCmdPaste) {}
    ErrCode Do() override;
};

class EditClear : public TCommand {
public:
    explicit EditClear(TAppl* application) : TCommand(application, kCmdClear) {}
    ErrCode Do() override;
};

class EditSelectAll : public TCommand {
public:
    explicit EditSelectAll(TAppl* application) : TCommand(application, kCmdSelectAll) {}
    ErrCode Do() override;
};

// The window commands arrange the MDI client's children.
class WindowTile : public TCommand {
public:
    explicit WindowTile(TAppl* application) : TCommand(application, kCmdTile) {}
    ErrCode Do() override;
};

class WindowCascade : public TCommand {
public:
    explicit WindowCascade(TAppl* application) : TCommand(application, kCmdCascade) {}
    ErrCode Do() override;
};

class WindowArrIcons : public TCommand {
public:
    explicit WindowArrIcons(TAppl* application) : TCommand(application, kCmdArrangeIcons) {}
    ErrCode Do() override;
};

// Closes the front document with all its windows.
class FileCloseDocument : public TCommand {
public:
    explicit FileCloseDocument(TAppl* application) : TCommand(application, kCmdCloseDocument) {}
    ErrCode Do() override;
};

class CmdAboutDlg : public TCommand {
public:
    explicit CmdAboutDlg(TAppl* application) : TCommand(application, kCmdAbout) {}
    ErrCode Do() override;
};
