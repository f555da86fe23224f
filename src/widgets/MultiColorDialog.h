#pragma once
// A dialog, "Set Colors", that sets several named colours at once: one pane per colour with its
// name, a swatch painted in the colour and a "Set" button that opens the colour chooser for it.
// "OK" hands the colours back to the caller when the dialog goes; "Cancel" leaves them untouched.

#include <cstdint>
#include <vector>

#include "framework/TDialog.h"
#include "framework/graphics/RGBColor.h"

class Cluster;
class PushBtn;
class StatText;

class MultiColorDialog : public TDialog {
    TOBJECT_CLASS(MultiColorDialog, TDialog, 178)

public:
    // The colours and names, one per pane, belong to the caller.
    MultiColorDialog(std::int16_t paneCount, RGBColor* colors, const char* const* labels);
    // After "OK", each caller colour takes its pane's.
    ~MultiColorDialog() override;

    ShortPoint GetMinTrackSize() override;
    ErrCode SetUpItems() override;
    // The dialog, then the swatches in their exact colours.
    void Draw(win::HDC dc) override;
    void EndModal(std::int32_t itemIndex) override;

    // Where the pane's colour is shown.
    static ShortRect SwatchRect(std::int16_t pane);
    const RGBColor& GetWorkColor(std::int16_t pane) const {
        return workColors_[static_cast<std::size_t>(pane)];
    }

private:
    RGBColor* callerColors_;
    std::vector<RGBColor> workColors_;
    const char* const* labels_;
    std::int16_t paneCount_;
    std::vector<Cluster*> frames_;
    std::vector<StatText*> labelItems_;
    std::vector<PushBtn*> setButtons_;
    PushBtn* okButton_ = nullptr;
    PushBtn* cancelButton_ = nullptr;
};
