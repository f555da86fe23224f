#pragma once
// Commands: every user action of the framework is a small object whose Do performs it. A menu
// choice or shortcut arrives as a command id; the application turns the id into a command, runs it
// and frees it. Code that must act later queues a command, or a bare id, on one of the
// application's two command queues.

#include <cstdint>

#include "foundation/Types.h"

class TAppl;

// The framework's standard command ids; applications number theirs from 1279 on.
inline constexpr std::int32_t kNoCommandId = 1000;
inline constexpr std::int32_t kCmdNew = 1001;
inline constexpr std::int32_t kCmdOpen = 1002;
inline constexpr std::int32_t kCmdNewReplacing = 1003;
inline constexpr std::int32_t kCmdOpenReplacing = 1004;
inline constexpr std::int32_t kCmdClose = 1005;
inline constexpr std::int32_t kCmdSave = 1006;
inline constexpr std::int32_t kCmdSaveAs = 1007;
inline constexpr std::int32_t kCmdSaveACopy = 1008;
inline constexpr std::int32_t kCmdRevert = 1009;
inline constexpr std::int32_t kCmdPageSetup = 1010;
inline constexpr std::int32_t kCmdPrint = 1011;
inline constexpr std::int32_t kCmdPrintPreview = 1012;
inline constexpr std::int32_t kCmdQuit = 1013;
inline constexpr std::int32_t kCmdUndo = 1014;
inline constexpr std::int32_t kCmdCut = 1015;
inline constexpr std::int32_t kCmdCopy = 1016;
inline constexpr std::int32_t kCmdPaste = 1017;
inline constexpr std::int32_t kCmdClear = 1018;
inline constexpr std::int32_t kCmdSelectAll = 1019;
inline constexpr std::int32_t kCmdTile = 1020;
inline constexpr std::int32_t kCmdCascade = 1021;
inline constexpr std::int32_t kCmdUnused = 1022;
inline constexpr std::int32_t kCmdOpenPrintClose = 1023;
inline constexpr std::int32_t kCmdCloseDocument = 1024;
inline constexpr std::int32_t kCmdArrangeIcons = 1025;
inline constexpr std::int32_t kCmdAbout = 1275;

class TCommand {
public:
    static constexpr ClassId kClassId = 105;

    // A command of no particular id (kNoCommandId), or of the id given.
    explicit TCommand(TAppl* application, std::int32_t commandId = kNoCommandId)
        : application_(application), commandId_(commandId) {}
    TCommand(const TCommand&) = delete;
    TCommand& operator=(const TCommand&) = delete;
    virtual ~TCommand() = default;

    // True for the command class id and for the command's own id.
    virtual bool IsA(std::int32_t id) const {
        return id == static_cast<std::int32_t>(kClassId) || (commandId_ != kNoCommandId && id == commandId_);
    }
    // Performs the command; the base does nothing.
    virtual ErrCode Do() { return kNoErr; }
    virtual std::int32_t GetCommandId() const { return commandId_; }

    TAppl* GetApplication() const { return application_; }

protected:
    TAppl* application_;

private:
    std::int32_t commandId_;
};
