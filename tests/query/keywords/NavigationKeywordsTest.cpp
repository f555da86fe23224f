// The navigation, action and text keywords: numbers of the context with their room rule, names of
// the context's characters, throughline names by style and selector, malformed and unknown
// keywords, keywords inside a macro's parentheses, and the buttons that go to a page, open a list
// and print a report.

#include <gtest/gtest.h>

#include <set>

#include "KeywordTestFixture.h"
#include "items/ItemList.h"
#include "query/keywords/PageKeywords.h"

namespace keywordtest {
namespace {

using namespace win;

class NavigationKeywords : public KeywordTest {
protected:
    static FQSPageData Context(std::int16_t act, std::int16_t storytelling = -1,
                               std::int16_t throughline = -1) {
        FQSPageData entry = Entry(kNoCharID);
        entry.SetActIndex(act);
        entry.SetStorytellingIndex(storytelling);
        entry.SetThroughline(throughline);
        return entry;
    }
};

TEST_F(NavigationKeywords, NumbersAreTheContextPlusTheParameterPlusOne) {
    EXPECT_EQ(Expand("Act {ACT(0)} leads to act {ACT(1)}.", Context(1)), "Act 2 leads to act 3.");
    EXPECT_EQ(Expand("{ACT(-1)}", Context(2)), "2");
    EXPECT_EQ(Expand("{SpJr(0)}|{SpJr(+1,)}", Context(0)), "1|2");
    EXPECT_EQ(Expand("{INTER(0)}/{INTER(2)}", Context(0, 4)), "5/7");
    // Less than 8 bytes of room: no number, and the text after it is copied while room lasts.
    EXPECT_EQ(Expand("abcd{INTER(0)}efgh", Context(0, 4), 11), "abcdefgh");
    EXPECT_EQ(Expand("abc{INTER(0)}efgh", Context(0, 4), 11), "abc5efgh");
}

TEST_F(NavigationKeywords, NamesOfTheContextsCharacters) {
    const FQSPageData pair = Entry(ann, bob);
    EXPECT_EQ(Expand("{NAME(1)} meets {NAME(2)}.", pair), "Ann meets Bob.");
    EXPECT_EQ(Expand("{NAME(7)}", pair), "Bob") << "any digit but 1 is the other";
    EXPECT_EQ(Expand("[{NAME(2)}]", Entry(ann)), "[]") << "no other character: no name";
    EXPECT_EQ(Expand("{NAME(1)}", pair, 4), "Ann");
    EXPECT_EQ(Expand("{NAME(1)}", pair, 3), "") << "a name that does not fit is not cut";
}

TEST_F(NavigationKeywords, ThroughlineNamesByStyleAndSelector) {
    EXPECT_EQ(Expand("{THR(S)}", Context(-1, -1, 3)), "{NSS}");
    EXPECT_EQ(Expand("{THR(L,PL)}", Context(-1, -1, 0)), "{NSubj}");
    EXPECT_EQ(Expand("{THR(L)}|{THR(S)}|{THR(X)}", Context(-1, -1, 1)), "Main Character|MC|MC");
    EXPECT_EQ(Expand("{THR(L,2)} {THR(S,0)} {THR(Q,OC)}", Context(-1)), "{NObst} Character OS OC");
    EXPECT_EQ(Expand("{THR(X,ST)}{THR(X,MC)}{THR(X,3)}", Context(-1)), "STMCPL");
    EXPECT_EQ(Expand("[{THR(L)}]", Context(-1)), "[]") << "no throughline: nothing";
    EXPECT_EQ(Expand("[{THR(L)}]", Context(-1, -1, 4)), "[]") << "4 reads as none";
    EXPECT_EQ(Expand("{THR(L,2)}", Context(-1), 17), "") << "17 characters need 18 bytes";
}

TEST_F(NavigationKeywords, MalformedAndUnknownKeywordsNeverReadPastTheTemplate) {
    EXPECT_EQ(Expand("{NoSuchKeyword(1)} and {act(0)}", Context(1)), "{NoSuchKeyword(1)} and {act(0)}");
    EXPECT_EQ(Expand("[{THR(L,QQ)}]", Context(-1)), "[)}]") << "a bad selector writes nothing";
    for (const char* cut : {"{THR(", "{THR(L,", "{THR(L,P", "{NAME(", "{NAME", "{ACT(", "{SceneCat("}) {
        const std::string text = std::string("x") + cut;
        EXPECT_EQ(Expand(text, Context(1)).substr(0, 1), "x") << cut;
    }
}

TEST_F(NavigationKeywords, KeywordsInsideAMacroAreExpandedBeforeTheMacro) {
    // The macro expander later sees the number in place of the keyword.
    EXPECT_EQ(Expand("{SNF({ACT(0)})}", Context(1)), "{SNF(2)}");
    EXPECT_EQ(Expand("{NObst} and {NAME(1)}", Entry(ann)), "{NObst} and Ann");
    EXPECT_EQ(Expand("{CreateChar(3)} more {ACT(0)}", Context(1)), " more 2") << "the last keyword decides";
    EXPECT_EQ(characters->GetCount(), 2) << "interpreting a button does not press it";
    // And through the macro expander as the tree's titles go: "{SceneCat()} List".
    OpenWindow();
    const std::vector<std::string> rows = TreeRows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Scene List"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Ann: Description"), rows.end());
}

TEST_F(NavigationKeywords, GoingToAPageAndToAList) {
    OpenWindow();
    const auto scenesPage = Bind("{GotoPage(141)}", Entry(kNoCharID));
    Click(*scenesPage);
    EXPECT_EQ(CurrentRow(), "Scene List");
    const auto bobsPage = Bind("{GotoPage(114)}", Entry(kNoCharID));
    Click(*bobsPage);
    EXPECT_EQ(CurrentRow(), "Ann: Description") << "the first such page in the tree";
    const auto missing = Bind("{GotoPage(999)}", Entry(kNoCharID));
    Click(*missing);
    EXPECT_EQ(CurrentRow(), "Ann: Description");

    const auto list = Bind("{GotoQLST(1)}", Entry(kNoCharID));
    Click(*list);
    EXPECT_EQ(window->GetCurrentListId(), 1);
    EXPECT_EQ(window->GetCurrentRow(), 0);

    // Run outside an item hit, the request waits for the hit the window posts itself.
    const auto back = Bind("{GotoQLST(2)}", Entry(kNoCharID));
    back->GetKeyword()->Execute(story, *back);
    EXPECT_EQ(window->GetCurrentListId(), 1) << "nothing happens while the keyword runs";
    Run();
    EXPECT_EQ(window->GetCurrentListId(), kCastList);
}

TEST_F(NavigationKeywords, PrintingAReportWhoseDialogIsCancelledShowsNoError) {
    OpenWindow();
    const std::int32_t items = window->GetItemList()->Count();
    const auto print = Bind("{PrintRep(35)}", Entry(kNoCharID));
    ASSERT_TRUE(print->IsKeyword());
    presenter.ScriptPromptAnswer("PrintDlg", PromptAnswer{FALSE, {}});
    Mark();
    Click(*print);
    EXPECT_EQ(Asked().size(), 1u) << "the print dialog only, no error";
    EXPECT_EQ(window->GetItemList()->Count(), items) << "the report's view is gone again";
}

TEST(PageKeywordRegistry, EveryKeywordNameIsFoundOnce) {
    RegisterPageKeywords();
    RegisterPageKeywords();
    const char* names[] = {
        "ChRefActv",    "ChRefBel",     "ChRefBG",    "ChRefCFunc",  "ChRefDesc",    "ChRefInt",
        "ChRefPhys",    "ChRefRole",    "ChRefRoleX", "ChRefSkil",   "ChRefIntro",   "ChRefInter",
        "ChRefDismiss", "ChRefNm",      "ChRefRelat", "ChRefArch",   "ChRefSex",     "ChRefForm",
        "ChRefSubj",    "ChSetMain",    "ChSetObst",  "ChCharListM", "ChRefPossR",   "ChRefAddR",
        "CreateChar",   "DeleteChar",   "DelChRelat", "DeleteIntro", "DeleteInter",  "DeleteDis",
        "GotoChar",     "GotoRelatOth", "GotoPage",   "GotoQLST",    "PrintRep",     "ACT",
        "SpJr",         "INTER",        "NAME",       "THR",         "SceneText",    "SceneAppr",
        "ScRefTitle",   "SceneCatRef",  "SceneCat",   "SceneTitle",  "SceneWkTitle", "SceneSTell",
        "SceneAdd",     "SceneDel",     "SceneDes",   "SceneAdDs",   "SceneDelThis"};
    ASSERT_EQ(std::size(names), kPageKeywordCount);
    std::set<const TFQSInterpretable*> found;
    for (const char* name : names) {
        const TFQSInterpretable* keyword = FindKeyword(name);
        ASSERT_NE(keyword, nullptr) << name;
        EXPECT_STREQ(keyword->GetName(), name);
        found.insert(keyword);
    }
    EXPECT_EQ(found.size(), kPageKeywordCount);
    const auto& registered = RegisteredKeywords();
    EXPECT_EQ(
        static_cast<std::size_t>(std::count_if(registered.begin(), registered.end(),
                                               [&found](auto* keyword) { return found.count(keyword) > 0; })),
        kPageKeywordCount)
        << "registered once, however often the registration runs";
}

}  // namespace
}  // namespace keywordtest
