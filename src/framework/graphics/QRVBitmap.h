#pragma once
// An offscreen bitmap of the screen's kind, drawn into through a memory context of its own (made
// by BeginDrawing, gone at EndDrawing) and copied to windows and to other bitmaps. While any bitmap
// lives, one memory context compatible with the screen is shared by all of them.

#include <cstdint>

#include "foundation/TObject.h"
#include "framework/graphics/DibBlocks.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"

class QRVBitmap : public TObject {
    TOBJECT_CLASS(QRVBitmap, TObject, 115)

public:
    // A white bitmap of the size; 1 x 1 when none, or when either side is below 1.
    explicit QRVBitmap(const ShortPoint* size = nullptr);
    QRVBitmap(int width, int height, int depthFlag);
    // The window's client area from its top-left corner; the window is kept as the bitmap's source.
    QRVBitmap(int width, int height, win::HWND window);
    // A copy of the other bitmap, or of a part of it, with its palette.
    QRVBitmap(const QRVBitmap& other, const ShortRect* part = nullptr);
    QRVBitmap& operator=(const QRVBitmap&) = delete;
    ~QRVBitmap() override;

    TObject* Clone() const override { return new QRVBitmap(*this); }

    // A memory context with the bitmap selected, compatible with the context given (or the shared
    // one); the bitmap stays locked until EndDrawing.
    win::HDC BeginDrawing(win::HDC dc = nullptr);
    void EndDrawing();

    // Copies the source part of the bitmap (all of it when none) to the destination in the window
    // (the source's size at (0, 0) when none). With fit, a source of another size is shrunk to fit
    // the destination, keeping its proportions, and centred in it. Sizes that differ stretch.
    // Answers 1 when copied.
    std::int16_t Draw(win::HWND window, const ShortRect* source, const ShortRect* destination, bool fit,
                      std::uint32_t rop) const;
    // The same into another bitmap (into its source window when it has one); the other may be this.
    std::int16_t DrawInto(QRVBitmap& other, const ShortRect* source, const ShortRect* destination, bool fit,
                          std::uint32_t rop);
    // The reverse: the window's source part into the bitmap.
    std::int16_t CopyFromWindow(win::HWND window, const ShortRect* source, const ShortRect* destination,
                                bool fit, std::uint32_t rop);

    // Replaces the slot's block with a DIB of the image, through the application palette.
    void CopyToDib(DibBlock& slot) const;
    // The image becomes a copy of the device bitmap given.
    bool SetFromBitmap(win::HBITMAP bitmap);
    // The image becomes the DIB, made on the window's context (the screen's when none); a block that
    // is no DIB leaves the bitmap as it is. Answers whether the image was made.
    bool SetFromDib(const void* dib, win::HWND window);
    // The bitmap keeps its own copy of the palette; the first one given to any bitmap also becomes
    // the application palette.
    void SetPalette(win::HPALETTE palette);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Depth() const { return depth_; }
    bool IsUsable() const { return bitmap_ != nullptr; }
    win::HBITMAP GetBitmap() const { return bitmap_; }
    win::HPALETTE GetPalette() const { return palette_; }
    win::HWND GetSourceWindow() const { return sourceWindow_; }

    // Bitmaps alive now, and whether their shared context exists.
    static int LiveCount();
    static bool HasSharedDC();

private:
    void MakeBlank(int width, int height);
    void ReplaceBitmap(win::HBITMAP bitmap);
    // Calls copy(dc) with a context that has the bitmap selected.
    template <typename Copy>
    bool WithBitmapDC(Copy copy) const;

    std::int16_t width_ = 1;
    std::int16_t height_ = 1;
    std::int16_t depth_ = 0;
    win::HGDIOBJ previousObject_ = nullptr;
    win::HPALETTE palette_ = nullptr;
    win::HWND sourceWindow_ = nullptr;
    win::HDC memoryDC_ = nullptr;
    win::HBITMAP bitmap_ = nullptr;
};
