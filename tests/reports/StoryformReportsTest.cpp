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
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BuiltDataReportTest.h"
#include "ComposedProse.h"
#include "ReportTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportText.h"
#include "reports/ReportThroughlines.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/IncludeableAppreciation.h"
#include "storymodel/engine/StoryPointValues.h"
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

// The storyforms every report is read over: complete ones whose endings take each value of resolve,
// outcome and judgment, each before those chosen in part from it (nothing, or some of its points not
// chosen yet: those the codes name, or all but those).
struct PartlyChosen {
    const char* name;
    std::uint16_t number;
    bool allBut;
    const char* codes;
};
const PartlyChosen kStoryforms[] = {
    {"complete 0", 0, false, ""},
    {"complete 5200", 5200, false, ""},
    {"complete 10920", 10920, false, ""},
    {"complete 16120", 16120, false, ""},
    {"nothing chosen", 0, true, ""},
    {"every issue without its counterpoint", 5200, false, "STRng2 MCRng2 OCRng2 PLRng2"},
    {"every class without its problem", 5200, false, "STPbm MCPbm OCPbm PLPbm"},
    {"only the classes", 5200, true, "STDom MCDom OCDom PLDom STHmCl MCHmCl OCHmCl PLHmCl"},
    {"all but the judgment", 0, false, "Judgment"},
    {"all but the resolve", 16120, false, "Resolve"},
    {"all but the resolve, judgment, flaws, responses and problem", 0, false,
     "Resolve Judgment MCCrFl OCCrFl STDir PLDir STPbm"},
    {"only the resolve, limit and outcome", 0, true, "Resolve Limit Outcome"},
    {"only the growth, approach, driver and judgment", 10920, true, "Direction Approach Work Judgment"},
};

class ComposedReports : public BuiltDataReportTest {
protected:
    using Texts = std::map<std::int16_t, std::string>;
    using Prepare = std::function<void(StandInStory&)>;
    // A story of its own, its characters named Mara and Otto, its storyform made by `prepare`; the
    // test runs with it and a composer over it.
    void WithStory(const Prepare& prepare, const std::function<void(StandInStory&, ReportComposer&)>& test) {
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
    static Prepare Complete(std::uint16_t number) {
        return [number](StandInStory& made) {
            ASSERT_TRUE(CompleteStoryform(made.StoryForm(), number)) << number;
        };
    }
    // Only the dynamics the list names, with their first (0) or second (1) value.
    static Prepare Dynamics(std::initializer_list<std::pair<int, int>> chosen) {
        const std::vector<std::pair<int, int>> list(chosen);
        return [list](StandInStory& made) {
            for (const auto& [dynamic, value] : list)
                made.StoryForm().SetChoice(DynamicPointID(dynamic), DynamicValue(dynamic, value));
        };
    }
    // Every report of the catalogue, by id.
    static Texts ReadAll(ReportComposer& built, IStoryDocument& of, bool runTogether = true) {
        Texts texts;
        for (const ReportCatalogueEntry& entry : ReportCatalogue())
            if (entry.IsReport())
                texts[static_cast<std::int16_t>(entry.reportId)] =
                    Read(built, of, static_cast<std::int16_t>(entry.reportId), runTogether);
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
    // The Main and Impact Characters (or the Impact Character only) with the names a new story gives.
    static void Unname(StandInStory& made, bool main = true) {
        CharacterManager& characters = made.Characters();
        if (main)
            characters.GetCharacter(characters.GetMainCharacter())
                ->SetName(CharacterManager::kMainPlaceholderName);
        characters.GetCharacter(characters.GetImpactCharacter())
            ->SetName(ExpandText(nullptr, CharacterManager::kImpactPlaceholderName).c_str());
    }
    static Prepare Partly(const PartlyChosen& partly) {
        return [&partly](StandInStory& made) {
            Complete(partly.number)(made);
            std::istringstream codes(partly.codes);
            std::set<int> named;
            for (std::string code; codes >> code;) named.insert(StoryPointIndexForCode(code.c_str()));
            for (int index = 0; index < kStoryPointCount; ++index)
                if (named.count(index) != partly.allBut) made.StoryForm().SetValueAt(index, 0);
        };
    }
};

// Every report of every storyform of the set, composed once with a titled story and characters
// named and once with neither, each read by every reader (its faults named after it); a storyform
// chosen in part read against its complete one as well. The story has a scene that represents the
// story's plot points.
TEST_F(ComposedReports, EveryReportOfEveryStoryformReadsAsTheWriterMeantIt) {
    using Reader = std::vector<std::string> (*)(const std::string&);
    const std::pair<const char*, Reader> readers[] = {
        {"a choice not made shows", UnchosenFaults},
        {"a plural definition", PluralDefinitionFaults},
        {"a name's comma left open", UnclosedAppositions},
        {"a plot point of the story named after a throughline", ThroughlineNamedPlotPoints},
        {"\"so\" after a negative", SoAfterANegative}};
    // The levels of the theory each item's name stands at: a name of two ("Situation") names no one item.
    std::map<std::string, std::set<int>> levels;
    for (std::int16_t id = 1; id < kElementCount; ++id)
        levels[ElementName(id)].insert((id >= kFirstTypeID) + (id >= kFirstVariationID) +
                                       (id >= kFirstElementID));
    // A dynamic appreciation's line of the Story Points Output, up to what the point is (throws
    // without one).
    const auto lineOf = [](const std::string& text, const std::string& head) {
        const std::size_t at = text.find(head);
        return text.substr(at, text.find_first_of("(\n", at) - at);
    };
    const std::string title = "The Harbour Light";
    std::map<std::uint16_t, std::pair<Texts, std::map<int, std::string>>> completes;  // reports and names
    for (const PartlyChosen& storyform : kStoryforms) {
        SCOPED_TRACE(storyform.name);
        WithStory(Partly(storyform), [&](StandInStory& made, ReportComposer& built) {
            made.GetInfoRecord().SetEntry("Title", kPTextText, title.c_str());
            Scene& scene = *made.Scenes().SceneAt(made.Scenes().InsertScene(0));
            for (const char* code : {"MCGoal", "MCReq", "OCGoal", "OCReq", "PLGoal", "PLReq"})
                scene.AddAppreciation(IncludeableAppreciation(StoryPointIDForCode(code), 0));
            const Texts texts = ReadAll(built, made, false);
            for (const auto& [id, text] : texts)
                for (const auto& [reader, faults] : readers)
                    for (const std::string& fault : faults(text))
                        ADD_FAILURE() << reader << ", report " << id << ": " << fault;
            std::map<int, std::string> names;  // of the values chosen, as the reports give them
            for (int index = 0; index < kStoryPointCount; ++index) {
                if (made.StoryForm().GetValueAt(index) <= 0) continue;
                const std::string value = "{SNF(" + std::string(StoryPointAt(index)->code) + ")}";
                names[index] = PlainReportText(&made, value.c_str(), true);
                names[index].erase(names[index].find_last_not_of(" \n") + 1);
            }
            // Its title emptied (or left with spaces only) and its characters not named yet (or the
            // Impact Character only), no sentence reads as the titled one does with the title left out
            // ("Notes on ."), and no more clauses name a character by its role.
            made.GetInfoRecord().SetEntry("Title", kPTextText, storyform.allBut ? "" : "  ");
            Unname(made, !storyform.allBut);
            for (const auto& [id, text] : ReadAll(built, made, false)) {
                if (text == texts.at(id)) continue;
                if (texts.at(id).find(title) != std::string::npos &&
                    text.find("no title yet") == std::string::npos)
                    ADD_FAILURE() << "the title gone without a word, report " << id;
                for (std::string sentence : Pieces(texts.at(id), ".?!")) {
                    const std::size_t at = sentence.find(title);
                    if (at != std::string::npos &&
                        sentence.erase(at, title.size()).find_first_not_of(" .:") != std::string::npos &&
                        text.find(sentence) != std::string::npos)
                        ADD_FAILURE() << "a gap for the title, report " << id << ": " << sentence;
                }
                const std::vector<std::string> faults = RoleNamingFaults(text);
                if (faults.size() > RoleNamingFaults(texts.at(id)).size())
                    ADD_FAILURE() << "a character named by its role, report " << id << ": "
                                  << testing::PrintToString(faults);
            }
            if (!storyform.allBut && !*storyform.codes) {  // complete
                completes[storyform.number] = {texts, names};
                return;
            }
            // Chosen in part, a sentence that tells what is not chosen yet names the value of each
            // dynamic chosen that it speaks of.
            std::map<std::string, std::string> dynamics;
            for (int d = 0; d < kDynamicCount; ++d)
                if (names.count(DynamicIndex(d)))
                    dynamics[StoryPointDisplayName(*StoryPointAt(DynamicIndex(d)))] = names[DynamicIndex(d)];
            for (const auto& [id, text] : texts)
                for (const std::string& fault : ChosenDynamicsLeftUnnamed(text, dynamics))
                    ADD_FAILURE() << "a chosen dynamic left unnamed, report " << id << ": " << fault;
            // Chosen in part, each item chosen (by a name of its own) is named in as many sentences as
            // in the complete storyform.
            const auto& [whole, wholeNames] = completes.at(storyform.number);
            std::set<std::string> chosen, unchosen;
            for (const auto& [index, name] : wholeNames)
                (names.count(index) ? chosen : unchosen).insert(name);
            std::erase_if(chosen, [&](const std::string& name) {
                return unchosen.count(name) || levels[name].size() != 1;
            });
            bool dynamicsChosen = true;
            for (int d = 0; d < kDynamicCount; ++d)
                dynamicsChosen = dynamicsChosen && made.StoryForm().GetValueAt(DynamicIndex(d)) > 0;
            for (const auto& [id, text] : texts) {
                if (text == whole.at(id)) continue;
                const std::vector<std::string> part = Pieces(text, ".?!"), all = Pieces(whole.at(id), ".?!");
                const auto naming = [](const std::vector<std::string>& sentences, const std::string& name) {
                    return std::ranges::count_if(
                        sentences, [&](const std::string& s) { return s.find(name) != std::string::npos; });
                };
                for (const std::string& name : chosen)
                    if (naming(part, name) < naming(all, name))
                        ADD_FAILURE() << "what is chosen named less, report " << id << ": " << name;
                // With every dynamic chosen, a sentence that names what is chosen and nothing else reads as
                // it did.
                for (const std::string& sentence : all) {
                    const auto names = [&](const std::set<std::string>& of) {
                        return std::ranges::any_of(of, [&](const std::string& name) {
                            return sentence.find(name) != std::string::npos;
                        });
                    };
                    if (dynamicsChosen && names(chosen) && !names(unchosen) &&
                        std::ranges::find(part, sentence) == part.end())
                        ADD_FAILURE() << "what is chosen reads otherwise, report " << id << ": " << sentence;
                }
            }
            // A dynamic appreciation gives the value of the complete storyform, or says which of its
            // dynamics, none of them chosen, it waits for.
            for (const char* head : {"\x95 Nature: ", "\x95 Essence: ", "\x95 Tendency: ", "\x95 Reach: "}) {
                const std::string line = lineOf(texts.at(6), head), given = lineOf(whole.at(6), head);
                bool waits = line.starts_with(head + std::string("waits for "));
                for (int d = 0; d < kDynamicCount; ++d)
                    waits = waits && (made.StoryForm().GetValueAt(DynamicIndex(d)) <= 0 ||
                                      line.find(StoryPointDisplayName(*StoryPointAt(DynamicIndex(d)))) ==
                                          std::string::npos);
                if (line != given && !waits)
                    ADD_FAILURE() << "a dynamic appreciation: " << line << ", complete: " << given;
            }
        });
    }
}

// Each point of the relationship between the Main and Impact Characters is led to by words of its
// own: the words before the name of its concern on the guided road's second level, and before its
// issue's and its symptom's there and in its theme paragraph, lead to no other of the three, nor do
// those of the reports of the concerns and of the thematic argument.
TEST_F(ComposedReports, EachPointOfTheRelationshipIsLedToByWordsOfItsOwn) {
    for (const ContrastingStoryform& c : kContrastingStoryforms) {
        SCOPED_TRACE(c.number);
        WithStory(Complete(c.number), [&](StandInStory& made, ReportComposer& built) {
            std::string texts;
            for (const std::int16_t id : {71, 24, 33, 26}) texts += Read(built, made, id) + ". ";
            std::map<std::string, std::set<std::string>> leading;  // a pair of words, and where it leads
            for (const char* code : {"PLCon", "PLRng", "PLFoc"}) {
                const std::set<std::string> pairs = LeadInPairs(texts, NameAt(made, code));
                EXPECT_FALSE(pairs.empty()) << code;
                for (const std::string& pair : pairs) leading[pair].insert(code);
            }
            for (const auto& [pair, codes] : leading)
                EXPECT_EQ(codes.size(), 1u) << "\"" << pair << "\" leads to " << testing::PrintToString(codes);
        });
    }
}

// An open point is said to be so once, where it is first named: with any one point of a complete
// storyform not chosen yet, each throughline's theme paragraph and the Main Character in plain words
// say "not chosen yet" in one sentence at most (not, after the balance the overall story weighs
// between its issue and its counterpoint, again where the one is set against the other; not, after
// the story draws to its end in a way not chosen yet, again where the story ends).
TEST_F(ComposedReports, AnOpenPointIsSaidToBeSoOnceWhereItIsFirstNamed) {
    for (const ContrastingStoryform& c : kContrastingStoryforms) {
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord* point = StoryPointAt(index);
            if (!point || !point->code) continue;
            const auto open = [&](StandInStory& made) {
                Complete(c.number)(made);
                made.StoryForm().SetValueAt(index, 0);
            };
            WithStory(open, [&](StandInStory& made, ReportComposer& built) {
                for (const std::int16_t id : {18, 25, 22, 24, 28, 29, 61}) {
                    std::vector<std::string> saying;
                    for (const std::string& sentence : Pieces(Read(built, made, id, false), ".?!"))
                        if (sentence.find("not chosen yet") != std::string::npos) saying.push_back(sentence);
                    EXPECT_LE(saying.size(), 1u) << point->code << " in storyform " << c.number << ", report "
                                                 << id << ": " << testing::PrintToString(saying);
                }
            });
        }
    }
}

// A dynamic not chosen yet is left out of the summaries that close the plot dynamics and the two
// characters' report, but the writer's storytelling on it is kept there, under its name; so it is
// in the Main Character in plain words.
TEST_F(ComposedReports, TheWritersStorytellingOnADynamicNotChosenYetIsKept) {
    const std::map<std::int16_t, std::vector<const char*>> woven = {
        {18, {"Work", "Limit", "Outcome", "Judgment"}}, {25, {"Resolve", "Judgment"}}, {61, {"Resolve"}}};
    const std::vector<const char*> dynamics = {"Work", "Limit", "Outcome", "Judgment", "Resolve"};
    for (const char* open : dynamics) {
        // The writer's words on every dynamic, then on the one not chosen yet only.
        for (const bool all : {true, false}) {
            const auto told = [&](const char* key) { return all || std::string(key) == open; };
            const auto prepare = [&](StandInStory& made) {
                Complete(0)(made);
                made.StoryForm().SetValueAt(StoryPointIndexForCode(open), 0);
                for (const char* key : dynamics)
                    if (told(key))
                        made.GetStorytellingRecord().SetEntry(key, kPTextText, (std::string("Told of ") + key).c_str());
            };
            WithStory(prepare, [&](StandInStory& made, ReportComposer& built) {
                built.SetShowStorytelling(1);
                for (const auto& [id, keys] : woven) {
                    const std::string text = Read(built, made, id);
                    for (const char* key : keys) {
                        if (told(key)) {
                            EXPECT_NE(text.find(std::string("Told of ") + key), std::string::npos)
                                << key << " with " << open << " not chosen, report " << id << ":\n" << text;
                        }
                    }
                    EXPECT_EQ(text.find(".The "), std::string::npos) << "report " << id << ":\n" << text;
                    // Under its name in a sentence of its own, not hanging from one about what is chosen.
                    if (open == std::string("Resolve") && id != 18) {
                        EXPECT_NE(text.find("The Main Character's resolve:  Told of Resolve"), std::string::npos)
                            << "report " << id << ":\n" << text;
                    }
                }
            });
        }
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
        }
    });
}

// While the outcome, the judgment or the resolve is not chosen, the sentence gives no guess at it: it
// says that the outcome is not chosen, and tells the rest without saying again of the resolve or the
// judgment what the question the story puts (the sentence before) has said.
TEST_F(ComposedReports, WhatTheResolveComesToSaysWhatIsNotChosenYet) {
    struct Case {
        std::initializer_list<std::pair<int, int>> dynamics;
        const char* sentence;
    };
    const Case cases[] = {
        {{{kResolve, 1}},
         "Whether holding on to her first way of meeting her trouble sees the story's problem resolved is not "
         "chosen yet."},
        {{{kResolve, 1}, {kOutcome, 1}},
         "Holding on to her first way of meeting her trouble does not see the story's problem resolved."},
        {{{kResolve, 0}, {kJudgment, 1}, {kGrowth, 1}},
         "Letting go of her first way of meeting her lack does not ease her own trouble, though whether it "
         "sees the "
         "story's problem resolved is not chosen yet."},
        {{{kOutcome, 0}, {kJudgment, 0}},
         "Whether the Main Character holds on to her first way of meeting her trouble or lets go of it, her "
         "choice sees the story's problem resolved and eases her own trouble."},
        {{{kGrowth, 0}},
         "Whether holding on to her first way of meeting her trouble or letting go of it sees the story's "
         "problem resolved is not chosen yet."},
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
    const struct {
        const char* name;
        std::function<void(StandInStory&)> prepare;
    } partly[] = {
        {"nothing chosen", [](StandInStory&) {}},
        {"only the dynamics", dynamics},
        {"only the four domains", domains},
    };
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
                }
            }
            // The reports that name story points say which are not chosen.
            built.SetShowStorytelling(0);
            for (const std::int16_t id : {6, 15, 19, 23, 43, 49, 50})
                EXPECT_NE(Read(built, made, id).find("chosen yet"), std::string::npos) << id;
        });
    }
}

// An item's name takes a verb of its own number, whatever the storyform: the plot story points, the
// sliders and every other report, over the eight endings and a story of plural characters; each of
// the sixteen types stands where the plot story points name one. A value's definition made the
// subject of "is" is a phrase of one, not of many.
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
        // The two are listed in the order of their roles.
        for (const std::int16_t id : {27, 59})
            EXPECT_LT(Read(built, made, id).find("The Main Character"),
                      Read(built, made, id).find("The Impact Character"));
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

// A character whose name is lost (its record's name entry gone, as damage may take it) is never a
// blank where its name stands: the Impact Character reads in every report as under the name a new
// story gives it, and a character of no role as an unnamed character.
TEST_F(ComposedReports, ACharacterWhoseNameIsLostIsNamedByItsRoleNeverLeftBlank) {
    WithStory(Complete(5200), [&](StandInStory& made, ReportComposer& built) {
        CharacterManager& characters = made.Characters();
        const CharID main = characters.GetMainCharacter(), impact = characters.GetImpactCharacter();
        const CharID other = characters.CreateCharacter("Benvolio", 0, kSingularForm, 0, kNoRole, false);
        characters.GetCharacter(other)->SetRelationship("cousins", main);
        Unname(made, false);
        const Texts asPlaceholder = ReadAll(built, made);
        ASSERT_EQ(made.SaveRecords(), kNoErr);
        for (const CharID lost : {impact, other}) {
            PText record(made.GetStoryFile(), FourCCOf("CHAR"), lost);
            // A name of spaces, as an older story may hold, is no name either.
            ASSERT_GE(lost == impact ? record.Remove(CharacterKey::kName)
                                     : WriteRecordText(record, CharacterKey::kName, "   "),
                      0);
            ASSERT_EQ(record.Save(), kNoErr);
        }
        StandInStory reopened(made.GetStoryFile());
        ASSERT_EQ(reopened.LoadCharacters(), kNoErr);
        reopened.StoryForm().RebuildThroughlineStructures();
        ASSERT_TRUE(reopened.Characters().GetCharacter(impact)->Name().empty());
        ReportComposer again(&owner, &reopened, &reopened.StoryForm(), &reopened.Scenes());
        again.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
        for (const auto& [id, text] : ReadAll(again, reopened)) {
            if (asPlaceholder.at(id).find("Benvolio") != std::string::npos) continue;
            EXPECT_EQ(text, asPlaceholder.at(id)) << id;
        }
        const std::string relationships = Read(again, reopened, 27);
        EXPECT_NE(relationships.find("Character: The Impact Character (no name given yet)"),
                  std::string::npos)
            << relationships;
        EXPECT_NE(relationships.find("Mara and an unnamed character"), std::string::npos) << relationships;
    });
}

// The act summaries of the plot act by act, by the signpost type each explores: the variations it
// lists, in its words.
std::map<std::string, std::string> ActSummaries(const std::string& plot) {
    std::map<std::string, std::string> acts;
    const std::string explored = " is explored in terms of ";
    for (std::size_t at = plot.find(explored); at != std::string::npos; at = plot.find(explored, at + 1)) {
        const std::size_t open = plot.rfind('(', at);
        const std::size_t from = at + explored.size();
        acts[plot.substr(open + 1, plot.find(')', open) - open - 1)] =
            plot.substr(from, plot.find('.', from) - from);
    }
    return acts;
}
// The letters of the variations an act summary lists, sorted: the same in any order.
std::string LettersOf(std::string listed) {
    listed.resize(std::min(listed.size(), listed.find(", in an order")));
    std::ranges::sort(listed);
    return listed;
}

// The plot act by act says of every act of a throughline what it deals with, or, once, that it is
// not chosen yet; a throughline none of whose acts is chosen says so in one sentence.
TEST_F(ComposedReports, ThePlotActByActSaysOfEveryActNotChosenYetThatItIsNot) {
    // The acts (1 to 4) not chosen yet of each throughline, in two stories.
    const std::map<int, std::set<int>> stories[] = {
        {{kObjectiveStory, {1, 4}}, {kSubjectiveStory, {}}, {kMainCharacter, {2}}, {kObstacleCharacter, {1, 2, 3, 4}}},
        {{kObjectiveStory, {1, 2, 3, 4}}, {kSubjectiveStory, {3}}, {kMainCharacter, {1, 3}}, {kObstacleCharacter, {4}}},
    };
    const auto signpost = [](int throughline, int act) {
        return std::string(kReportThroughlines[static_cast<std::size_t>(throughline)].prefix) + "Type" +
               std::to_string(act);
    };
    for (const auto& open : stories) {
        const auto prepare = [&](StandInStory& made) {
            Complete(5200)(made);
            for (const auto& [throughline, acts] : open)
                for (const int act : acts)
                    made.StoryForm().SetValueAt(StoryPointIndexForCode(signpost(throughline, act).c_str()), 0);
        };
        WithStory(prepare, [&](StandInStory& made, ReportComposer& built) {
            const std::string text = Read(built, made, 31, false);
            for (const auto& [throughline, acts] : open) {
                const std::string heading =
                    ExpandText(&made, kReportThroughlines[static_cast<std::size_t>(throughline)].name);
                const std::size_t start = text.find(heading + "\n\n");
                ASSERT_NE(start, std::string::npos) << heading;
                const std::size_t from = start + heading.size() + 2;
                const std::string paragraph = text.substr(from, text.find("\n\n", from) - from);
                const std::array<int, 4> said = ActsSaidNotChosen(paragraph);
                for (int act = 1; act <= 4; ++act) {
                    const bool notChosen = acts.count(act) != 0;
                    EXPECT_EQ(said[static_cast<std::size_t>(act - 1)], notChosen ? 1 : 0)
                        << heading << ", act " << act << ": " << paragraph;
                    if (!notChosen) {
                        EXPECT_NE(paragraph.find("(" + NameAt(made, signpost(throughline, act).c_str()) + ")"),
                                  std::string::npos)
                            << heading << ", act " << act << ": " << paragraph;
                    }
                }
                const auto sayingNotChosen = std::ranges::count_if(Pieces(paragraph, ".?!"), [](const std::string& s) {
                    return s.find("not chosen yet") != std::string::npos;
                });
                if (acts.size() == 4) {
                    EXPECT_EQ(sayingNotChosen, 1) << paragraph;
                }
            }
            // The Overall Plot goes on from its acts to what drives the plot, not "it" (an act).
            const std::string plot = Read(built, made, 40);
            EXPECT_NE(plot.find("The plot is driven by "), std::string::npos) << plot;
        });
    }
}

// A storyform chosen in part names every point on which the storyforms it leaves agree, once each
// of them is closed as the only one, and says that a point is not chosen yet only where they differ:
// in the Story Points Output (as its export writes it), in the throughlines' issues and
// counterpoints and in the overall plot's goal and acts. A settled signpost's variations are listed
// in the order every storyform left lists them, and where they differ on it no order is claimed,
// whatever storyform the story was closed on before.
TEST_F(ComposedReports, WhatTheStoryformsLeftAgreeOnIsNamedAndOnlyWhatTheyDifferOnIsNotChosen) {
    const std::vector<const char*> dynamics = {"Resolve", "Direction", "Approach", "Sex", "Work", "Limit"};
    const auto with = [&](std::vector<const char*> more) {
        more.insert(more.begin(), dynamics.begin(), dynamics.end());
        return more;
    };
    const std::vector<const char*> allButJudgmentAndImpact =
        with({"Outcome", "STDom", "STCon", "STRng", "STPbm", "MCDom", "MCCon", "MCRng", "MCPbm", "PLDom",
              "PLCon", "PLRng", "PLPbm"});
    // The points chosen of the storyform, and the one the story was closed on before (-1 none).
    struct InPart {
        std::uint16_t number;
        std::vector<const char*> codes;
        int closedBefore = -1;
    };
    const InPart inPart[] = {
        {0, allButJudgmentAndImpact},
        {5200, allButJudgmentAndImpact},
        {5200, allButJudgmentAndImpact, 0},
        {4096, with({"STDom", "STCon", "STRng", "STPbm", "MCPbm"})},
        {10920, with({"Outcome", "Judgment", "STDom", "STCon"})},
        // The catalyst settles the Essence, though neither its growth nor its judgment.
        {0,
         {"Resolve", "Approach", "Sex", "Work", "Limit", "Outcome", "STDom", "STCon", "STRng", "STPbm",
          "STUnRng"}},
        // A problem settles its solution, whatever class the throughline's domain will put them in.
        {5200, with({"MCPbm"})},
        {5200, with({"OCPbm"})},
        {5200, with({"OCSol", "STDom"})},
    };
    DataFileTemplates descriptions(data_);
    std::map<std::uint16_t, std::string> actsOf;
    int orderedActs = 0, unorderedActs = 0;
    for (const auto& [number, codes, closedBefore] : inPart) {
        SCOPED_TRACE(number);
        SCOPED_TRACE(closedBefore);
        std::vector<std::uint16_t> left;
        const auto prepare = [&](StandInStory& made) {
            if (closedBefore >= 0) {
                ASSERT_TRUE(CompleteStoryform(made.StoryForm(), static_cast<std::uint16_t>(closedBefore)));
                made.StoryForm().RestoreState(std::make_unique<StoryFormState>());
            }
            left = ChooseInPart(made.StoryForm(), number, codes);
        };
        WithStory(prepare, [&](StandInStory& made, ReportComposer& built) {
            ASSERT_GT(left.size(), 1u);
            StoryFormManager& storyForm = made.StoryForm();
            const StoryFormState inForce = *storyForm.SaveState();
            const std::string points = Read(built, made, 6, false), themes = Read(built, made, 42),
                              plot = Read(built, made, 40), acts = Read(built, made, 31),
                              impact = Read(built, made, 29), characters = Read(built, made, 25);
            ASSERT_EQ(*storyForm.SaveState(), inForce) << "the story is not written to";
            const auto agreed = AgreedWhenClosed(left, [&]() -> StoryFormManager& {
                storyForm.RestoreState(std::make_unique<StoryFormState>());
                return storyForm;
            });
            const auto name = [&](const char* code) {
                const int index = StoryPointIndexForCode(code);
                const std::int16_t value = agreed[static_cast<std::size_t>(index)];
                return value > 0 ? StoryPointValueText(index, value) : std::string();
            };
            int lines = 0;
            for (std::int16_t n = 3; n <= 118; ++n) {
                StoryPointDescription point;
                if (!descriptions.ReadDescription(n, point) || point.code.empty()) continue;
                std::string head = "\x95 " + PlainReportText(&made, point.name.c_str(), false);
                head.back() = ':';
                const std::size_t at = points.find(head + " ");
                if (at == std::string::npos) continue;
                ++lines;
                const std::string said = points.substr(at + head.size() + 1, points.find('\n', at) - at);
                const std::string value = name(point.code.c_str());
                EXPECT_TRUE(value.empty()
                                ? said.starts_with("not chosen yet") || said.starts_with("waits for")
                                : said.starts_with(value + " ("))
                    << head << " " << said;
            }
            EXPECT_GT(lines, 80);
            for (const char* prefix : {"ST", "MC", "OC", "PL"}) {
                const std::string issue = name((prefix + std::string("Rng")).c_str());
                const std::string counterpoint = name((prefix + std::string("Rng2")).c_str());
                if (issue.empty() || counterpoint.empty()) continue;
                EXPECT_NE(themes.find(issue + " and " + counterpoint + " are not weighed"),
                          std::string::npos);
            }
            // The impact character's way of working is its domain's class, whatever its problem is.
            EXPECT_EQ(impact.find("in a way not chosen yet") != std::string::npos, name("OCDom").empty())
                << impact;
            if (!name("STGoal").empty()) {
                EXPECT_NE(plot.find("The goal is " + name("STGoal") + ","), std::string::npos) << plot;
            }
            for (const char* act : {"STType1", "STType2", "STType3", "STType4"}) {
                if (!name(act).empty()) {
                    EXPECT_NE(plot.find(name(act)), std::string::npos) << act << ": " << plot;
                }
            }
            // Each act summary against the same signpost's in the storyforms left, each closed; what
            // comes of the story's effort, when they agree on it, is said.
            std::vector<std::map<std::string, std::string>> closedActs;
            const std::vector<std::string> efforts = {"the story's effort does succeed",
                                                      "the story's effort does not succeed"};
            std::set<std::string> closedEfforts;
            for (const std::uint16_t each : left) {
                storyForm.RestoreState(std::make_unique<StoryFormState>());
                ASSERT_TRUE(CompleteStoryform(storyForm, each));
                closedActs.push_back(ActSummaries(Read(built, made, 31)));
                const std::string closed = Read(built, made, 25);
                for (const std::string& effort : efforts)
                    if (closed.find(effort) != std::string::npos) closedEfforts.insert(effort);
            }
            for (const std::string& effort : efforts)
                EXPECT_EQ(characters.find(effort) != std::string::npos, closedEfforts == std::set{effort})
                    << effort << ": " << characters;
            for (const auto& [type, listed] : ActSummaries(acts)) {
                std::set<std::string> orders;
                for (const auto& closed : closedActs)
                    orders.insert(closed.count(type) ? closed.at(type) : "");
                ASSERT_FALSE(orders.count("")) << type;
                EXPECT_EQ(LettersOf(listed), LettersOf(*orders.begin())) << type;
                const bool agree = orders.size() == 1;
                EXPECT_TRUE(agree ? listed == *orders.begin()
                                  : listed.ends_with(", in an order not settled yet"))
                    << type << ": " << listed;
                ++(agree ? orderedActs : unorderedActs);
            }
            // Closed on another storyform before, the story reads as if it never had been.
            if (closedBefore >= 0) {
                EXPECT_EQ(acts, actsOf[number]);
            }
            actsOf.emplace(number, acts);
        });
    }
    EXPECT_GT(orderedActs, 0);
    EXPECT_GT(unorderedActs, 0);
}

}  // namespace
