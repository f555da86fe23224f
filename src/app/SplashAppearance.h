#pragma once
// What the splash screen and the about box look like: picture 1 at the top left and picture 2 in
// the bottom right corner, the notice (the "Copyright" text of the application data file's 'INFO'
// record) at the top of the text column, and the name line (the application's name and version)
// above picture 2. The host window paints the appearance after its own drawing.
//
// While a splash screen or about box exists (from the appearance's construction to its
// destruction), Exists answers true: the About command is then greyed and does nothing.

#include <cstdint>
#include <memory>
#include <string>

#include "framework/graphics/OffscreenEnv.h"
#include "framework/graphics/QRVBitmap.h"
#include "framework/graphics/ShortRect.h"
#include "items/TextWrap.h"

class TWindow;

class SplashAppearance {
public:
    // The pictures and the size of the host's client area they are made for.
    static constexpr std::uint16_t kPicture1 = 16014;
    static constexpr std::uint16_t kPicture2 = 16015;
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 278;
    // The text column's left edge and the notice's width.
    static constexpr int kTextLeft = 265;
    static constexpr int kTextRight = 495;
    // What a reading of 'INFO' texts keeps, its NUL included.
    static constexpr std::size_t kTextBufferSize = 1000;

    explicit SplashAppearance(TWindow& host);
    ~SplashAppearance();
    SplashAppearance(const SplashAppearance&) = delete;
    SplashAppearance& operator=(const SplashAppearance&) = delete;

    // Whether a splash screen or about box exists.
    static bool Exists();

    // Loads the pictures (the host's client area takes picture 1's height), places them and lays
    // the texts out.
    void Prepare();
    // Paints the pictures and the texts into the host, which is painting.
    void Draw();

    const QRVBitmap* GetPicture1() const { return picture1_.get(); }
    const QRVBitmap* GetPicture2() const { return picture2_.get(); }
    const ShortRect& GetRect1() const { return rect1_; }
    const ShortRect& GetRect2() const { return rect2_; }
    const std::string& GetNoticeText() const { return noticeText_; }
    const std::string& GetNameText() const { return nameText_; }
    // Where the notice and the name line are drawn (their tops).
    int GetNoticeTop() const { return kNoticeTop; }
    int GetNameTop() const;

private:
    static constexpr int kNoticeTop = 10;
    // The name line ends this far above picture 2.
    static constexpr int kNameAbovePicture2 = 25;

    // Lays the text out in the text column from the top, in font 3 at size 10.
    std::unique_ptr<TextWrap> LayOut(const std::string& text, int top);

    TWindow& host_;
    std::unique_ptr<QRVBitmap> picture1_;
    std::unique_ptr<QRVBitmap> picture2_;
    ShortRect rect1_;
    ShortRect rect2_;
    std::string noticeText_;
    std::string nameText_;
    std::unique_ptr<TextWrap> notice_;
    std::unique_ptr<TextWrap> name_;
    int textLeft_ = kTextLeft;
    // What the texts are measured with.
    OffscreenEnv measure_{kTextRight - kTextLeft, 500, 1};
};

// A text of the application data file's 'INFO' record; empty when it has none. At most
// kTextBufferSize - 1 bytes are kept.
std::string ReadInfoText(const char* key);
