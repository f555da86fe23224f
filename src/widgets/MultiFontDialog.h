#pragma once
// A dialog that sets the fonts of several text areas of a window at once: one pane per area, a
// sample text in the pane's font and a "Set" button that opens the font chooser for it (face and
// size only, within the pane's size limits). "OK" hands the chosen fonts back over the caller's
// records when the dialog goes; "Cancel" leaves them untouched. The fonts are worked on as plain
// copies, so a bold or italic font comes back plain unless the chooser sets a style.

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/TDialog.h"
#include "platform/gdi/GdiTypes.h"

class Cluster;
class PushBtn;
class StatText;

class MultiFontDialog : public TDialog {
    TOBJECT_CLASS(MultiFontDialog, TDialog, 178)

public:
    // The arrays hold one entry per pane and belong to the caller; null size limits mean none.
    MultiFontDialog(std::int16_t paneCount, win::LOGFONTA* fonts, const char* const* sampleTexts,
                    const std::int16_t* minSizes = nullptr, const std::int16_t* maxSizes = nullptr);
    // After "OK", the fonts go back over the caller's records.
    ~MultiFontDialog() override;

    ShortPoint GetMinTrackSize() override;
    ErrCode SetUpItems() override;
    // "OK" and "Cancel" end the dialog; a "Set" button opens the font chooser for its pane.
    void EndModal(std::int32_t itemIndex) override;
    // Each sample shown in its pane's font.
    void UpdateSamples();

    const win::LOGFONTA& GetWorkFont(std::int16_t pane) const {
        return workFonts_[static_cast<std::size_t>(pane)];
    }

private:
    win::LOGFONTA* callerFonts_;
    std::vector<win::LOGFONTA> workFonts_;
    const char* const* sampleTexts_;
    const std::int16_t* minSizes_;
    const std::int16_t* maxSizes_;
    std::int16_t paneCount_;
    std::vector<Cluster*> frames_;
    std::vector<StatText*> samples_;
    std::vector<PushBtn*> setButtons_;
    PushBtn* cancelButton_ = nullptr;
    PushBtn* okButton_ = nullptr;
};
