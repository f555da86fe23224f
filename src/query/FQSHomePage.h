#pragma once
// The entry page of the query system: three sections ("Storyforming", the story-engine process and
// "Storyweaving") of three list buttons each (Character, Plot, Theme), one per question list 2 to
// 10, with a bar under every button that shows how far that part of the story is answered, and one
// push button: "Proceed" to the chosen list, or "Help" while the current list is none of the nine.

#include <array>
#include <cstdint>

#include "query/FQSPage.h"

class Cluster;
class FQSProgressButton;
class PushBtn;

struct HomeEntry {
    const char* section;
    const char* button;
    std::int16_t barCode;
    std::int16_t listId;
};
extern const std::array<HomeEntry, 9> kHomeEntries;

class FQSHomePage : public FQSPage {
public:
    // The entry whose list is the list id, or -1.
    static std::int32_t FindListIndex(std::int16_t listId);

    std::int32_t HandleControl(std::int32_t itemIndex) override;
    void Build() override;
    void Commit() override {}
    void Release() override;

    FQSProgressButton* GetProgressButton() const { return progress_; }
    PushBtn* GetPushButton() const { return pushButton_; }
    Cluster* GetCluster(std::int32_t i) const { return clusters_[static_cast<std::size_t>(i)]; }

private:
    FQSProgressButton* progress_ = nullptr;
    std::array<Cluster*, 3> clusters_{};
    PushBtn* pushButton_ = nullptr;
    std::int32_t pushItem_ = -1;
    std::int32_t progressItem_ = -1;
};
