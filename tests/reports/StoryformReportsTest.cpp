// Every report of the catalogue composed with the application data file the build makes and read
// as the writer reads it, over the storyforms a story can hold: the eight ways resolve, outcome and
// judgment go together, Main and Impact Characters of several people or not named yet, a story
// without a title, and storyforms chosen only in part (nothing, only the dynamics, only the four
// domains, and complete storyforms with some of their points not chosen yet). What the Main
// Character's resolve comes to is told as the storyform has it, the Overall Story's balance names
// its issue and counterpoint, no choice not made shows as "an unchosen item", what is chosen is
// named, no item's name takes a verb of the other number, and no sentence names a character by its
// role or leaves a gap for the title.

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ComposedProse.h"
#include "BuiltDataReportTest.h"
#include "ReportTestSupport.h"
#include "items/printing/PrintableCollections.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/PrintingTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportText.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/IncludeableAppreciation.h"
#include "storymodel/engine/StoryformNumber.h"
#include "storymodel/engine/StoryformSolver.h"

namespace {

using namespace reporttest;
using namespace composedprose;

// A storyform number with the second value (Steadfast, Failure, Bad) where asked.
std::uint16_t EndingNumber(bool steadfast, bool failure, bool bad) {
    return static_cast<std::uint16_t>((steadfast ? kDynamicBit[kResolve] : 0) |
                                      (failure ? kDynamicBit[kOutcome] : 0) |
                                      (bad ? kDynamicBit[kJudgment] : 0));
}

struct Ending {
    bool steadfast, failure, bad;
};
constexpr Ending kEndings[] = {{false, false, false}, {false, false, true}, {false, true, false},
                               {false, true, true},   {true, false, false}, {true, false, true},
                               {true, true, false},   {true, true, true}};

std::string EndingName(const Ending& e) {
    return std::string(e.steadfast ? "Steadfast" : "Change") + (e.failure ? ", Failure" : ", Success") +
           (e.bad ? ", Bad" : ", Good");
}

// A complete storyform with some of its points not chosen yet: those the list names, or all but
// those.
struct PartlyChosen {
    const char* name;
    std::uint16_t number;
    bool allBut;
    std::vector<const char*> codes;
};
const PartlyChosen kPartlyChosen[] = {
    {"every issue without its counterpoint", 5200, false, {"STRng2", "MCRng2", "OCRng2", "PLRng2"}},
    {"every class without its problem", 5200, false, {"STPbm", "MCPbm", "OCPbm", "PLPbm"}},
    {"only the classes",
     5200,
     true,
     {"STDom", "MCDom", "OCDom", "PLDom", "STHmCl", "MCHmCl", "OCHmCl", "PLHmCl"}},
    {"all but the judgment", 0, false, {"Judgment"}},
    {"all but the resolve", 16120, false, {"Resolve"}},
    {"all but the resolve, judgment, flaws, responses and problem",
     0,
     false,
     {"Resolve", "Judgment", "MCCrFl", "OCCrFl", "STDir", "PLDir", "STPbm"}},
    {"only the resolve, limit and outcome", 0, true, {"Resolve", "Limit", "Outcome"}},
    {"only the growth, approach, driver and judgment",
     10920,
     true,
     {"Direction", "Approach", "Work", "Judgment"}},
};

class ComposedReports : public BuiltDataReportTest {
protected:
    using Texts = std::map<std::int16_t, std::string>;
    // A story of its own, its characters named Mara and Otto, its storyform made by `prepare`; the
    // test runs with it and a composer over it.
    void WithStory(const std::function<void(StandInStory&)>& prepare,
                   const std::function<void(StandInStory&, ReportComposer&)>& test) {
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        {
            StandInStory made(store);
            ASSERT_EQ(made.LoadCharacters(), kNoErr);
            CharacterManager& characters = made.Characters();
            characters.GetCharacter(characters.GetMainCharacter())->SetName("Mara");
            characters.GetCharacter(characters.GetImpactCharacter())->SetName("Otto");
            PFMSetCurrentFile(store);
            prepare(made);
            ReportComposer built(&owner, &made, &made.StoryForm(), &made.Scenes());
            built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
            test(made, built);
        }
        PFMSetCurrentFile(story->GetStoryFile());
        PFMCloseFile(store);
    }
    static std::function<void(StandInStory&)> Complete(std::uint16_t number) {
        return [number](StandInStory& made) {
            ASSERT_TRUE(CompleteStoryform(made.StoryForm(), number)) << number;
        };
    }
    // Only the dynamics the list names, with their first (0) or second (1) value.
    static std::function<void(StandInStory&)> Dynamics(std::initializer_list<std::pair<int, int>> chosen) {
        const std::vector<std::pair<int, int>> list(chosen);
        return [list](StandInStory& made) {
            for (const auto& [dynamic, value] : list)
                made.StoryForm().SetChoice(DynamicPointID(dynamic), DynamicValue(dynamic, value));
        };
    }
    // Every report of the catalogue, by id.
    static std::map<std::int16_t, std::string> ReadAll(ReportComposer& built, IStoryDocument& of) {
        std::map<std::int16_t, std::string> texts;
        for (const ReportCatalogueEntry& entry : ReportCatalogue())
            if (entry.IsReport())
                texts[static_cast<std::int16_t>(entry.reportId)] =
                    Read(built, of, static_cast<std::int16_t>(entry.reportId));
        return texts;
    }
    // A storytelling text under every key the reports weave in.
    static void TellEverything(StandInStory& of) {
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord* point = StoryPointAt(index);
            if (point && point->code)
                of.GetStorytellingRecord().SetEntry(point->code, kPTextText, "Told in my words");
        }
    }
    static std::string NameAt(StandInStory& of, const char* code) {
        return ElementName(of.StoryForm().GetValueAt(StoryPointIndexForCode(code)));
    }
    // Takes back the choices the partly chosen storyform has not made.
    static void Unchoose(StoryFormManager& form, const PartlyChosen& partly) {
        for (int index = 0; index < kStoryPointCount; ++index) {
            bool named = false;
            for (const char* code : partly.codes) named = named || StoryPointIndexForCode(code) == index;
            if (named != partly.allBut) form.SetValueAt(index, 0);
        }
    }
    static std::function<void(StandInStory&)> Partly(const PartlyChosen& partly) {
        return [&partly](StandInStory& made) {
            Complete(partly.number)(made);
            Unchoose(made.StoryForm(), partly);
        };
    }
    // Complete storyforms of four endings that take each value of resolve, outcome and judgment,
    // and the storyforms chosen in part, by name.
    static std::vector<std::pair<std::string, std::function<void(StandInStory&)>>> Storyforms() {
        std::vector<std::pair<std::string, std::function<void(StandInStory&)>>> all;
        for (const Ending& e : {kEndings[0], kEndings[3], kEndings[5], kEndings[6]})
            all.emplace_back(EndingName(e), Complete(EndingNumber(e.steadfast, e.failure, e.bad)));
        for (const PartlyChosen& partly : kPartlyChosen) all.emplace_back(partly.name, Partly(partly));
        return all;
    }
    // The Main and Impact Characters with the names a new story gives them.
    static void Unname(StandInStory& made) {
        CharacterManager& characters = made.Characters();
        characters.GetCharacter(characters.GetMainCharacter())
            ->SetName(CharacterManager::kMainPlaceholderName);
        characters.GetCharacter(characters.GetImpactCharacter())
            ->SetName(ExpandText(nullptr, CharacterManager::kImpactPlaceholderName).c_str());
    }
    // Every report with its lines as they are, not run together.
    static std::map<std::int16_t, std::string> ReadLines(ReportComposer& built, IStoryDocument& of) {
        std::map<std::int16_t, std::string> texts;
        for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
            if (!entry.IsReport()) continue;
            const auto id = static_cast<std::int16_t>(entry.reportId);
            built.ResetText();
            built.BuildReportSection(id, ReportTitle(id, &of).c_str());
            texts[id] = PlainReportText(&of, built.GetText(), true);
        }
        return texts;
    }
};

// A storyform chosen in part names each item it has chosen wherever the complete storyform does,
// and says "not chosen yet" only of what is not. Read against the complete storyform's reports: a
// sentence that names chosen items and none not chosen, and rests on no dynamic not chosen, reads
// the same; a chosen item is named in no fewer of the sentences that changed; and a report whose
// words turn with a chosen dynamic still turns with it.
TEST_F(ComposedReports, APartlyChosenStoryformNamesWhatItHasChosen) {
    // The name of a story point's value (its code or id), as the reports give it.
    const auto nameOf = [](IStoryDocument* of, const std::string& point) {
        std::string name = PlainReportText(of, ("{SNF(" + point + ")}").c_str(), true);
        while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) name.pop_back();
        return name;
    };
    // A name some item has at two levels of the theory ("Situation"), or that a dynamic's value has
    // too ("Change"), names no one item.
    std::map<std::string, std::set<int>> levels;
    for (std::int16_t id = 1; id < kElementCount; ++id)
        levels[ElementName(id)].insert(id < kFirstTypeID        ? 0
                                       : id < kFirstVariationID ? 1
                                       : id < kFirstElementID   ? 2
                                                                : 3);
    for (int d = 0; d < kDynamicCount; ++d)
        for (const int value : {0, 1})
            levels[nameOf(nullptr, std::to_string(DynamicValue(d, value)))].insert(4);
    // The complete storyforms' reports, as they are and with each dynamic turned, by number.
    std::map<std::uint16_t, std::pair<Texts, std::map<int, Texts>>> completes;
    for (const PartlyChosen& partly : kPartlyChosen) {
        SCOPED_TRACE(partly.name);
        WithStory(Complete(partly.number), [&](StandInStory& made, ReportComposer& built) {
            StoryFormManager& form = made.StoryForm();
            const auto turned = [&](int d) {
                const std::int16_t value = form.GetValueAt(DynamicIndex(d));
                form.SetValueAt(DynamicIndex(d), DynamicValue(d, value == DynamicValue(d, 0) ? 1 : 0));
                const Texts texts = ReadAll(built, made);
                form.SetValueAt(DynamicIndex(d), value);
                return texts;
            };
            std::map<int, std::string> names;  // of the items, by index
            for (int index = 0; index < kStoryPointCount; ++index) {
                const std::int16_t value = form.GetValueAt(index);
                // The dynamics' values are told in words of their own (see `turned`).
                if (value <= 0 || value >= DynamicPointID(0)) continue;
                names[index] = nameOf(&made, StoryPointAt(index)->code);
            }
            auto& [complete, completeTurned] = completes[partly.number];
            if (complete.empty()) {
                complete = ReadAll(built, made);
                for (int d = 0; d < kDynamicCount; ++d) completeTurned[d] = turned(d);
            }
            std::map<int, Texts> partlyTurned;
            Unchoose(form, partly);
            const Texts partial = ReadAll(built, made);
            std::set<std::string> chosen, unchosen;
            for (const auto& [index, name] : names)
                (form.GetValueAt(index) > 0 ? chosen : unchosen).insert(name);
            std::erase_if(chosen, [&](const std::string& name) {
                return unchosen.count(name) || levels[name].size() > 1;
            });
            std::vector<int> unchosenDynamics;
            for (int d = 0; d < kDynamicCount; ++d) {
                if (form.GetValueAt(DynamicIndex(d)) > 0)
                    partlyTurned[d] = turned(d);
                else
                    unchosenDynamics.push_back(d);
            }
            for (const auto& [id, text] : complete) {
                const std::vector<std::string> whole = Pieces(text, ".?!"),
                                               part = Pieces(partial.at(id), ".?!");
                const std::vector<std::string> gone = Lacking(whole, part), come = Lacking(part, whole);
                const auto namesAny = [&](const std::string& sentence, const std::set<std::string>& of) {
                    return std::any_of(of.begin(), of.end(), [&](const std::string& name) {
                        return CountWords(sentence, name) > 0;
                    });
                };
                // The sentences whose words turn with a dynamic not chosen.
                std::set<std::string> turning;
                for (const int d : unchosenDynamics) {
                    for (const std::string& sentence :
                         Lacking(whole, Pieces(completeTurned[d].at(id), ".?!")))
                        turning.insert(sentence);
                }
                for (const std::string& sentence : gone) {
                    if (namesAny(sentence, chosen) && !namesAny(sentence, unchosen) &&
                        !turning.count(sentence))
                        ADD_FAILURE() << id << ", changed: " << sentence;
                }
                for (const std::string& name : chosen) {
                    const auto naming = [&](const std::vector<std::string>& sentences) {
                        return std::count_if(sentences.begin(), sentences.end(),
                                             [&](const std::string& s) { return CountWords(s, name) > 0; });
                    };
                    if (naming(gone) > naming(come)) ADD_FAILURE() << id << ": " << name << " is named less";
                }
                for (const auto& [d, texts] : partlyTurned) {
                    if (completeTurned[d].at(id) != text && texts.at(id) == partial.at(id))
                        ADD_FAILURE() << id << ": dynamic " << d << " is not told";
                }
            }
        });
    }
}

// A story whose Main and Impact Characters are not named yet, or only one of them, never names a
// character by its role as though that were its name ("Today your Main Character is the Main
// Character."), whether its storyform is complete or chosen in part.
TEST_F(ComposedReports, ACharacterNotNamedYetIsNeverNamedByItsRole) {
    for (const auto& [name, storyform] : Storyforms()) {
        SCOPED_TRACE(name);
        WithStory(storyform, [&](StandInStory& made, ReportComposer& built) {
            const Texts named = ReadLines(built, made);
            for (const bool both : {true, false}) {
                Unname(made);
                if (!both)
                    made.Characters().GetCharacter(made.Characters().GetMainCharacter())->SetName("Mara");
                for (const auto& [id, text] : ReadLines(built, made)) {
                    // A role the template itself names twice is no name.
                    const std::vector<std::string> own = RoleNamingFaults(named.at(id));
                    for (const std::string& fault : Lacking(RoleNamingFaults(text), own))
                        ADD_FAILURE() << id << ": " << fault;
                }
            }
        });
    }
}

// A story whose title the writer has emptied says it has no title yet: no sentence reads as it
// would with the title left out ("Notes on .").
TEST_F(ComposedReports, AStoryWithoutATitleSaysSo) {
    const std::string title = "The Harbour Light";
    bool first = true;
    for (const auto& [name, storyform] : Storyforms()) {
        SCOPED_TRACE(name);
        WithStory(storyform, [&](StandInStory& made, ReportComposer& built) {
            made.GetInfoRecord().SetEntry("Title", kPTextText, title.c_str());
            const Texts titled = ReadLines(built, made);
            // Emptied, or left with spaces only.
            for (const char* none : {"", first ? "   " : ""}) {
                made.GetInfoRecord().SetEntry("Title", kPTextText, none);
                for (const auto& [id, text] : ReadLines(built, made)) {
                    for (const std::string& gap : TitleGaps(titled.at(id), text, title))
                        ADD_FAILURE() << id << ": " << gap;
                }
            }
        });
        first = false;
    }
}

// The Main Character's paragraph tells what holding on to (or letting go of) the first way comes
// to, for the story's problem by the outcome and for the character's own trouble by the judgment;
// the Plot Dynamics of the same storyform agree with it.
TEST_F(ComposedReports, WhatTheResolveComesToIsTrueForEachResolveOutcomeAndJudgment) {
    for (const Ending& e : kEndings) {
        SCOPED_TRACE(EndingName(e));
        WithStory(Complete(EndingNumber(e.steadfast, e.failure, e.bad)), [&](StandInStory& made,
                                                                             ReportComposer& built) {
            ASSERT_EQ(made.StoryForm().IsSteadfast(), e.steadfast);
            ASSERT_EQ(made.StoryForm().IsFailure(), e.failure);
            ASSERT_EQ(made.StoryForm().IsBad(), e.bad);
            const std::string sentence = std::string(ResolveWords(e.steadfast)) +
                                         " her first way of meeting her excess " +
                                         ConsequenceWords(e.failure, e.bad, "her") + ".";
            for (const std::int16_t id : {28, 15, 20})
                EXPECT_NE(Read(built, made, id).find(sentence), std::string::npos) << id << ": " << sentence;
            const std::string plot = Read(built, made, 18);
            EXPECT_EQ(plot.find("The story's goal is NOT reached") != std::string::npos, e.failure) << plot;
        });
    }
}

// Main and Impact Characters of several people: the sentence speaks of "their" first way, and every
// report's items still take verbs of their own number.
TEST_F(ComposedReports, WhatTheResolveComesToReadsInThePluralForCharactersOfSeveral) {
    WithStory(Complete(EndingNumber(true, true, true)), [&](StandInStory& made, ReportComposer& built) {
        CharacterManager& characters = made.Characters();
        for (const CharID id : {characters.GetMainCharacter(), characters.GetImpactCharacter()}) {
            CharInfoRec* character = characters.GetCharacter(id);
            character->SetName(id == characters.GetMainCharacter() ? "The Twins" : "The Spirits");
            character->SetForm(kPluralForm);
        }
        ASSERT_TRUE(made.StoryForm().IsStop());
        EXPECT_NE(Read(built, made, 28)
                      .find("Holding on to their first way of meeting their excess neither sees the "
                            "story's problem resolved nor eases their own trouble."),
                  std::string::npos);
        for (const auto& [id, text] : ReadAll(built, made)) {
            for (const std::string& fault : VerbAgreementFaults(text)) ADD_FAILURE() << id << ": " << fault;
            for (const std::string& fault : UnchosenFaults(text)) ADD_FAILURE() << id << ": " << fault;
            for (const std::string& fault : UnclosedAppositions(text)) ADD_FAILURE() << id << ": " << fault;
        }
    });
}

// While the outcome, the judgment or the resolve is not chosen, the sentence says which, and gives
// no guess at it.
TEST_F(ComposedReports, WhatTheResolveComesToSaysWhatIsNotChosenYet) {
    struct Case {
        std::initializer_list<std::pair<int, int>> dynamics;
        const char* sentence;
    };
    const Case cases[] = {
        {{{kResolve, 1}},
         "Whether holding on to her first way of meeting her trouble sees the story's problem resolved, and "
         "whether "
         "it eases her own trouble, is not chosen yet."},
        {{{kResolve, 1}, {kOutcome, 1}},
         "Holding on to her first way of meeting her trouble does not see the story's problem resolved, "
         "though "
         "whether it eases her own trouble is not chosen yet."},
        {{{kResolve, 0}, {kJudgment, 1}, {kGrowth, 1}},
         "Letting go of her first way of meeting her lack does not ease her own trouble, though whether it "
         "sees the "
         "story's problem resolved is not chosen yet."},
        {{{kOutcome, 0}, {kJudgment, 0}},
         "Whether the Main Character holds on to her first way of meeting her trouble or lets go of it is "
         "not "
         "chosen yet; whichever way is taken, it sees the story's problem resolved and eases her own "
         "trouble."},
        {{{kGrowth, 0}},
         "Whether the Main Character holds on to her first way of meeting her trouble or lets go of it, and "
         "what that comes to for the story's problem and for her own trouble, is not chosen yet."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        WithStory(Dynamics(c.dynamics), [&](StandInStory& made, ReportComposer& built) {
            const std::string text = Read(built, made, 28);
            EXPECT_NE(text.find(c.sentence), std::string::npos) << text;
            EXPECT_EQ(text.find("prevents"), std::string::npos) << text;
        });
    }
}

// The balance the Overall Story weighs is between its issue and that issue's counterpoint; the two
// values beside the issue in its quad are named as what they are.
TEST_F(ComposedReports, TheOverallStorysBalanceNamesItsIssueAndCounterpoint) {
    for (const Ending& e : {kEndings[0], kEndings[3], kEndings[5], kEndings[6]}) {
        SCOPED_TRACE(EndingName(e));
        WithStory(Complete(EndingNumber(e.steadfast, e.failure, e.bad)), [&](StandInStory& made,
                                                                             ReportComposer& built) {
            const std::string issue = NameAt(made, "STRng"), counterpoint = NameAt(made, "STRng2");
            for (const std::int16_t id : {15, 20}) {
                const std::string text = Read(built, made, id);
                EXPECT_EQ(BalanceNames(text), (std::vector<std::string>{issue, counterpoint})) << text;
                EXPECT_NE(text.find("The thematic issue is " + issue + " set against its counterpoint, " +
                                    counterpoint + "."),
                          std::string::npos);
                // The neighbours: neither the issue nor its counterpoint.
                const std::string beside = "Beside the issue in its quad of values stand ";
                const std::size_t at = text.find(beside);
                ASSERT_NE(at, std::string::npos) << text;
                const std::string neighbours =
                    text.substr(at + beside.size(), text.find('.', at) - at - beside.size());
                EXPECT_EQ(neighbours.find(issue), std::string::npos) << neighbours;
                EXPECT_EQ(neighbours.find(counterpoint), std::string::npos) << neighbours;
            }
        });
    }
}

// A storyform chosen only in part reads as prose that says what is not chosen yet: no report shows
// "an unchosen item" (nor "a multiply defined item" for a point that allows several values), with
// the storytelling off or on.
TEST_F(ComposedReports, NoReportOfAPartlyChosenStoryformShowsAChoiceNotMade) {
    const auto domains = [](StandInStory& made) {
        for (const std::int16_t id : {12000, 15000, 18000, 21000}) {
            const StoryPointRecord& point = *StoryPointByID(id);
            made.StoryForm().SetChoice(id, StoryformSolver::EngineValueID(0, point.engineField, point.kind));
        }
        // A point that allows several values has none yet.
        made.StoryForm().SetValueAt(StoryPointIndexForCode("MCCon"), -1);
    };
    const auto dynamics = [](StandInStory& made) {
        for (int d = 0; d < kDynamicCount; ++d)
            made.StoryForm().SetChoice(DynamicPointID(d), DynamicValue(d, d % 2));
    };
    struct Partial {
        const char* name;
        std::function<void(StandInStory&)> prepare;
        bool fewPoints;  // no more story points chosen than the four domains
    };
    std::vector<Partial> partly = {
        {"nothing chosen", [](StandInStory&) {}, true},
        {"only the dynamics", dynamics, true},
        {"only the four domains", domains, true},
    };
    for (const PartlyChosen& chosen : kPartlyChosen) partly.push_back({chosen.name, Partly(chosen), false});
    for (const auto& p : partly) {
        SCOPED_TRACE(p.name);
        const auto prepare = [&](StandInStory& made) {
            p.prepare(made);
            // A scene that represents story points, chosen or not, as the scene reports list them.
            SceneManager& scenes = made.Scenes();
            Scene& scene = *scenes.SceneAt(scenes.InsertScene(0));
            scene.SetTitle("The harbour");
            for (const char* code : {"Resolve", "STDom", "MCCon", "STGoal", "OCType2"})
                scene.AddAppreciation(
                    IncludeableAppreciation(StoryPointAt(StoryPointIndexForCode(code))->id, 0));
        };
        WithStory(prepare, [&](StandInStory& made, ReportComposer& built) {
            for (const std::int16_t storytelling : {0, 1}) {
                if (storytelling) TellEverything(made);
                built.SetShowStorytelling(storytelling);
                for (const auto& [id, text] : ReadAll(built, made)) {
                    for (const std::string& fault : UnchosenFaults(text))
                        ADD_FAILURE() << "report " << id << ": " << fault;
                    for (const std::string& fault : UnclosedAppositions(text))
                        ADD_FAILURE() << "report " << id << ": " << fault;
                }
            }
            // The reports that name story points say which are not chosen.
            built.SetShowStorytelling(0);
            if (!p.fewPoints) return;
            for (const std::int16_t id : {6, 15, 19, 23, 43, 49, 50})
                EXPECT_NE(Read(built, made, id).find("chosen yet"), std::string::npos) << id;
        });
    }
}

// An item's name takes a verb of its own number, whatever the storyform: the plot story points, the
// sliders and every other report, over the eight endings and a story of plural characters; each of
// the sixteen types stands where the plot story points name one. A value's definition made the
// subject of "is" is a phrase of one, not of many. An item's name set off by a comma ("the symptom,
// Potentiality,") is closed by one, here and in the storyforms chosen in part.
TEST_F(ComposedReports, EveryItemsNameTakesAVerbOfItsNumber) {
    for (const Ending& e : kEndings) {
        SCOPED_TRACE(EndingName(e));
        WithStory(Complete(EndingNumber(e.steadfast, e.failure, e.bad)),
                  [&](StandInStory& made, ReportComposer& built) {
                      PText& told = made.GetStorytellingRecord();
                      for (const char* slider : {"STRngSlider", "MCRngSlider", "OCRngSlider", "PLRngSlider"})
                          told.SetNumberByName(slider, kPTextShort, 3);
                      for (const auto& [id, text] : ReadAll(built, made)) {
                          for (const std::string& fault : VerbAgreementFaults(text))
                              ADD_FAILURE() << id << ": " << fault;
                          for (const std::string& fault : PluralDefinitionFaults(text))
                              ADD_FAILURE() << id << ": " << fault;
                          for (const std::string& fault : UnclosedAppositions(text))
                              ADD_FAILURE() << id << ": " << fault;
                      }
                  });
    }
    WithStory(Complete(EndingNumber(true, true, true)), [&](StandInStory& made, ReportComposer& built) {
        for (std::int16_t type = kFirstTypeID; type < kFirstVariationID; ++type) {
            for (const char* code :
                 {"STReq", "OCReq", "MCReq", "PLReq", "STGoal", "PLGoal", "OCGoal", "MCGoal"})
                made.StoryForm().SetValueAt(StoryPointIndexForCode(code), type);
            made.StoryForm().SetValueAt(StoryPointIndexForCode("MCRng"), type);
            for (const std::string& fault : VerbAgreementFaults(Read(built, made, 23)))
                ADD_FAILURE() << ElementName(type) << ": " << fault;
        }
        // A plural issue on the sliders.
        made.StoryForm().SetValueAt(StoryPointIndexForCode("MCRng"), 0);
        for (std::int16_t variation = kFirstVariationID; variation < kFirstElementID; ++variation) {
            if (std::string(ElementName(variation)) != "Senses") continue;
            made.StoryForm().SetValueAt(StoryPointIndexForCode("MCRng"), variation);
            made.GetStorytellingRecord().SetNumberByName("MCRngSlider", kPTextShort, 2);
            const std::string sliders = Read(built, made, 42);
            EXPECT_NE(sliders.find("The issue, Senses, weighs"), std::string::npos) << sliders;
            EXPECT_TRUE(VerbAgreementFaults(sliders).empty()) << sliders;
        }
    });
}

// The sentences that read wrong before: the limit as it is felt, the Main vs. Impact Story when
// outcome and judgment agree, an approach that does not fit the driver, and an Impact Character of
// several people on the guided road and beside the Main Character.
TEST_F(ComposedReports, TheDynamicsSentencesReadAsEnglish) {
    WithStory(
        Dynamics({{kLimit, 0}, {kOutcome, 0}, {kJudgment, 0}, {kResolve, 0}, {kApproach, 0}, {kDriver, 1}}),
        [&](StandInStory& made, ReportComposer& built) {
            EXPECT_NE(Read(built, made, 18)
                          .find("The characters feel it not as a running out of options but "
                                "as a running out of time, as their time is running short."),
                      std::string::npos);
            const std::string sides = Read(built, made, 25);
            EXPECT_NE(
                sides.find(", and Mara has succeeded in resolving her own trouble: her judgment is Good."),
                std::string::npos)
                << sides;
            EXPECT_NE(Read(built, made, 28)
                          .find("the Main Character is not comfortable working on the story's "
                                "terms, and so is dragged along as events unfold"),
                      std::string::npos);
        });
    WithStory(Dynamics({{kLimit, 1}}), [&](StandInStory& made, ReportComposer& built) {
        EXPECT_NE(Read(built, made, 18)
                      .find("not as a ticking clock but as a closing down of options, as their "
                            "options are running short."),
                  std::string::npos);
    });
    WithStory(Complete(EndingNumber(false, true, true)), [&](StandInStory& made, ReportComposer& built) {
        CharacterManager& characters = made.Characters();
        CharInfoRec* impact = characters.GetCharacter(characters.GetImpactCharacter());
        impact->SetName("The Spirits");
        impact->SetForm(kPluralForm);
        const std::string road = Read(built, made, 70);
        EXPECT_EQ(road.find("They need"), std::string::npos) << road;
        EXPECT_NE(road.find("Today that is The Spirits. The Impact Character need not be an enemy"),
                  std::string::npos)
            << road;
        // The Impact Character's unique ability and critical flaw, named by what each does as the
        // Main Character's are, not run on as "..., The Spirits by X and Y".
        const std::string sides = Read(built, made, 25);
        EXPECT_NE(sides.find(", and for The Spirits, what spurs them on is " + NameAt(made, "OCUnRng") +
                             " and what holds them back is " + NameAt(made, "OCCrFl") + ".  "),
                  std::string::npos)
            << sides;
    });
}

// The first question's hint holds for a steadfast Main Character of either judgment: holding firm is
// not being proven right.
TEST_F(ComposedReports, TheFirstQuestionsHintHoldsForEitherJudgment) {
    WithStory(Complete(EndingNumber(true, false, true)), [&](StandInStory& made, ReportComposer& built) {
        const std::string questions = Read(built, made, 19);
        EXPECT_EQ(questions.find("proven right?"), std::string::npos) << questions;
        EXPECT_NE(questions.find("a view kept to the end may prove right or wrong"), std::string::npos);
        // The themes of this storyform say the way held to was wrong, as the hint allows.
        EXPECT_NE(Read(built, made, 29).find("own way that turns out to be wrong"), std::string::npos);
        const std::string theory = ExpandText(&made, "{QBG(20)}");
        EXPECT_EQ(theory.find("worth keeping"), std::string::npos) << theory;
        EXPECT_NE(theory.find("proven right or wrong"), std::string::npos) << theory;
    });
}

// A story whose Main and Impact Characters are not named yet calls them "the Main Character" and
// "the Impact Character": where such a name opens a sentence or a heading it takes a capital, in
// every report of a complete storyform and in the two sections outside the catalogue that open
// with a name (the throughlines set against each other act by act, the Main Character's growth),
// each character given a characteristic so that Build Characters has sentences to open.
TEST_F(ComposedReports, ACharacterNotNamedYetOpensASentenceWithACapital) {
    const auto unnamed = [](StandInStory& made) {
        ASSERT_TRUE(CompleteStoryform(made.StoryForm(), 5200));
        Unname(made);
        CharacterManager& characters = made.Characters();
        const std::int16_t drive[] = {kFirstElementID},
                           other[] = {static_cast<std::int16_t>(kFirstElementID + 3)};
        characters.SetCharacteristics(characters.GetMainCharacter(), 0, drive);
        characters.SetCharacteristics(characters.GetImpactCharacter(), 0, other);
    };
    WithStory(unnamed, [&](StandInStory& made, ReportComposer& built) {
        std::vector<std::int16_t> ids = {32, 62};
        for (const ReportCatalogueEntry& entry : ReportCatalogue())
            if (entry.IsReport()) ids.push_back(static_cast<std::int16_t>(entry.reportId));
        for (const std::int16_t id : ids) {
            built.ResetText();
            built.BuildReportSection(id, ReportTitle(id, &made).c_str());
            const std::string text = PlainReportText(&made, built.GetText(), true);
            for (const std::string& fault : SmallLetterOpenings(text)) ADD_FAILURE() << id << ": " << fault;
        }
        // The names are the placeholders, and the openings read them with a capital.
        EXPECT_NE(Read(built, made, 25).find("The Main Character and the Impact Character meet"),
                  std::string::npos);
        EXPECT_NE(Read(built, made, 59).find("The Impact Character's motivation of "), std::string::npos);
    });
}

// While the Impact Character's unique ability or critical flaw is not chosen, the Main vs. Impact
// Story Character names each by what it does, so that the writer's storytelling of each follows
// words of its own rather than a verb left hanging ("... for Otto is:"), and names the one chosen;
// no report of a storyform chosen in part, its storytelling shown, breaks a sentence around the
// writer's words.
TEST_F(ComposedReports, TheWritersWordsNeverFollowASentenceLeftHanging) {
    const auto abilityOnly = [](StandInStory& made) {
        const StoryPointRecord& point = *StoryPointByID(StoryPointIDForCode("OCUnRng"));
        made.StoryForm().SetChoice(point.id,
                                   StoryformSolver::EngineValueID(0, point.engineField, point.kind));
    };
    for (const auto& prepare : {std::function<void(StandInStory&)>([](StandInStory&) {}),
                                std::function<void(StandInStory&)>(abilityOnly)}) {
        WithStory(prepare, [&](StandInStory& made, ReportComposer& built) {
            const std::string ability = made.StoryForm().GetValueAt(StoryPointIndexForCode("OCUnRng")) > 0
                                            ? NameAt(made, "OCUnRng")
                                            : "not chosen yet";
            EXPECT_NE(Read(built, made, 25)
                          .find(", and for Otto, what spurs him on is " + ability +
                                " and what holds him back is not chosen yet."),
                      std::string::npos);
            TellEverything(made);
            built.SetShowStorytelling(1);
            for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
                if (!entry.IsReport()) continue;
                const auto id = static_cast<std::int16_t>(entry.reportId);
                built.ResetText();
                built.BuildReportSection(id, ReportTitle(id, &made).c_str());
                for (const std::string& fault :
                     HangingBeforeStorytelling(PlainReportText(&made, built.GetText(), true)))
                    ADD_FAILURE() << id << ": " << fault;
            }
        });
    }
}

// The story points' reports over storyforms complete and chosen in part, each with a scene that
// represents the story's plot points, and the Story Points Output printed with the printer's metrics.
class StoryPointReports : public ComposedReports {
protected:
    using Prepare = std::function<void(StandInStory&)>;
    // A measuring graph that gathers the lines printed: a run drawn where the one before it ended
    // goes on with its line.
    class LineGraph : public printtest::RecordingGraph {
    public:
        void TextOutAligned(const char* text, std::int32_t first, std::int16_t count) override {
            const std::string run(text + first, static_cast<std::size_t>(count));
            const ShortPoint pen = GetPenPosition();
            if (!lines.empty() && pen.x == end_.x && pen.y == end_.y)
                lines.back() += run;
            else
                lines.push_back(run);
            RecordingGraph::TextOutAligned(text, first, count);
            end_ = GetPenPosition();
        }
        std::vector<std::string> lines;

    private:
        ShortPoint end_{};
    };

    void SetUp() override {
        ComposedReports::SetUp();
        ASSERT_EQ(printing_.record.GetPageRect(page_), kNoErr);
        graph_.Open(page_.Width(), page_.Height());
    }
    static std::vector<std::pair<std::string, Prepare>> Storyforms() {
        const auto characters = [](std::uint16_t form, const char* name) -> Prepare {
            return [=](StandInStory& made) {
                Complete(EndingNumber(true, false, false))(made);
                for (const CharID id :
                     {made.Characters().GetMainCharacter(), made.Characters().GetImpactCharacter()}) {
                    made.Characters().GetCharacter(id)->SetForm(form);
                    if (name) made.Characters().GetCharacter(id)->SetName(name);
                }
            };
        };
        std::vector<std::pair<std::string, Prepare>> all = {
            {"nothing chosen", [](StandInStory&) {}},
            {"half the dynamics", Dynamics({{kResolve, 1}, {kGrowth, 0}, {kLimit, 1}, {kDriver, 0}})},
            {"plural characters", characters(kPluralForm, nullptr)},
            {"characters not named yet", characters(0, "")}};
        for (const Ending& e : kEndings)
            all.emplace_back(EndingName(e), Complete(EndingNumber(e.steadfast, e.failure, e.bad)));
        for (auto& [name, prepare] : all) {
            prepare = [prepare](StandInStory& made) {
                prepare(made);
                Scene& scene = *made.Scenes().SceneAt(made.Scenes().InsertScene(0));
                for (const char* code : {"MCGoal", "MCReq", "OCGoal", "OCReq", "PLGoal", "PLReq"})
                    scene.AddAppreciation(IncludeableAppreciation(StoryPointIDForCode(code), 0));
            };
        }
        return all;
    }
    // The lines of the Story Points Output's printables, printed on pages of the printer's size.
    std::vector<std::string> PrintedLines(PrintingComposer& built) {
        PrintableVertList body;
        for (PrintablePtr& printable : built.printables) body.Add(std::move(printable));
        graph_.lines.clear();
        ProgressPtr progress;
        int pages = 0;
        do {
            LongPoint size;
            std::int32_t placed = 0;
            progress =
                body.Print(LongRect{0, 0, page_.Width(), page_.Height()}, std::move(progress), size, placed);
        } while (progress && ++pages < 100);
        return graph_.lines;
    }

    printtest::PrintingApplication printing_;
    LineGraph graph_;
    PrintingEnvironment environment_{&graph_};
    ShortRect page_;
};

// The plot points of the story as a whole are named as the story's in every report: never after the
// throughline whose block holds them ("Main Character Forewarnings"); the Story Points Output and the
// scene reports name them "Story Dividends" and so on.
TEST_F(StoryPointReports, ThePlotPointsOfTheWholeStoryAreNamedAsTheStorys) {
    static const std::regex throughlineNamed(
        R"((Character|Impact Story|Subjective Story|Overall Story|MC|IC|OC|SS|M/I)('s)? (Dividends?|Forewarnings?|Costs?|Preconditions?|Consequences?|Prerequisites?)\b)");
    for (const auto& [name, prepare] : Storyforms()) {
        SCOPED_TRACE(name);
        WithStory(prepare, [&](StandInStory& made, ReportComposer& built) {
            for (const auto& [id, text] : ReadAll(built, made))
                for (const std::string& fault : ExcerptsAround(text, throughlineNamed, 20, 80))
                    ADD_FAILURE() << "report " << id << ": " << fault;
            for (const std::int16_t id : {6, 50})
                for (const char* point :
                     {"Story Dividends: ", "Story Forewarnings: ", "Story Cost: ", "Story Preconditions: ",
                      "Story Consequence: ", "Story Prerequisites: "})
                    EXPECT_NE(Read(built, made, id).find(point), std::string::npos) << id << ": " << point;
        });
    }
}

// With all eight dynamics chosen and more than one storyform left, the Story Points Output gives each
// dynamic appreciation the value its two dynamics make; with some chosen, what each waits for.
TEST_F(StoryPointReports, TheAppreciationsTheDynamicsSettleAreGivenAndTheOthersSayWhatTheyWaitFor) {
    WithStory(Dynamics({{kResolve, 0},
                        {kOutcome, 1},
                        {kGrowth, 0},
                        {kJudgment, 0},
                        {kApproach, 1},
                        {kDriver, 0},
                        {kProblemSolvingStyle, 1},
                        {kLimit, 0}}),
              [&](StandInStory& made, ReportComposer& built) {
                  ASSERT_LT(made.StoryForm().GetValueAt(kNatureIndex), 1) << "one storyform is left";
                  // Change and Failure; Stop and Good; a be-er driven by action; intuitive, under a timelock.
                  for (const char* line : {"Nature: Apparent Dilemma (", "Essence: Negative Feel (",
                                           "Tendency: Unwilling (", "Reach: Neither ("})
                      EXPECT_NE(Read(built, made, 6).find(line), std::string::npos) << line;
              });
    WithStory(Dynamics({{kResolve, 1}, {kJudgment, 1}, {kDriver, 0}, {kApproach, 0}}),
              [&](StandInStory& made, ReportComposer& built) {
                  for (const char* line : {"Nature: waits for Outcome to be chosen (",
                                           "Essence: waits for Growth to be chosen (", "Tendency: Willing (",
                                           "Reach: waits for Problem-Solving Style and Limit to be chosen ("})
                      EXPECT_NE(Read(built, made, 6).find(line), std::string::npos) << line;
              });
}

// The printed Story Points Output cuts a word too wide for its column with a hyphen: every word
// printed is the report's, or ends a line with a hyphen, or goes on from one; some word is cut.
TEST_F(StoryPointReports, ThePrintedTableCutsNoWordWithoutAHyphen) {
    const auto letters = [](std::string token) {  // the word without the punctuation around it
        const auto letter = [](unsigned char c) { return std::isalpha(c) != 0; };
        token.erase(std::find_if(token.rbegin(), token.rend(), letter).base(), token.end());
        return token.erase(0, std::find_if(token.begin(), token.end(), letter) - token.begin());
    };
    int cuts = 0;
    for (const auto& [name, prepare] : Storyforms()) {
        SCOPED_TRACE(name);
        WithStory(prepare, [&](StandInStory& made, ReportComposer&) {
            TellEverything(made);
            PrintingComposer built(&owner, &made, &made.StoryForm(), &made.Scenes());
            built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
            built.environment = &environment_;
            built.SetShowStorytelling(1);
            std::istringstream known(
                Read(built, made, 6) + " " +
                ExpandReportText(&made, "{NAppr} Item Definition {NST-Results}", nullptr, false));
            std::set<std::string> words;
            for (std::string word; known >> word;) words.insert(letters(word));
            bool goesOn = false;  // the line before ended with a hyphen
            for (const std::string& line : PrintedLines(built)) {
                std::istringstream printed(line);
                for (std::string token; printed >> token; goesOn = false) {
                    const bool cut = !(printed >> std::ws).good() && line.back() == '-';
                    if (!cut && !goesOn && !words.count(letters(token)))
                        ADD_FAILURE() << token << " in: " << line;
                    cuts += cut ? 1 : 0;
                }
                goesOn = !line.empty() && line.back() == '-';
            }
        });
    }
    EXPECT_GT(cuts, 0);
}

}  // namespace
