#pragma once
// The story engine panel (Storyforming > Story Engine): the engine's master controls for the
// experienced writer, in a modal dialog as large as the frame. Each of the eight dynamics and each
// domain, concern, issue and problem of the four throughlines has a popup of the values at hand (and
// "(any)" to take the choice away) and a box that locks it; the number of storyforms left shows
// below them. A choice that would leave no storyform is refused with a message. Clear Unlocked takes
// away every unlocked choice. OK keeps what the panel did; Cancel puts the story back as it was.
// The panel keeps its place in the general preferences ("CPan").

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/TDialog.h"
#include "platform/gdi/GdiTypes.h"
#include "storywindows/EngineControls.h"

class CheckBox;
class FKDoc;
class ItemList;
class Popup;
class StatText;

class CPanelDlog : public TDialog {
public:
    static constexpr std::int32_t kControls = static_cast<std::int32_t>(EngineControls::kCount);
    // The items, in list order.
    enum Item : std::int32_t {
        kFirstPopup = 0,
        kFirstLock = kFirstPopup + kControls,
        kClearItem = kFirstLock + kControls,
        kOkItem,
        kCancelItem,
        kCountText,
        kLegendText,
        kFirstLabel,
    };
    static constexpr const char* kPlacementKey = "CPan";
    // The smallest client area the controls fit in.
    static constexpr int kMinWidth = 780;
    static constexpr int kMinHeight = 430;
    static constexpr const char* kRefusal =
        "That choice leaves no storyform with your other choices, so it was not made.";

    explicit CPanelDlog(FKDoc* story);
    ~CPanelDlog() override;

    ErrCode SetUpItems() override;
    // A popup's pick, a lock and Clear Unlocked act at once; OK and Cancel end the panel.
    void EndModal(std::int32_t itemIndex) override;
    // Cancel puts the story back; both keep the panel's place.
    void BeforeEnd() override;

    // The control's pick in its popup: its value id (0 for "(any)").
    std::int16_t PickedValue(std::size_t control) const;
    // Picks the value in the control's popup, as the writer does; false when it is not offered.
    bool Pick(std::size_t control, std::int16_t value);
    Popup* PopupOf(std::size_t control) const;
    CheckBox* LockOf(std::size_t control) const;
    std::string GetCountText() const;
    const EngineControls& GetControls() const { return *controls_; }

private:
    // Every popup filled with its control's values, and the count shown.
    void ShowControls();
    void ShowControl(std::size_t control);
    void MakeItems(ItemList& list, int width, int height);

    FKDoc* story_;
    std::unique_ptr<EngineControls> controls_;
    // The value id behind each entry of each popup.
    std::vector<std::vector<std::int16_t>> entries_;
    win::LOGFONTA font_;
};

// Runs the panel for the story; 0, or -1 without a story.
ErrCode RunStoryEnginePanel(FKDoc* story);
