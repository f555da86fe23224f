#pragma once
// The story application started in the test's process with the character tools installed for its
// commands, as the program installs them; modal dialogs are driven by steps played whenever the
// program waits for input, and found by their windows.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "characters/CharacterTools.h"
#include "characters/StoryCastList.h"
#include "foundation/ObjectFactory.h"
#include "framework/AppEnvironment.h"
#include "framework/IdleSteps.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TDialog.h"
#include "framework/YesYesAllNoNoAllDialog.h"
#include "items/ItemClasses.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "storymodel/CharacterManager.h"
#include "support/DialogObjects.h"

namespace charactertest {

using namespace apptest;

using testsupport::DialogOf;

// The story's cast list view of a character window as the character tools make it.
inline StoryCastList* CastListOf(CastListView* view) { return dynamic_cast<StoryCastList*>(view); }

// The dialog in front, of that class; null when none is.
template <typename Dialog>
Dialog* FrontDialog() {
    return DialogOf<Dialog>(win::GetActiveWindow());
}

class CharacterToolsTest : public StoryAppTest {
protected:
    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        StoryAppTest::SetUp();
        InstallTools();
    }
    void InstallTools() { InstallCharacterTools(static_cast<FablCmds*>(application)->GetStoryTools()); }
    // The application stopped and started again, as a writer quits and starts the program.
    void Restart() {
        Stop();
        Start();
        InstallTools();
    }

    static CharacterManager& Characters(FKDoc* story) { return *story->GetCharacterManager(); }
    // A character of the story made without a dialog.
    static CharID MakeCharacter(FKDoc* story, const char* name, std::uint16_t sex = 0) {
        return Characters(story).CreateCharacter(name, sex, kSingularForm, sex == 1 ? 1 : 0, kNoRole, false);
    }
    static std::string NameOf(FKDoc* story, CharID id) {
        CharInfoRec* character = Characters(story).GetCharacter(id);
        return character ? character->Name() : "<none>";
    }
    static std::vector<std::string> Names(FKDoc* story) {
        std::vector<std::string> names;
        for (std::int32_t i = 0; i < Characters(story).GetCount(); ++i)
            names.push_back(Characters(story).RecordAt(i)->Name());
        return names;
    }
    // The next question of a run of them (Yes, Yes All, No, No All) gets the answer when it is up.
    static void AnswerQuestion(IdleSteps& idle, std::int32_t item, bool* asked = nullptr) {
        idle.Then([item, asked] {
            auto* question = FrontDialog<YesYesAllNoNoAllDialog>();
            if (asked) *asked = question != nullptr;
            ASSERT_NE(question, nullptr) << "no question is up";
            question->PostItemHit(item);
        });
    }
    PText& GeneralPreferences() { return *application->GetPreferencesManager()->GetGeneralRecord(); }
};

}  // namespace charactertest
