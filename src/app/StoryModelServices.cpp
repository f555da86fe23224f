#include "app/StoryModelServices.h"

#include <vector>

#include "app/Fablecore.h"
#include "app/FrameworkPromptCalls.h"
#include "app/PreferencesManager.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/UserPrompts.h"
#include "storymodel/engine/StoryformSolver.h"

namespace {

class ApplicationLink : public IStoryApplication {
public:
    explicit ApplicationLink(Fablecore& application) : application_(application) {}

    PFMFile* GetDataFile() override { return application_.GetDataFile(); }
    PFMFile* GetCharacterPictureFile() override { return application_.GetPictureFile(); }
    PText* GetPronounRecord() override { return application_.GetPronounRecord(); }
    PText* GetGeneralRecord() override { return Preferences() ? Preferences()->GetGeneralRecord() : nullptr; }
    PText* GetFQSRecord() override { return Preferences() ? Preferences()->GetFQSRecord() : nullptr; }
    std::int16_t GetReturnAdvances() override { return Preferences() ? Preferences()->GetReturnAdvances() : 0; }
    std::int16_t GetPronounGender() override { return Preferences() ? Preferences()->GetPronounGender() : 1; }

private:
    PreferencesManager* Preferences() { return application_.GetPreferencesManager(); }

    Fablecore& application_;
};

std::vector<prompt_calls::ChooserRow> Rows(std::span<const FileKind> kinds) {
    std::vector<prompt_calls::ChooserRow> rows;
    for (const FileKind& kind : kinds) rows.push_back({kind.label, kind.types});
    return rows;
}

class FrameworkPrompts : public IUserPrompts {
public:
    int AlertMessage(const char* text, AlertIcon icon) override {
        return prompt_calls::Alert(text, static_cast<int>(icon));
    }
    int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) override {
        return prompt_calls::AskYesNoCancel(text, defaultSelector, noCancel);
    }
    // The framework's question keeps its answer for all in a 16-bit state.
    int AskYesYesAllNoNoAll(std::int32_t& answer, const char* text, int defaultItem) override {
        std::int16_t state = static_cast<std::int16_t>(answer);
        const std::int32_t result = prompt_calls::AskYesYesAllNoNoAll(state, text, defaultItem);
        answer = state;
        return result < 0 ? kAnswerNo : static_cast<int>(result);
    }
    void Beep() override { prompt_calls::Beep(); }
    void BeginBusy() override { prompt_calls::BeginBusy(); }
    void EndBusy() override { prompt_calls::EndBusy(); }
    int ChooseOpenFile(std::span<const FileKind> kinds, const char* title, FileRef& file) override {
        return prompt_calls::ChooseOpenFile(Rows(kinds), title, file) ? kFileChosen : kFileCancelled;
    }
    int AskSaveFile(std::span<const FileKind> kinds, FourCC defaultType, const char* title, const char* reason,
                    FileRef& file) override {
        return prompt_calls::AskSaveFile(Rows(kinds), defaultType, title, reason, file) ? kFileChosen
                                                                                       : kFileCancelled;
    }
};

}  // namespace

StoryModelServices::StoryModelServices(Fablecore& application)
    : application_(std::make_unique<ApplicationLink>(application)),
      prompts_(std::make_unique<FrameworkPrompts>()),
      engineTables_(std::make_unique<EngineTablesKeeper>()),
      previousApplication_(SetStoryApplication(application_.get())),
      previousPrompts_(SetUserPrompts(prompts_.get())) {}

StoryModelServices::~StoryModelServices() {
    SetUserPrompts(previousPrompts_);
    SetStoryApplication(previousApplication_);
}
