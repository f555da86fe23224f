#include "storymodel/UserPrompts.h"

#include "foundation/Debug.h"

namespace {

// Tells the debug channel, refuses whatever it is asked and chooses no file.
class FallbackPrompts : public IUserPrompts {
public:
    int AlertMessage(const char* text, AlertIcon /*icon*/) override {
        DebugPrintf("%s", text ? text : "");
        return 0;
    }
    int AskYesNoCancel(const char* /*text*/, int /*defaultSelector*/, bool /*noCancel*/) override {
        return kAnswerNo;
    }
    int AskYesYesAllNoNoAll(std::int32_t& answer, const char* /*text*/, int /*defaultItem*/) override {
        return answer != kAskAgain ? answer : kAnswerNo;
    }
    void Beep() override {}
    void BeginBusy() override {}
    void EndBusy() override {}
    int ChooseOpenFile(std::span<const FileKind> /*kinds*/, const char* /*title*/,
                       FileRef& /*file*/) override {
        return kFileCancelled;
    }
    int AskSaveFile(std::span<const FileKind> /*kinds*/, FourCC /*defaultType*/, const char* /*title*/,
                    const char* /*reason*/, FileRef& /*file*/) override {
        return kFileCancelled;
    }
};

IUserPrompts* gPrompts = nullptr;

}  // namespace

IUserPrompts* SetUserPrompts(IUserPrompts* prompts) {
    IUserPrompts* previous = gPrompts;
    gPrompts = prompts;
    return previous;
}

IUserPrompts& UserPrompts() {
    static FallbackPrompts fallback;
    return gPrompts ? *gPrompts : fallback;
}
