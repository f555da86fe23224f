#pragma once
// The terminology page of the preferences window ("Term Swap"): the theory's terms shown in
// layman's words or in the original ones. The choice is kept as "OrigTerms" in the query system's
// preferences and switches the program's vocabulary as soon as it is stored; texts of windows built
// before may keep the old words until the story is opened again, as the page says.

#include "app/TWorkArea.h"

class RadioBtn;

class TermPrefArea : public TWorkArea {
public:
    using TWorkArea::TWorkArea;
    // Stores the choice.
    ~TermPrefArea() override;

    void BuildItems() override;
    void LoadValues() override;
    void StoreValues() override;
    void Draw(TGraphEnv& env) override;

    RadioBtn* GetLaymanButton() const { return layman_; }
    RadioBtn* GetOriginalButton() const { return original_; }

private:
    std::int16_t y0_ = 0;
    RadioBtn* layman_ = nullptr;
    RadioBtn* original_ = nullptr;
};
