// The character dialog (new character and character information), the picture chooser and the Main
// and impact setup, run modally as the writer runs them: OK writes what changed into the story's
// records, Cancel changes nothing, and each dialog opens where it was last.

#include <gmock/gmock.h>

#include "CharacterToolsFixture.h"
#include "app/StoryCommandIds.h"
#include "characters/CharPictureDlog.h"
#include "characters/CharacterForm.h"
#include "characters/CharacterPictureItem.h"
#include "characters/MainObstDlog.h"
#include "characters/NewCharDlog.h"
#include "characters/PictureGridView.h"
#include "characters/StoryCastList.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "items/EditView.h"
#include "items/StoredTextField.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/FablecoreStringConverter.h"
#include "support/StoredText.h"
#include "support/TextLimitCases.h"
#include "widgets/Popup.h"

namespace charactertest {
namespace {

using testsupport::StoredText;

class CharacterDialogs : public CharacterToolsTest {
protected:
    void SetUp() override {
        CharacterToolsTest::SetUp();
        story = NewStory();
        Run();
    }
    // Plays the step with the dialog in front, then presses the key that ends it.
    template <typename Dialog>
    void WithDialog(IdleSteps& idle, std::function<void(Dialog&)> step, win::UINT key) {
        idle.Then([this, step, key] {
            Dialog* dialog = FrontDialog<Dialog>();
            ASSERT_NE(dialog, nullptr) << "the dialog is not in front";
            step(*dialog);
            presenter.PressKey(key);
        });
    }
    static void SetField(TDialog& dialog, std::int32_t item, const char* text) {
        auto* field = dynamic_cast<EditView*>(dialog.GetItem(item));
        ASSERT_NE(field, nullptr);
        field->SetText(text, 0);
    }
    static void SetChoice(TDialog& dialog, std::int32_t item, std::int32_t value) {
        auto* popup = dynamic_cast<Popup*>(dialog.GetItem(item));
        ASSERT_NE(popup, nullptr);
        popup->SetValue(value, true);
    }
    std::string Text(CharID id, const char* key) { return Characters(story).GetCharacter(id)->GetText(key); }
    // The text as the writer reads it.
    static std::string Shown(const std::string& stored) {
        std::string shown(stored.size() + 1, '\0');
        SharedStringConverter().Decode(stored.c_str(), shown.data(),
                                       static_cast<std::uint32_t>(shown.size()));
        return shown.c_str();
    }
    // A click in the middle of the dialog's item.
    void Click(TDialog& dialog, std::int32_t item) { StoryAppTest::Click(*dialog.GetItem(item)); }
    // A step that pastes the text into the item of the character dialog in front, played when the
    // dialog waits for input, so that each paste takes its own clipboard.
    void PasteStep(IdleSteps& idle, const std::string& text, std::int32_t item) {
        idle.Then([this, &text, item] {
            NewCharDlog* dialog = FrontDialog<NewCharDlog>();
            ASSERT_NE(dialog, nullptr) << "the dialog is not in front";
            ASSERT_TRUE(win::detail::PutClipboardText(dialog->GetHWnd(), text));
            Click(*dialog, item);
            PressWith(win::VK_CONTROL, 'V');
        });
    }
    // The text the field shows the writer (line breaks as LF).
    static std::string Shown(TDialog& dialog, std::int32_t item) {
        auto* field = dynamic_cast<EditView*>(dialog.GetItem(item));
        if (!field) return "<no field>";
        std::vector<char> text(field->GetTextLength() + 1, '\0');
        field->GetRawText(text.data(), static_cast<std::uint32_t>(text.size()));
        return text.data();
    }

    FKDoc* story = nullptr;
};

TEST_F(CharacterDialogs, ANewCharacterIsMadeOnOkWithEverythingTheWriterGaveIt) {
    const std::int32_t before = Characters(story).GetCount();
    story->SetClean();
    IdleSteps idle(presenter);
    std::string shownName;
    WithDialog<NewCharDlog>(
        idle,
        [&](NewCharDlog& dialog) {
            EXPECT_EQ(dialog.GetTitle(), "New Character");
            shownName = dialog.ReadItems().name;
            SetField(dialog, NewCharDlog::kNameItem, "Mara Vell");
            SetChoice(dialog, NewCharDlog::kSexItem, 1);
            SetField(dialog, NewCharDlog::kRoleItem, "the harbour pilot");
            SetField(dialog, NewCharDlog::kDescriptionItem, "Knows every rock.\r\nTrusts no one.");
        },
        win::VK_RETURN);
    const CharID made = RunCharacterDialog(story, kNoCharID);
    EXPECT_EQ(shownName, "Character #3") << "the next default name is offered";
    ASSERT_NE(made, kNoCharID);
    EXPECT_EQ(Characters(story).GetCount(), before + 1);
    CharInfoRec& mara = *Characters(story).GetCharacter(made);
    EXPECT_EQ(mara.Name(), "Mara Vell");
    EXPECT_EQ(mara.GetSex(), 1);
    EXPECT_EQ(mara.GetSubjectiveRole(), kNoRole);
    EXPECT_EQ(Text(made, CharacterKey::kRole), "the harbour pilot");
    EXPECT_NE(Text(made, CharacterKey::kDescription).find("Trusts no one."), std::string::npos);
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(CharacterDialogs, AStockPictureFollowsTheSexChosenAndOneTheWriterPickedStays) {
    IdleSteps idle(presenter);
    std::vector<std::uint16_t> shown;
    WithDialog<NewCharDlog>(
        idle,
        [&](NewCharDlog& dialog) {
            auto* picture = dynamic_cast<CharacterPictureItem*>(dialog.GetItem(NewCharDlog::kPictureItem));
            ASSERT_NE(picture, nullptr);
            // A choice in the popup reaches the dialog as that item's hit.
            const auto choose = [&](std::uint16_t sex) {
                SetChoice(dialog, NewCharDlog::kSexItem, sex);
                dialog.EndModal(NewCharDlog::kSexItem);
                shown.push_back(picture->GetPicture());
            };
            choose(kFemaleSex);
            choose(kMaleSex);
            choose(kNeutralSex);
            picture->SetPicture(7);
            choose(kFemaleSex);
        },
        win::VK_RETURN);
    const CharID made = RunCharacterDialog(story, kNoCharID);
    EXPECT_THAT(shown, ::testing::ElementsAre(StockPicture(kFemaleSex), StockPicture(kMaleSex),
                                              StockPicture(kNeutralSex), 7));
    EXPECT_NE(StockPicture(kFemaleSex), StockPicture(kMaleSex));
    ASSERT_NE(made, kNoCharID);
    EXPECT_EQ(Characters(story).GetCharacter(made)->GetSex(), kFemaleSex);
    EXPECT_EQ(Characters(story).GetCharacter(made)->GetPicture(), 7) << "the writer's own picture is kept";
}

TEST_F(CharacterDialogs, CancelMakesNoCharacterAndChangesNothing) {
    const std::vector<std::string> before = Names(story);
    const CharID main = Characters(story).GetMainCharacter();
    story->SetClean();
    IdleSteps idle(presenter);
    WithDialog<NewCharDlog>(
        idle, [&](NewCharDlog& dialog) { SetField(dialog, NewCharDlog::kNameItem, "Nobody"); },
        win::VK_ESCAPE);
    EXPECT_EQ(RunCharacterDialog(story, kNoCharID), kNoCharID);
    WithDialog<NewCharDlog>(
        idle,
        [&](NewCharDlog& dialog) {
            EXPECT_EQ(dialog.GetTitle(), "Character Information");
            SetField(dialog, NewCharDlog::kNameItem, "Renamed");
            SetField(dialog, NewCharDlog::kDescriptionItem, "Lost");
        },
        win::VK_ESCAPE);
    EXPECT_EQ(RunCharacterDialog(story, main), kNoCharID);
    EXPECT_EQ(Names(story), before);
    EXPECT_EQ(Text(main, CharacterKey::kDescription), "");
    EXPECT_FALSE(story->IsDirty());
}

TEST_F(CharacterDialogs, TheInformationDialogShowsTheCharacterAndWritesOnlyWhatChanged) {
    const CharID walker = MakeCharacter(story, "Walker");
    Characters(story).GetCharacter(walker)->SetDescription("Tall.");
    story->SetClean();
    IdleSteps idle(presenter);
    CharacterForm shown;
    WithDialog<NewCharDlog>(
        idle, [&](NewCharDlog& dialog) { shown = dialog.ReadItems(); }, win::VK_RETURN);
    EXPECT_EQ(RunCharacterDialog(story, walker), walker);
    EXPECT_EQ(shown.name, "Walker");
    EXPECT_EQ(shown.description, "Tall.");
    EXPECT_FALSE(story->IsDirty()) << "OK without a change writes nothing";
    WithDialog<NewCharDlog>(
        idle,
        [&](NewCharDlog& dialog) { SetField(dialog, NewCharDlog::kDescriptionItem, "Tall, and late."); },
        win::VK_RETURN);
    RunCharacterDialog(story, walker);
    EXPECT_EQ(Text(walker, CharacterKey::kDescription), "Tall, and late.");
    EXPECT_EQ(NameOf(story, walker), "Walker");
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(CharacterDialogs, TheSpecialIdentificationMakesTheCharacterMainAfterTheQuestion) {
    const CharID walker = MakeCharacter(story, "Walker");
    const CharID placeholderMain = Characters(story).GetMainCharacter();
    Characters(story).GetCharacter(placeholderMain)->SetDescription("worked on");
    IdleSteps idle(presenter);
    WithDialog<NewCharDlog>(
        idle, [&](NewCharDlog& dialog) { SetChoice(dialog, NewCharDlog::kIdentityItem, 1); }, win::VK_RETURN);
    Answer(IDNO);
    Mark();
    RunCharacterDialog(story, walker);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_NE(Asked()[0].find("is currently the MAIN CHARACTER"), std::string::npos) << Asked()[0];
    EXPECT_EQ(Characters(story).GetMainCharacter(), placeholderMain) << "the writer said no";
    WithDialog<NewCharDlog>(
        idle, [&](NewCharDlog& dialog) { SetChoice(dialog, NewCharDlog::kIdentityItem, 1); }, win::VK_RETURN);
    Answer(IDYES);
    RunCharacterDialog(story, walker);
    EXPECT_EQ(Characters(story).GetMainCharacter(), walker);
    EXPECT_EQ(Characters(story).GetCharacter(placeholderMain)->GetSubjectiveRole(), kNoRole);
}

TEST_F(CharacterDialogs, TheNewCharacterFormTakesTheDefaultsAndItsDefaultNameMovesOn) {
    GeneralPreferences().SetNumberByName("DefGender", kPTextShort, 1);
    const CharacterForm form = NewCharacterForm(Characters(story));
    EXPECT_EQ(form.name, "Character #3");
    EXPECT_EQ(form.sex, kFemaleSex);
    EXPECT_EQ(form.picture, 1) << "the stock picture of a woman";
    EXPECT_EQ(form.identity, kNoRole);
    const CharID first = WriteCharacterForm(Characters(story), kNoCharID, form);
    EXPECT_EQ(NameOf(story, first), "Character #3");
    EXPECT_EQ(NewCharacterForm(Characters(story)).name, "Character #4") << "a default name kept is used up";
    CharacterForm unnamed = form;
    unnamed.name.clear();
    EXPECT_EQ(NameOf(story, WriteCharacterForm(Characters(story), kNoCharID, unnamed)), "Character #4");
    unnamed.name = "  ";
    EXPECT_EQ(NameOf(story, WriteCharacterForm(Characters(story), kNoCharID, unnamed)), "Character #5")
        << "spaces are no name";
    CharacterForm named = NewCharacterForm(Characters(story));
    named.name = "Ossie";
    WriteCharacterForm(Characters(story), kNoCharID, named);
    EXPECT_EQ(NewCharacterForm(Characters(story)).name, "Character #6")
        << "a name of its own leaves the number";
}

TEST_F(CharacterDialogs, ThePictureChooserAnswersThePictureChosenOrNoneOnCancel) {
    IdleSteps idle(presenter);
    std::vector<std::uint16_t> offered;
    WithDialog<CharPictureDlog>(
        idle,
        [&](CharPictureDlog& dialog) {
            offered = dialog.GetGrid()->GetPictures();
            dialog.GetGrid()->Choose(1);
        },
        win::VK_RETURN);
    EXPECT_EQ(ChooseCharacterPicture(&Characters(story), 0), std::optional<std::uint16_t>(1));
    // The build's 65 stock pictures, numbered from 0 in order.
    ASSERT_EQ(offered.size(), 65u) << "the stock pictures of the build";
    for (std::size_t index = 0; index < offered.size(); ++index) EXPECT_EQ(offered[index], index);
    WithDialog<CharPictureDlog>(
        idle, [&](CharPictureDlog& dialog) { dialog.GetGrid()->Choose(1); }, win::VK_ESCAPE);
    EXPECT_EQ(ChooseCharacterPicture(&Characters(story), 0), std::nullopt);
    // A picture the story does not have cannot be chosen.
    WithDialog<CharPictureDlog>(
        idle, [&](CharPictureDlog& dialog) { dialog.GetGrid()->Choose(0x9999); }, win::VK_RETURN);
    EXPECT_EQ(ChooseCharacterPicture(&Characters(story), 1), std::optional<std::uint16_t>(1));
}

TEST_F(CharacterDialogs, MainAndImpactAreGivenOnOkAndCancelLeavesThem) {
    CharacterManager& characters = Characters(story);
    const CharID anna = MakeCharacter(story, "Anna", 1);
    const CharID boris = MakeCharacter(story, "Boris");
    IdleSteps idle(presenter);
    WithDialog<MainObstDlog>(
        idle,
        [&](MainObstDlog& dialog) {
            EXPECT_EQ(dialog.GetChosen(MainObstDlog::kMainItem), characters.GetMainCharacter());
            dialog.Choose(MainObstDlog::kMainItem, anna);
            dialog.Choose(MainObstDlog::kImpactItem, boris);
        },
        win::VK_ESCAPE);
    RunMainObstDialog(story);
    EXPECT_NE(characters.GetMainCharacter(), anna);
    EXPECT_EQ(characters.GetCount(), 4);
    WithDialog<MainObstDlog>(
        idle,
        [&](MainObstDlog& dialog) {
            dialog.Choose(MainObstDlog::kMainItem, anna);
            dialog.Choose(MainObstDlog::kImpactItem, boris);
        },
        win::VK_RETURN);
    RunMainObstDialog(story);
    EXPECT_EQ(characters.GetMainCharacter(), anna);
    EXPECT_EQ(characters.GetImpactCharacter(), boris);
    EXPECT_EQ(Names(story), (std::vector<std::string>{"Anna", "Boris"})) << "the untouched placeholders go";
}

TEST_F(CharacterDialogs, TheSameCharacterForBothIsRefusedAndTheDialogStays) {
    CharacterManager& characters = Characters(story);
    const CharID main = characters.GetMainCharacter();
    const CharID impact = characters.GetImpactCharacter();
    IdleSteps idle(presenter);
    bool stayed = false;
    WithDialog<MainObstDlog>(
        idle, [&](MainObstDlog& dialog) { dialog.Choose(MainObstDlog::kImpactItem, main); }, win::VK_RETURN);
    idle.Then([&] {
        stayed = FrontDialog<MainObstDlog>() != nullptr;
        presenter.PressKey(win::VK_ESCAPE);
    });
    Mark();
    RunMainObstDialog(story);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0], "The Main and Impact characters must be two different characters.");
    EXPECT_EQ(characters.GetMainCharacter(), main);
    EXPECT_EQ(characters.GetImpactCharacter(), impact);
}

TEST_F(CharacterDialogs, SwappingMainAndImpactKeepsBothCharacters) {
    CharacterManager& characters = Characters(story);
    const CharID main = characters.GetMainCharacter();
    const CharID impact = characters.GetImpactCharacter();
    EXPECT_TRUE(AssignMainAndImpact(characters, impact, main));
    EXPECT_EQ(characters.GetMainCharacter(), impact);
    EXPECT_EQ(characters.GetImpactCharacter(), main);
    EXPECT_EQ(characters.GetCount(), 2);
    // The Main character becomes the impact one while a new character takes Main.
    const CharID carl = MakeCharacter(story, "Carl");
    // The writer is asked once before the impact character is taken from the old Main one.
    Answer(IDYES);
    Mark();
    EXPECT_TRUE(AssignMainAndImpact(characters, carl, impact));
    EXPECT_EQ(Asked().size(), 1u);
    EXPECT_EQ(characters.GetMainCharacter(), carl);
    EXPECT_EQ(characters.GetImpactCharacter(), impact);
    EXPECT_TRUE(characters.HasCharacter(impact));
    EXPECT_FALSE(AssignMainAndImpact(characters, carl, carl));
    EXPECT_FALSE(AssignMainAndImpact(characters, carl, 0x4000));
}

TEST_F(CharacterDialogs, EachDialogOpensWhereItWasLast) {
    IdleSteps idle(presenter);
    ShortRect firstPlace;
    WithDialog<NewCharDlog>(
        idle,
        [&](NewCharDlog& dialog) {
            const ShortRect frame = dialog.GetFrameRect();
            dialog.MoveTo(ShortRect::MakeLTRB(5, 7, 5 + frame.Width(), 7 + frame.Height()));
            firstPlace = dialog.GetFrameRect();
        },
        win::VK_ESCAPE);
    RunCharacterDialog(story, kNoCharID);
    ShortRect kept;
    ASSERT_TRUE(PreferencesManager::GetPrefRect(&GeneralPreferences(), NewCharDlog::kNewPlaceKey, kept));
    EXPECT_EQ(kept, firstPlace);
    EXPECT_FALSE(PreferencesManager::GetPrefRect(&GeneralPreferences(), NewCharDlog::kInfoPlaceKey, kept))
        << "the information dialog keeps its own place";
    ShortRect secondPlace;
    WithDialog<NewCharDlog>(
        idle, [&](NewCharDlog& dialog) { secondPlace = dialog.GetFrameRect(); }, win::VK_ESCAPE);
    RunCharacterDialog(story, kNoCharID);
    EXPECT_EQ(secondPlace, firstPlace);
    WithDialog<MainObstDlog>(
        idle, [](MainObstDlog&) {}, win::VK_ESCAPE);
    RunMainObstDialog(story);
    EXPECT_TRUE(PreferencesManager::GetPrefRect(&GeneralPreferences(), MainObstDlog::kPlaceKey, kept));
}

// The name, role and description hold each character that is stored escaped: the dialog shows them
// plainly, and OK with nothing changed leaves the stored texts as they were and the story unchanged,
// however often the writer opens the dialog and presses OK.
TEST_F(CharacterDialogs, EscapedTextsShowPlainlyAndComeBackUnchangedFromOk) {
    for (const char escaped : {'/', '\\', '{', '}', '\xB0', '\xC7', '\xC8'}) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(escaped)));
        const std::string name = std::string("Jean") + escaped + "Luc";
        const std::string role = std::string("the ") + escaped + escaped + " keeper";
        const std::string description = std::string("Line one") + escaped + "\nLine two " + escaped;
        const CharID jean = MakeCharacter(story, "Jean");
        CharInfoRec& character = *Characters(story).GetCharacter(jean);
        character.SetName(StoredText(name).c_str());
        character.SetRole(StoredText(role).c_str());
        character.SetDescription(StoredText(description).c_str());
        const std::string storedName = character.Name();
        ASSERT_EQ(storedName.size(), name.size() + 1) << "the name holds one escape";
        story->SetClean();
        IdleSteps idle(presenter);
        for (int ok = 0; ok < 2; ++ok) {
            WithDialog<NewCharDlog>(
                idle,
                [&](NewCharDlog& dialog) {
                    EXPECT_EQ(Shown(dialog, NewCharDlog::kNameItem), name);
                    EXPECT_EQ(Shown(dialog, NewCharDlog::kRoleItem), role);
                    EXPECT_EQ(Shown(dialog, NewCharDlog::kDescriptionItem), description);
                },
                win::VK_RETURN);
            EXPECT_EQ(RunCharacterDialog(story, jean), jean);
        }
        EXPECT_EQ(NameOf(story, jean), storedName);
        EXPECT_EQ(Text(jean, CharacterKey::kRole), StoredText(role));
        EXPECT_EQ(Text(jean, CharacterKey::kDescription), StoredText(description));
        EXPECT_FALSE(story->IsDirty()) << "OK with nothing changed changes nothing";
        Characters(story).DeleteCharacter(jean, true);
    }
}

// The name, role and description stop at what the character keeps as stored and every other reader
// of them reads whole: the name at 31 bytes, the role at 2,047 (the reports' and character files'),
// the description at 30,719 (the query pages' and reports'), a slash taking two. Typed or pasted,
// with and without slashes, they come back from OK and from the saved file as the fields kept them:
// a paste past the limit is cut where the text still fits, and the writer is told. The story is
// changed, so Save is offered.
TEST_F(CharacterDialogs, EachTextStopsAtWhatTheRecordKeepsAndComesBackWhole) {
    const std::string role(32766, 'r');
    std::string description(32000, 'd');
    for (std::size_t i = 0; i < 800; ++i) description[i * 40] = '/';
    Choose("cast.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    Mark();
    IdleSteps idle(presenter);
    idle.Then([&] { presenter.TypeText(std::string(20, '/') + "abc"); });
    PasteStep(idle, role, NewCharDlog::kRoleItem);
    PasteStep(idle, description, NewCharDlog::kDescriptionItem);
    idle.Then([&] { Click(*FrontDialog<NewCharDlog>(), NewCharDlog::kOkItem); });
    const CharID made = RunCharacterDialog(story, kNoCharID);
    ASSERT_NE(made, kNoCharID);
    // Fifteen slashes take 30 bytes, the letter the last one.
    const std::string name = std::string(15, '/') + "a";
    const std::string keptRole = role.substr(0, 2047);
    // The description's first 29,969 characters hold 750 slashes: 30,719 bytes.
    const std::string kept = description.substr(0, 29969);
    EXPECT_EQ(Shown(NameOf(story, made)), name);
    EXPECT_TRUE(Text(made, CharacterKey::kRole) == keptRole) << "the role is cut where it fits";
    EXPECT_TRUE(Text(made, CharacterKey::kDescription) == StoredText(kept))
        << "the description is cut where it fits";
    ASSERT_EQ(Asked().size(), 2u) << "the role and the description were cut";
    EXPECT_EQ(Asked()[0], StoredTextField::CutMessage(keptRole.size()));
    EXPECT_EQ(Asked()[1], StoredTextField::CutMessage(kept.size()));
    EXPECT_TRUE(application->CommandEnabled(kCmdSave));
    application->HandleCommand(kCmdSave);
    Run();
    ASSERT_FALSE(story->IsDirty());
    ASSERT_TRUE(application->CloseAll(false));
    story = OpenStory("cast.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(Shown(NameOf(story, made)), name);
    EXPECT_TRUE(Text(made, CharacterKey::kRole) == keptRole) << "the saved role";
    EXPECT_TRUE(Text(made, CharacterKey::kDescription) == StoredText(kept)) << "the saved description";
}

// The role and the description stop where every reader of them reads them whole: the role at 2,047
// bytes as stored (the reports and character files read it with 2,048, the NUL included), the
// description at 30,719 (the query pages and the reports read it with 30,720). A paste at the limit
// is kept whole without a word; one a byte past it is cut where it still fits, a slash counting two,
// and the writer is told.
TEST_F(CharacterDialogs, TheRoleAndTheDescriptionStopWhereEveryReaderReadsThemWhole) {
    const std::vector<testsupport::TextLimitCase> roles = testsupport::TextLimitCases(2047);
    const std::vector<testsupport::TextLimitCase> descriptions = testsupport::TextLimitCases(30719);
    for (std::size_t i = 0; i < roles.size(); ++i) {
        SCOPED_TRACE(roles[i].what);
        Mark();
        IdleSteps idle(presenter);
        PasteStep(idle, roles[i].pasted, NewCharDlog::kRoleItem);
        PasteStep(idle, descriptions[i].pasted, NewCharDlog::kDescriptionItem);
        idle.Then([&] { Click(*FrontDialog<NewCharDlog>(), NewCharDlog::kOkItem); });
        const CharID made = RunCharacterDialog(story, kNoCharID);
        ASSERT_NE(made, kNoCharID);
        EXPECT_TRUE(Text(made, CharacterKey::kRole) == StoredText(roles[i].kept)) << "the role";
        EXPECT_TRUE(Text(made, CharacterKey::kDescription) == StoredText(descriptions[i].kept))
            << "the description";
        std::vector<std::string> told;
        for (const testsupport::TextLimitCase* pasted : {&roles[i], &descriptions[i]}) {
            if (pasted->cut) told.push_back(StoredTextField::CutMessage(pasted->kept.size()));
        }
        EXPECT_EQ(Asked(), told);
    }
}

// A text the record cannot keep is refused by the record, and the character keeps what it had; the
// form writing it says so.
TEST_F(CharacterDialogs, ATextTooLongForTheRecordLeavesTheOldOneAndIsReported) {
    const CharID walker = MakeCharacter(story, "Walker");
    CharInfoRec& character = *Characters(story).GetCharacter(walker);
    ASSERT_EQ(character.SetText(CharacterKey::kDescription, "Tall."), kNoErr);
    EXPECT_EQ(character.SetText(CharacterKey::kDescription, std::string(32767, 'x').c_str()),
              kPTextErrValueTooLong);
    EXPECT_EQ(Text(walker, CharacterKey::kDescription), "Tall.");
    CharacterForm form = ReadCharacterForm(character);
    form.role = "the walker";
    form.description = std::string(32767, 'y');
    ErrCode error = kNoErr;
    EXPECT_EQ(WriteCharacterForm(Characters(story), walker, form, &error), walker);
    EXPECT_EQ(error, kPTextErrValueTooLong);
    EXPECT_EQ(Text(walker, CharacterKey::kRole), "the walker");
    EXPECT_EQ(Text(walker, CharacterKey::kDescription), "Tall.");
    EXPECT_EQ(character.SetText(CharacterKey::kDescription, std::string(32766, 'z').c_str()), kNoErr);
}

// The dialog opens with the name ready for typing: what the writer types replaces the default name,
// and in the information dialog the character's own. Tab goes on from each item to the next, the
// popups too: sex, identification, the picture button, role, description and OK.
TEST_F(CharacterDialogs, TheNameIsTypedStraightAwayOverTheOneShown) {
    IdleSteps idle(presenter);
    idle.Then([this] {
        ASSERT_NE(FrontDialog<NewCharDlog>(), nullptr);
        presenter.TypeText("Zed");
        for (const char* typed : {"", "", "", "Drover", "Tall.", ""}) {
            presenter.PressKey(win::VK_TAB);
            presenter.TypeText(typed);
        }
        presenter.PressKey(win::VK_RETURN);
    });
    const CharID zed = RunCharacterDialog(story, kNoCharID);
    EXPECT_EQ(NameOf(story, zed), "Zed");
    EXPECT_EQ(Text(zed, CharacterKey::kRole), "Drover");
    EXPECT_EQ(Text(zed, CharacterKey::kDescription), "Tall.");
    idle.Then([this] {
        ASSERT_NE(FrontDialog<NewCharDlog>(), nullptr);
        presenter.TypeText("Ida");
        presenter.PressKey(win::VK_RETURN);
    });
    EXPECT_EQ(RunCharacterDialog(story, zed), zed);
    EXPECT_EQ(NameOf(story, zed), "Ida");
}

// A new character starts with the default gender the writer chose in the preferences: the dialog's
// sex popup shows it, and OK makes the character so, with that sex's stock picture - Neutral, the
// last of them, too.
TEST_F(CharacterDialogs, ANewCharacterStartsWithThePreferredDefaultGenderNeutralToo) {
    const std::pair<std::uint16_t, const char*> genders[] = {
        {kFemaleSex, "Female"}, {kNeutralSex, "Neutral"}, {kMaleSex, "Male"}};
    for (const auto& [sex, name] : genders) {
        SCOPED_TRACE(name);
        PreferencesManager::SetPrefShort(application->GetPreferencesManager()->GetGeneralRecord(), "DefGender",
                                         static_cast<std::int16_t>(sex));
        IdleSteps idle(presenter);
        std::string shown;
        WithDialog<NewCharDlog>(
            idle,
            [&](NewCharDlog& dialog) {
                char text[32] = "";
                dynamic_cast<Popup&>(*dialog.GetItem(NewCharDlog::kSexItem)).GetChosenText(text, sizeof text);
                shown = text;
            },
            win::VK_RETURN);
        const CharID made = RunCharacterDialog(story, kNoCharID);
        EXPECT_EQ(shown, name);
        ASSERT_NE(made, kNoCharID);
        EXPECT_EQ(Characters(story).GetCharacter(made)->GetSex(), sex);
        EXPECT_EQ(Characters(story).GetCharacter(made)->GetPicture(), StockPicture(sex));
    }
}

}  // namespace
}  // namespace charactertest
