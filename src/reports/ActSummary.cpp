// The act summary sentences of one throughline: for each act, the signpost's type with its
// definition and the four variations through which the type is explored. Reads no template; the
// words are these.
//
// The variations of an act are its own signpost type's, as the theory's table has them, listed in
// the order in which the storyform arranges them (SignpostVariations.h). With one storyform left that
// is the order of the quad that holds them in the structure the storyform shows (its structure 1,
// from which the signposts themselves are read); where that structure holds them in no quad of their
// own (no arrangement made), they are listed in the table's order. With more than one left the
// story's structures are no storyform's, and the order is the one every storyform left gives them
// (SettledStoryPoints.h); where they differ on it, the variations are listed in the table's order
// with words that say the order is not settled yet (the writer does not choose it). The acts whose
// signposts have no value are named in one sentence after the others, saying that what they deal
// with is not chosen yet; a throughline none of whose signposts has a value gets that one sentence
// alone. A storyform value that is not chosen (0 or -1), or is no type, never indexes a table here.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/ActWords.h"
#include "reports/ReportComposer.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/SettledStoryPoints.h"
#include "storymodel/engine/SignpostVariations.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/SuperClassUser.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

constexpr std::array<const char*, 4> kActPhrases = {
    "In act one,",
    "Act two concentrates on",
    "Act three focuses on",
    "And act four illustrates",
};
constexpr const char* kActFourAlone = "Act four illustrates";

// The structure the storyform shows, whose types are the signposts.
constexpr std::uint16_t kShownStructure = 1;

}  // namespace

void ReportComposer::BuildActSummary(std::int16_t throughline) {
    if (!storyForm_ || throughline < 0 || throughline > 3) return;
    std::array<std::int16_t, 4> signposts{};
    std::vector<std::size_t> open;
    for (std::size_t act = 0; act < signposts.size(); ++act) {
        signposts[act] = storyForm_->GetValueAt(
            ThroughlineStoryPointIndex(throughline, kSignpostOffset + static_cast<int>(act)));
        if (!IsTypeID(signposts[act])) open.push_back(act);
    }
    if (open.size() == signposts.size()) {
        AppendText("  What this throughline deals with in each act is not chosen yet.");
        return;
    }
    StoryFormManager* manager = GetStoryFormManager();
    const SettledStoryPoints* settled =
        manager && manager->GetStoryformCount() != StoryFormManager::kOneStoryform
            ? &manager->GetSettledStoryPoints()
            : nullptr;
    SuperClassUser user(*storyForm_, kShownStructure);
    ThroughlineStructure* shown = settled ? nullptr : user.GetStructure();
    const NodeIndex index = shown ? BuildNodeIndex(*shown) : NodeIndex{};
    for (std::size_t act = 0; act < signposts.size(); ++act) {
        WorkBuffer(0)[0] = '\0';
        const std::int16_t value = signposts[act];
        if (!IsTypeID(value)) continue;
        // Act four's phrase carries on from act three's sentence; without it, it stands alone.
        const bool alone = act == 3 && !IsTypeID(signposts[2]);
        AppendFormatted("  %s \"{SDF(%hd)}\" ({SNF(%hd)}) %sis explored in terms of ",
                        alone ? kActFourAlone : kActPhrases[act], value, value, act == 0 ? "" : "and ");
        const VariationOrder* agreed =
            settled ? settled->SignpostVariations(throughline, static_cast<int>(act)) : nullptr;
        AppendTypeVariations(agreed  ? *agreed
                             : shown ? ShownVariations(*shown, index, value)
                                     : TableVariations(value));
        AppendText(settled && !agreed ? ", in an order not settled yet." : ".");
    }
    if (open.empty()) return;
    std::string rest = OpenActsWords(open);
    rest[0] = 'W';
    AppendFormatted("  %s.", rest.c_str());
}

void ReportComposer::AppendTypeVariations(const VariationOrder& variations) {
    for (std::size_t i = 0; i < variations.size(); ++i) {
        AppendFormatted("%s{SNF(%hd)}%s", i == 3 ? "and " : "", variations[i], i < 3 ? ", " : "");
    }
}
