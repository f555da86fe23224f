#pragma once
// The Reports command (1297): opens the Reports window for the story in front, or brings the one
// open for it to the front.

#include "framework/TCommand.h"

class TAppl;

class OutlineCmd : public TCommand {
public:
    static constexpr std::int32_t kCommandId = 1297;

    explicit OutlineCmd(TAppl* application) : TCommand(application, kCommandId) {}

    // A story is in front.
    static bool IsAvailable(TAppl* application);
    ErrCode Do() override;
};
