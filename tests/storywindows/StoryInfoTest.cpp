// The story information dialog: Story Info shows the story's main record, OK writes what the writer
// typed (braces and backslashes staying text) and marks the story changed, Cancel changes nothing,
// an emptied text takes its key away, and the dialog keeps its place.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/EditView.h"
#include "items/StoredTextField.h"
#include "platform/ui/ClipboardText.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/RecordText.h"
#include "storywindows/SInfoDlog.h"
#include "storywindows/StoryWindowSupport.h"
#include "support/TextLimitCases.h"
#include "widgets/Popup.h"

namespace storywindowstest {
namespace {

class StoryInfo : public StoryWindowsStoryTest {
protected:
    // Story Info from the menu, with one step per wait of the dialog.
    void RunStoryInfo(std::vector<std::function<void(SInfoDlog&)>> steps) {
        std::vector<std::function<void(TDialog&)>> played;
        for (auto& step : steps)
            played.push_back([step](TDialog& dialog) { step(dynamic_cast<SInfoDlog&>(dialog)); });
        RunModal([&] { application->HandleCommand(kCmdStoryInfo); }, std::move(played));
        Run();
    }
    // The popup chooses the synopsis, as a pick in its menu does.
    static void PickSynopsis(SInfoDlog& dialog, int index) {
        dialog.SynopsisPopup()->SetValue(index, true);
        dialog.PostItemHit(SInfoDlog::kSynopsisPopup);
    }
    std::string Info(const char* key) { return RecordText(story->GetInfoRecord(), key); }
    // The field's text as the writer reads it.
    static std::string Shown(EditView& field) {
        char text[512] = "";
        field.GetRawText(text, sizeof text);
        return text;
    }
};

TEST_F(StoryInfo, OkWritesWhatTheWriterTypedIntoTheMainRecordAndTheCaptions) {
    story->GetInfoRecord().SetEntry("Genre", kPTextText, "Mystery");
    story->SetClean();
    RunStoryInfo({[&](SInfoDlog& dialog) {
                      EXPECT_EQ(dialog.GetTitle(), "Story Information");
                      EXPECT_EQ(dialog.LineField(0)->GetText(), "Your Story");
                      EXPECT_EQ(dialog.LineField(2)->GetText(), "Mystery");
                      EXPECT_EQ(Shown(*dialog.LineField(3)), ExpandAndDecode(story, "{SDI(OSName)}"))
                          << "a story name's template shows as the writer reads it";
                      Click(*dialog.LineField(1));
                      Type("Ann {NObst} \\Lee");
                  },
                  [&](SInfoDlog& dialog) {
                      dialog.LineField(0)->SetText("Harbour Lights", 0);
                      Click(*dialog.SynopsisField());
                      Type("A town waits.");
                  },
                  [&](SInfoDlog& dialog) { PickSynopsis(dialog, 3); },
                  [&](SInfoDlog& dialog) {
                      EXPECT_EQ(dialog.GetShownSynopsis(), 3u);
                      EXPECT_EQ(dialog.SynopsisField()->GetText(), "") << "the main character's synopsis";
                      Click(*dialog.SynopsisField());
                      Type("She stays.");
                  },
                  [&](SInfoDlog& dialog) { PickSynopsis(dialog, 0); },
                  [&](SInfoDlog& dialog) {
                      EXPECT_EQ(dialog.SynopsisField()->GetText(), "A town waits.")
                          << "kept while another showed";
                      Click(*dialog.GetItem(SInfoDlog::kOkItem));
                  }});
    EXPECT_EQ(Info("Title"), "Harbour Lights");
    EXPECT_EQ(Info("Synopsis"), "A town waits.");
    EXPECT_EQ(Info("MCSynopsis"), "She stays.");
    EXPECT_EQ(Info("Genre"), "Mystery");
    EXPECT_EQ(Info("OSName"), "The {NObje} Story") << "left as it was, the template stays";
    // What the writer typed stays text: no macro, no escape.
    EXPECT_NE(Info("Author"), "Ann {NObst} \\Lee") << "kept in its stored form";
    EXPECT_EQ(ExpandAndDecode(story, "{SDI(Author)}"), "Ann {NObst} \\Lee");
    EXPECT_TRUE(story->IsDirty());
    EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), "untitled.1 - Harbour Lights");
}

TEST_F(StoryInfo, CancelChangesNothing) {
    story->SetClean();
    RunStoryInfo({[&](SInfoDlog& dialog) {
                      dialog.LineField(0)->SetText("Something Else", 0);
                      Click(*dialog.SynopsisField());
                      Type("A town waits.");
                  },
                  [&](SInfoDlog& dialog) { PickSynopsis(dialog, 2); },
                  [&](SInfoDlog&) { presenter.PressKey(VK_ESCAPE); }});
    EXPECT_EQ(Info("Title"), "Your Story");
    EXPECT_FALSE(story->GetInfoRecord().HasKey("Synopsis"));
    EXPECT_FALSE(story->IsDirty());
    // OK without a change marks nothing either.
    RunStoryInfo({[&](SInfoDlog&) { presenter.PressKey(VK_RETURN); }});
    EXPECT_FALSE(story->IsDirty());
}

TEST_F(StoryInfo, AnEmptiedTextTakesItsKeyAwayAndTheSavedFileHoldsTheRest) {
    story->GetInfoRecord().SetEntry("ThemeSynGen", kPTextText, "Trust is earned.");
    RunStoryInfo({[&](SInfoDlog& dialog) { PickSynopsis(dialog, 9); },
                  [&](SInfoDlog& dialog) {
                      EXPECT_EQ(dialog.SynopsisField()->GetText(), "Trust is earned.");
                      dialog.SynopsisField()->SetText("", 0);
                      dialog.LineField(2)->SetText("Western", 0);
                      presenter.PressKey(VK_RETURN);
                  }});
    EXPECT_FALSE(story->GetInfoRecord().HasKey("ThemeSynGen"));
    Choose("info.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    EXPECT_EQ(TextOnDisk(Path("info.fsf"), kMainRecordType, "Genre"), "Western");
    EXPECT_EQ(TextOnDisk(Path("info.fsf"), kMainRecordType, "ThemeSynGen"), "<missing>");
}

// Each one-line field stops at what its key keeps as stored: the title at the 99 bytes its key is
// read and written with (100, the NUL included), the two story names at 49, the author and the
// genre at 250; a slash is stored in two of them. Typing past the end is refused, and OK keeps
// every text whole.
TEST_F(StoryInfo, EachLineStopsAtWhatItsKeyKeeps) {
    const struct {
        std::size_t line;
        const char* key;
        std::size_t limit;
    } lines[] = {
        {0, "Title", 99}, {1, "Author", 250}, {2, "Genre", 250}, {3, "OSName", 49}, {4, "SSName", 49}};
    Mark();
    for (const char typed : {'a', '/'}) {
        SCOPED_TRACE(typed);
        RunStoryInfo({[&](SInfoDlog& dialog) {
            for (const auto& line : lines) {
                dialog.LineField(line.line)->SetText("", 0);
                Click(*dialog.LineField(line.line));
                Type(std::string(line.limit + 3, typed));
            }
            presenter.PressKey(VK_RETURN);
        }});
        for (const auto& line : lines) {
            const std::size_t kept = typed == '/' ? line.limit / 2 : line.limit;
            EXPECT_EQ(ExpandAndDecode(story, (std::string("{SDI(") + line.key + ")}").c_str()),
                      std::string(kept, typed))
                << line.key;
            EXPECT_LE(Info(line.key).size(), line.limit) << line.key;
        }
    }
    EXPECT_TRUE(Asked().empty()) << "a refused key only beeps";
}

// A synopsis stops at 30,719 bytes as stored, where the query pages read it whole. A long one
// without escapes is kept whole; one whose slashes take it past the limit (32,000 characters, 800 of
// them slashes) is cut where it still fits, and the writer is told. Either is in the saved file.
TEST_F(StoryInfo, ASynopsisStopsAtWhatTheRecordKeepsAndSaysSoWhenItCutsOne) {
    std::string plain(30719, 'w');
    for (std::size_t i = 79; i < plain.size(); i += 80) plain[i] = ' ';
    std::string slashed(32000, 'x');
    for (std::size_t i = 0; i < 800; ++i) slashed[i * 40] = '/';
    Mark();
    RunStoryInfo({[&](SInfoDlog& dialog) {
                      ASSERT_TRUE(win::detail::PutClipboardText(dialog.GetHWnd(), plain));
                      Click(*dialog.SynopsisField());
                      PressWith(VK_CONTROL, 'V');
                  },
                  [&](SInfoDlog& dialog) { PickSynopsis(dialog, 1); },
                  [&](SInfoDlog& dialog) {
                      ASSERT_TRUE(win::detail::PutClipboardText(dialog.GetHWnd(), slashed));
                      Click(*dialog.SynopsisField());
                      PressWith(VK_CONTROL, 'V');
                  },
                  [&](SInfoDlog& dialog) { Click(*dialog.GetItem(SInfoDlog::kOkItem)); }});
    EXPECT_EQ(Info("Synopsis"), plain) << "kept whole, without a word";
    const std::string cut = ExpandAndDecode(story, "{SDI(OSSynopsis)}");
    EXPECT_EQ(Info("OSSynopsis").size(), 30719u);
    EXPECT_EQ(cut, slashed.substr(0, cut.size())) << "what was kept is the text's beginning";
    // Its first 29,969 characters hold 750 slashes.
    EXPECT_EQ(cut.size(), 29969u);
    ASSERT_EQ(Asked().size(), 1u) << "the cut one only";
    EXPECT_EQ(Asked()[0], StoredTextField::CutMessage(cut.size()));
    const std::string stored = Info("OSSynopsis");
    Choose("long.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    ASSERT_TRUE(application->CloseAll(false));
    story = OpenStory("long.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(Info("Synopsis"), plain);
    EXPECT_EQ(Info("OSSynopsis"), stored);
}

// Each synopsis stops at 30,719 bytes as stored, where the query pages and the reports read it whole:
// a paste at the limit is kept whole without a word, one a byte past it is cut where it still fits
// (a slash counting two) and the writer is told. Each case goes to a synopsis of its own.
TEST_F(StoryInfo, EachSynopsisStopsWhereEveryReaderReadsItWhole) {
    const std::vector<testsupport::TextLimitCase> cases = testsupport::TextLimitCases(30719);
    std::vector<std::function<void(SInfoDlog&)>> steps;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (i > 0) steps.push_back([i](SInfoDlog& dialog) { PickSynopsis(dialog, static_cast<int>(i)); });
        steps.push_back([&, i](SInfoDlog& dialog) {
            ASSERT_TRUE(win::detail::PutClipboardText(dialog.GetHWnd(), cases[i].pasted));
            Click(*dialog.SynopsisField());
            PressWith(VK_CONTROL, 'V');
        });
    }
    steps.push_back([&](SInfoDlog& dialog) { Click(*dialog.GetItem(SInfoDlog::kOkItem)); });
    Mark();
    RunStoryInfo(std::move(steps));
    std::vector<std::string> told;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_TRUE(Decoded(Info(StoryInformation::kSynopses[i].key)) == cases[i].kept);
        if (cases[i].cut) told.push_back(StoredTextField::CutMessage(cases[i].kept.size()));
    }
    EXPECT_EQ(Asked(), told);
}

TEST_F(StoryInfo, TheDialogKeepsItsPlaceAcrossARestart) {
    const ShortRect place = ShortRect::MakeLTRB(40, 30, 40 + 506, 30 + 400);
    ShortRect shown;
    RunStoryInfo({[&](SInfoDlog& dialog) {
        const ShortRect frame = dialog.GetFrameRect();
        dialog.MoveTo(ShortRect::MakeLTRB(place.left, place.top, place.left + frame.Width(),
                                          place.top + frame.Height()));
        shown = dialog.GetFrameRect();
        presenter.PressKey(VK_ESCAPE);
    }});
    ShortRect kept;
    ASSERT_TRUE(
        PreferencesManager::GetPrefRect(&Record(PrefRecord::kGeneral), SInfoDlog::kPlacementKey, kept));
    EXPECT_EQ(kept, shown);
    Restart();
    story = NewStory();
    Run();
    RunStoryInfo({[&](SInfoDlog& dialog) {
        EXPECT_EQ(dialog.GetFrameRect(), shown);
        presenter.PressKey(VK_ESCAPE);
    }});
}

TEST_F(StoryInfo, WithoutAStoryInFrontTheCommandMakesNothing) {
    story->SetClean();
    ASSERT_TRUE(application->CloseAll(true));
    Run();
    ASSERT_EQ(application->GetDocumentCount(), 0);
    EXPECT_FALSE(application->CommandEnabled(kCmdStoryInfo));
    EXPECT_EQ(RunModal([&] { application->HandleCommand(kCmdStoryInfo); }, {}), 0);
    EXPECT_EQ(RunStoryInfoDialog(nullptr), -1);
}

}  // namespace
}  // namespace storywindowstest
