#pragma once
// The brainstorming tools (Tools > Spin-The-Model and Character Generator): one window per story
// with two pages. Page 1 spins the storyform (see StorySpinner) with the options the writer ticks and
// shows what the spin chose; Keep puts a spin's results into the storyform when they did not go
// there at once. Page 2 proposes characters (see CharacterGenerator) of the kind and number the two
// popups say; Keep Character adds the selected proposal to the story's characters.
//
// The window keeps its place ("BRST") and its pages' options ("ModChk", "HonorChk", "ElemChk",
// "NamesChk", "IconsChk", "AssElemChk", the spin's reach "DistSlide", the kind "GenPop" and the
// number "NumPop" of proposals) in the brainstorming preferences ('BRST').

#include <cstdint>
#include <random>
#include <vector>

#include "storywindows/CharacterGenerator.h"
#include "storywindows/StorySpinner.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/TopicListView.h"

class BrainsWindow : public StoryWindow, public ITopicViewClient {
    TOBJECT_CLASS(BrainsWindow, StoryWindow, 2106)

public:
    static constexpr int kSpinnerPage = 1;
    static constexpr int kGeneratorPage = 2;
    static constexpr const char* kPlacementKey = "BRST";
    // The items both pages start with: the two page buttons.
    enum CommonItem : std::int32_t { kSpinnerButton, kGeneratorButton, kFirstPageItem };
    // Page 1's items.
    enum SpinnerItem : std::int32_t {
        kDynamicsBox = kFirstPageItem,
        kHonourBox,
        kProblemsBox,
        kNamesBox,
        kThroughlinesBox,
        kAssignBox,
        kReachSlider,
        kSpinButton,
        kKeepSpinButton,
        kSpinList,
    };
    // Page 2's items.
    enum GeneratorItem : std::int32_t {
        kKindPopup = kFirstPageItem,
        kNumberPopup,
        kProposeButton,
        kKeepCharacterButton,
        kProposalList,
    };
    // The option keys, in page 1's box order, then the slider's and page 2's.
    static constexpr const char* kOptionKeys[] = {"ModChk",   "HonorChk", "ElemChk",
                                                  "NamesChk", "IconsChk", "AssElemChk"};
    static constexpr const char* kReachKey = "DistSlide";
    static constexpr const char* kKindKey = "GenPop";
    static constexpr const char* kNumberKey = "NumPop";

    BrainsWindow(TAppl* application, FKDoc* story);
    ~BrainsWindow() override;

    // The page's items.
    void BuildContents() override;
    void LayOut() override;
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{420, 300}; }
    std::int16_t TopicChosen(TopicListView* view, std::int32_t row, std::int16_t topicId,
                             std::int16_t doubleClickOrKey, std::int16_t notify) override;

    // Shows the page (1 or 2); other numbers are ignored.
    void SetPage(int page);
    int GetPage() const { return page_; }
    // The seed of the spins and proposals from now on.
    void Seed(std::uint32_t seed) { random_.seed(seed); }

    // Page 1.
    const SpinOptions& GetSpinOptions() const { return options_; }
    void SetSpinOptions(const SpinOptions& options);
    // Spins with the options; the results are shown.
    void SpinNow();
    // The last spin's results into the storyform (when they did not go there at once); how many.
    int KeepSpinResults();
    const std::vector<SpinResult>& GetSpinResults() const { return results_; }
    bool AreResultsKept() const { return kept_; }

    // Page 2.
    GeneratorKind GetKind() const { return kind_; }
    int GetNumber() const { return number_; }
    void SetGenerator(GeneratorKind kind, int number);
    // New proposals, shown.
    void ProposeNow();
    // Adds the proposal (by its place in the list) to the story and takes it from the list; the new
    // character's id, kNoCharID for none.
    CharID KeepProposal(int index);
    const std::vector<CharacterProposal>& GetProposals() const { return proposals_; }
    TopicListView* GetList() const;

private:
    void ReadOptions();
    void StoreOptions() const;
    void TakeControls();
    void ShowSpin();
    void ShowProposals();

    int page_ = kSpinnerPage;
    SpinOptions options_;
    GeneratorKind kind_ = GeneratorKind::kArchetypal;
    int number_ = 4;
    std::mt19937 random_{std::random_device{}()};
    std::vector<SpinResult> results_;
    bool kept_ = false;
    std::vector<CharacterProposal> proposals_;
};

// Brings the story's brainstorming tools to the front on the page, or makes and shows them; 0, -1
// without a story.
ErrCode OpenBrainsWindow(FKDoc* story, int page);
