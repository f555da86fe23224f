#pragma once
// The story application's about box: the splash appearance, the credits in a scrolling text view
// and the OK button of the data file's item list 'ITM#' 1070. Return and Escape close it (without
// modifier keys).

#include <cstdint>

#include "app/SplashAppearance.h"
#include "framework/TDialog.h"

class EditView;

class AboutBoxDialog : public TDialog {
public:
    static constexpr std::int16_t kItems = 1070;
    // The OK button, the first item of the item list.
    static constexpr std::int32_t kOkItem = 0;
    // Both credits texts together keep at most this many bytes.
    static constexpr std::size_t kCreditsLimit = SplashAppearance::kTextBufferSize - 1;

    AboutBoxDialog();
    // The credits view leaves the data file's item list, which stays for the next about box.
    ~AboutBoxDialog() override;

    // Return and Escape press the OK button; with a modifier key held they do nothing.
    bool DispatchKey(KeyEvent& event) override;
    win::LRESULT OnCommand(win::HWND window, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    // Only the OK button ends the box.
    bool IsAccepted() override;
    void Draw(win::HDC dc) override;
    ShortPoint GetMinTrackSize() override {
        return ShortPoint{SplashAppearance::kWidth, SplashAppearance::kHeight};
    }
    // The credits view is added, then the appearance prepared and the credits shown.
    ErrCode SetUpItems() override;

    SplashAppearance& GetAppearance() { return appearance_; }
    EditView* GetCreditsView() const { return credits_; }

private:
    void CenterInFrame();
    static bool AnyModifierDown();

    SplashAppearance appearance_;
    EditView* credits_ = nullptr;
};

// "CreditA" followed by "CreditB" of the data file's 'INFO' record, at most kCreditsLimit bytes.
std::string ReadCredits();
