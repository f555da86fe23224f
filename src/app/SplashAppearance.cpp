#include "app/SplashAppearance.h"

#include <algorithm>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/AppEnvironment.h"
#include "framework/PictureBitmaps.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/ui/Paint.h"

namespace {

constexpr FourCC kPictureType = FourCCOf("BITM");
constexpr FourCC kInfoType = FourCCOf("INFO");
constexpr int kNoticeLayoutTop = 15;
constexpr int kNoticeLayoutBottom = 80;

// The one process-wide mark that a splash screen or about box exists.
bool appearanceExists = false;

// Whether the screen shows more than 256 colours in one plane: the pictures of the data file are
// made for such screens.
bool ScreenShowsPictures() {
    const win::HDC screen = win::GetDC(nullptr);
    const bool deep =
        win::GetDeviceCaps(screen, win::PLANES) == 1 && win::GetDeviceCaps(screen, win::BITSPIXEL) > 7;
    win::ReleaseDC(nullptr, screen);
    return deep;
}

// Fills the bitmap with the data file's picture; the picture's bounds, empty when there is none.
ShortRect LoadPicture(std::uint16_t id, QRVBitmap& bitmap) {
    ShortRect bounds;
    LoadPictureBitmap(kPictureType, id, &bounds, bitmap, true);
    return bounds;
}

void CopyPicture(win::HDC dc, QRVBitmap& picture, const ShortRect& to) {
    if (to.IsEmpty()) return;
    const win::HDC source = picture.BeginDrawing(dc);
    if (source) win::BitBlt(dc, to.left, to.top, to.Width(), to.Height(), source, 0, 0, win::SRCCOPY);
    picture.EndDrawing();
}

}  // namespace

std::string ReadInfoText(const char* key) {
    const TAppl* application = GetAppl();
    PFMFile* data = application ? application->GetDataFile() : nullptr;
    if (!data) return {};
    const PFMFileScope scope(data, false);
    PText info(data, kInfoType, 0);
    char text[SplashAppearance::kTextBufferSize] = {};
    if (info.GetEntry(key, 'c', text, sizeof text) < 0) return {};
    return text;
}

SplashAppearance::SplashAppearance(TWindow& host) : host_(host) { appearanceExists = true; }

SplashAppearance::~SplashAppearance() { appearanceExists = false; }

bool SplashAppearance::Exists() { return appearanceExists; }

void SplashAppearance::Prepare() {
    textLeft_ = kTextLeft;
    picture1_ = std::make_unique<QRVBitmap>();
    picture2_ = std::make_unique<QRVBitmap>();
    ShortRect bounds1;
    ShortRect bounds2;
    if (ScreenShowsPictures()) {
        bounds1 = LoadPicture(kPicture1, *picture1_);
        bounds2 = LoadPicture(kPicture2, *picture2_);
    }
    // A missing picture 1 leaves the host as tall as it is.
    ShortRect client = host_.GetClientRect();
    if (!bounds1.IsEmpty() && client.Height() != bounds1.Height()) {
        host_.SetClientSize(client.Width(), bounds1.Height());
        client = host_.GetClientRect();
    }
    rect1_ = bounds1.IsEmpty() ? ShortRect{}
                               : ShortRect::MakeLTRB(client.left, client.top, client.left + bounds1.Width(),
                                                     client.top + bounds1.Height());
    rect2_ = bounds2.IsEmpty()
                 ? ShortRect::MakeLTRB(client.right, client.bottom, client.right, client.bottom)
                 : ShortRect::MakeLTRB(client.right - bounds2.Width(), client.bottom - bounds2.Height(),
                                       client.right, client.bottom);
    noticeText_ = ReadInfoText("Copyright");
    notice_ = LayOut(noticeText_, kNoticeLayoutTop);
    const TAppl* application = host_.GetApplication();
    nameText_ = application ? application->GetAppName() : std::string();
    name_ = LayOut(nameText_, GetNameTop());
}

int SplashAppearance::GetNameTop() const { return rect2_.top - kNameAbovePicture2; }

std::unique_ptr<TextWrap> SplashAppearance::LayOut(const std::string& text, int top) {
    win::LOGFONTA font;
    MakeLogFont(font, 3, 10, 0);
    ShortRect rect = ShortRect::MakeLTRB(textLeft_, top, kTextRight, std::max(top, kNoticeLayoutBottom));
    const GraphAttribUser use(measure_);
    return std::make_unique<TextWrap>(measure_, rect, text.c_str(), font);
}

void SplashAppearance::Draw() {
    TGraphEnv& env = host_.GetGraphEnv();
    const GraphAttribUser use(env);
    if (picture1_) CopyPicture(env.GetHDC(), *picture1_, rect1_);
    if (picture2_) CopyPicture(env.GetHDC(), *picture2_, rect2_);
    env.SetTransparent(true);
    if (notice_) notice_->Draw(env, nullptr, kNoticeTop, textLeft_, kHeight, kTextRight, 0);
    if (name_) name_->Draw(env, nullptr, GetNameTop(), textLeft_, kHeight, kTextRight, 0);
}
