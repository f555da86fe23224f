#include "storymodel/UserPrompts.h"

#include "foundation/Debug.h"

namespace {

// Tells the debug channel and refuses whatever it is asked.
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
