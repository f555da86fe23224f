#include "platform/gdi/DeviceContexts.h"

#include <gtest/gtest.h>

#include <utility>

#include "GdiTestSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Regions.h"

namespace {

using namespace win;
using gditest::kBlack;
using gditest::kBlue;
using gditest::kRed;
using gditest::kWhite;

class DeviceContext : public gditest::SurfaceTest {};

TEST_F(DeviceContext, SelectObjectAnswersThePreviousObject) {
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH blue = CreateSolidBrush(kBlue);
    EXPECT_EQ(SelectObject(dc_, red), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc_, blue), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(BLACK_PEN)), static_cast<HGDIOBJ>(red));
    EXPECT_EQ(GetCurrentObject(dc_, OBJ_BRUSH), static_cast<HGDIOBJ>(blue));
    EXPECT_EQ(GetCurrentObject(dc_, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    // Bitmaps only go into memory contexts.
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    EXPECT_EQ(SelectObject(dc_, bitmap), nullptr);
    EXPECT_EQ(SelectObject(dc_, nullptr), nullptr);
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_TRUE(DeleteObject(blue));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(red));  // already gone
    EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
}

TEST_F(DeviceContext, DeletingSelectedObjectsIsSafeAndFreesThemLater) {
    const long pens = GetLiveGdiObjectCount(OBJ_PEN);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HPEN blue = CreatePen(PS_SOLID, 1, kBlue);
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_PEN), pens + 2);
    SelectObject(dc_, red);
    EXPECT_EQ(SaveDC(dc_), 1);
    SelectObject(dc_, blue);
    // Both are still used: red by the saved state, blue by the current one.
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_TRUE(DeleteObject(blue));
    EXPECT_EQ(GetObjectType(red), 0u);  // the handles are dead at once
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_PEN), pens + 2);
    // The current pen keeps drawing until it is replaced.
    MoveToEx(dc_, 0, 0, nullptr);
    LineTo(dc_, 5, 0);
    EXPECT_EQ(Pixel(2, 0), kBlue);
    EXPECT_TRUE(RestoreDC(dc_, -1));  // blue goes
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_PEN), pens + 1);
    MoveToEx(dc_, 5, 0, nullptr);
    LineTo(dc_, 5, 5);
    EXPECT_EQ(Pixel(5, 2), kRed);
    SelectObject(dc_, GetStockObject(BLACK_PEN));  // red goes
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_PEN), pens);
}

TEST_F(DeviceContext, SaveAndRestoreTheWholeState) {
    SetTextColor(dc_, kRed);
    SetBkMode(dc_, TRANSPARENT);
    SetROP2(dc_, R2_XORPEN);
    MoveToEx(dc_, 7, 8, nullptr);
    HRGN clip = CreateRectRgn(0, 0, 10, 10);
    SelectClipRgn(dc_, clip);
    EXPECT_EQ(SaveDC(dc_), 1);
    SetTextColor(dc_, kBlue);
    SetBkMode(dc_, OPAQUE);
    SetROP2(dc_, R2_NOT);
    SetTextAlign(dc_, TA_UPDATECP | TA_BASELINE);
    MoveToEx(dc_, 1, 2, nullptr);
    SelectClipRgn(dc_, nullptr);
    EXPECT_EQ(SaveDC(dc_), 2);
    SetTextColor(dc_, kBlack);
    EXPECT_EQ(SaveDC(dc_), 3);
    EXPECT_TRUE(RestoreDC(dc_, 1));  // back past two levels at once
    EXPECT_EQ(GetTextColor(dc_), kRed);
    EXPECT_EQ(GetBkMode(dc_), TRANSPARENT);
    EXPECT_EQ(GetROP2(dc_), R2_XORPEN);
    EXPECT_EQ(GetTextAlign(dc_), TA_LEFT | TA_TOP);
    POINT at;
    GetCurrentPositionEx(dc_, &at);
    EXPECT_EQ(at.x, 7);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc_, copy), 1);
    EXPECT_TRUE(EqualRgn(copy, clip));
    EXPECT_FALSE(RestoreDC(dc_, -1));  // nothing saved any more
    EXPECT_FALSE(RestoreDC(dc_, 5));
    EXPECT_EQ(GetClipRgn(dc_, nullptr), -1) << "a clip region and nowhere to copy it";
    SelectClipRgn(dc_, nullptr);
    EXPECT_EQ(GetClipRgn(dc_, copy), 0);
    EXPECT_EQ(GetClipRgn(dc_, nullptr), 0) << "no clip region: nothing to copy, no failure";
    EXPECT_EQ(GetClipRgn(nullptr, copy), -1);
    DeleteObject(copy);
    DeleteObject(clip);
}

TEST_F(DeviceContext, DisplayContextsDrawOnlyInTheirSystemClip) {
    // A window whose client origin is (20, 10) and of which only a 15 x 8 part shows.
    HDC window = CreateDisplayDC(surface_, POINT{20, 10}, Region(25, 12, 40, 20));
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{-100, -100, 100, 100};
    FillRect(window, &all, red);
    EXPECT_EQ(InkBounds().left, 25);
    EXPECT_EQ(InkBounds().top, 12);
    EXPECT_EQ(InkBounds().right, 40);
    EXPECT_EQ(InkBounds().bottom, 20);
    // Device coordinates start at the origin: device (5, 2) is surface (25, 12).
    EXPECT_EQ(GetPixel(window, 5, 2), kRed);
    EXPECT_EQ(GetPixel(window, 4, 2), CLR_INVALID);
    RECT box;
    EXPECT_EQ(GetClipBox(window, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.right, 20);
    // The application's clip narrows it further.
    surface_.Fill(kWhite);
    HRGN clip = CreateRectRgn(0, 0, 8, 100);
    SelectClipRgn(window, clip);
    FillRect(window, &all, red);
    EXPECT_EQ(InkBounds().left, 25);
    EXPECT_EQ(InkBounds().right, 28);
    DestroyDisplayDC(window);
    DeleteObject(clip);
    DeleteObject(red);
}

TEST_F(DeviceContext, RetargetingKeepsAttributesAndObjects) {
    HDC own = CreateDisplayDC(surface_, POINT{0, 0}, Region(0, 0, 10, 10));
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    SelectObject(own, red);
    SetROP2(own, R2_NOTCOPYPEN);
    SetTextColor(own, kBlue);
    RetargetDisplayDC(own, surface_, POINT{30, 30}, Region(30, 30, 60, 60));
    EXPECT_EQ(GetCurrentObject(own, OBJ_PEN), static_cast<HGDIOBJ>(red));
    EXPECT_EQ(GetROP2(own), R2_NOTCOPYPEN);
    EXPECT_EQ(GetTextColor(own), kBlue);
    SetROP2(own, R2_COPYPEN);
    MoveToEx(own, 0, 0, nullptr);
    LineTo(own, 5, 0);
    EXPECT_EQ(Pixel(30, 30), kRed);
    EXPECT_EQ(Pixel(0, 0), kWhite);
    DestroyDisplayDC(own);
    EXPECT_TRUE(DeleteObject(red));
}

TEST_F(DeviceContext, MemoryContextsDrawIntoTheirBitmap) {
    HDC memory = CreateCompatibleDC(dc_);
    EXPECT_EQ(GetObjectType(memory), OBJ_MEMDC);
    HBITMAP bitmap = CreateCompatibleBitmap(dc_, 20, 10);
    BITMAP info;
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 20);
    EXPECT_EQ(info.bmHeight, 10);
    EXPECT_EQ(info.bmBitsPixel, 32);
    HGDIOBJ original = SelectObject(memory, bitmap);
    ASSERT_NE(original, nullptr);
    // A bitmap is in one memory context at a time.
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, bitmap), nullptr);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{0, 0, 100, 100};
    FillRect(memory, &all, red);
    EXPECT_EQ(GetPixel(memory, 19, 9), kRed);
    EXPECT_EQ(GetPixel(memory, 20, 9), CLR_INVALID);
    // Copy it onto the screen surface.
    EXPECT_TRUE(BitBlt(dc_, 5, 5, 20, 10, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(InkBounds().left, 5);
    EXPECT_EQ(InkBounds().right, 25);
    EXPECT_EQ(InkBounds().bottom, 15);
    SelectObject(memory, original);
    EXPECT_NE(SelectObject(other, bitmap), nullptr);
    DeleteDC(other);
    DeleteDC(memory);
    // No context is made like one that is gone, or like something that is not a context.
    EXPECT_EQ(CreateCompatibleDC(memory), nullptr);
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(red)), nullptr);
    DeleteObject(bitmap);
    DeleteObject(red);
}

TEST_F(DeviceContext, AnisotropicMappingScalesDrawing) {
    SetMapMode(dc_, MM_ANISOTROPIC);
    SetWindowExtEx(dc_, 10, 10, nullptr);
    SetViewportExtEx(dc_, 20, 30, nullptr);
    SetWindowOrgEx(dc_, -1, -1, nullptr);
    POINT p{4, 2};
    LPtoDP(dc_, &p, 1);
    EXPECT_EQ(p.x, 10);  // (4 + 1) * 2
    EXPECT_EQ(p.y, 9);   // (2 + 1) * 3
    DPtoLP(dc_, &p, 1);
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 2);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT r{0, 0, 5, 5};
    FillRect(dc_, &r, red);
    EXPECT_EQ(InkBounds().left, 2);
    EXPECT_EQ(InkBounds().top, 3);
    EXPECT_EQ(InkBounds().right, 12);
    EXPECT_EQ(InkBounds().bottom, 18);
    // One logical unit of pen width is two device pixels here.
    surface_.Fill(kWhite);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    SelectObject(dc_, pen);
    MoveToEx(dc_, 0, 5, nullptr);
    LineTo(dc_, 10, 5);
    EXPECT_EQ(Count(kBlue, RECT{10, 0, 11, 64}), 2);
    // Extents halve under ScaleWindowExtEx; MM_TEXT puts them back to 1.
    ScaleWindowExtEx(dc_, 1, 2, 1, 2, nullptr);
    SIZE extent;
    GetWindowExtEx(dc_, &extent);
    EXPECT_EQ(extent.cx, 5);
    SetMapMode(dc_, MM_TEXT);
    GetWindowExtEx(dc_, &extent);
    EXPECT_EQ(extent.cx, 1);
    EXPECT_EQ(SetMapMode(dc_, 3), 0);  // other modes are refused
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
    DeleteObject(red);
}

TEST_F(DeviceContext, MulDivRoundsAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(MulDiv(12, 72, 96), 9);
    EXPECT_EQ(MulDiv(-13, 72, 96), -10);  // -9.75
    EXPECT_EQ(MulDiv(5, 1, 2), 3);        // halves away from zero
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(7, 3, -2), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), 0x7FFFFFFF);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 2, 1), -1);
}

TEST_F(DeviceContext, MeasuringContextDrawsNothingAndAnswersLikeTheScreen) {
    HDC measuring = CreateMeasuringDC();
    EXPECT_EQ(GetDeviceCaps(measuring, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(measuring, BITSPIXEL), GetDeviceCaps(dc_, BITSPIXEL));
    EXPECT_TRUE(Rectangle(measuring, 0, 0, 10, 10));
    EXPECT_EQ(GetPixel(measuring, 1, 1), CLR_INVALID);
    RECT box;
    EXPECT_NE(GetClipBox(measuring, &box), NULLREGION);
    EXPECT_TRUE(DeleteDC(measuring));
    EXPECT_FALSE(DeleteDC(measuring));
}

TEST_F(DeviceContext, OpenCloseCyclesLeaveNothingBehind) {
    const long before = GetLiveGdiObjectCount();
    for (int cycle = 0; cycle < 1000; ++cycle) {
        HDC memory = CreateCompatibleDC(dc_);
        HBITMAP bitmap = CreateCompatibleBitmap(dc_, 8, 8);
        HGDIOBJ old = SelectObject(memory, bitmap);
        HPEN pen = CreatePen(PS_SOLID, 2, kRed);
        HBRUSH brush = CreateSolidBrush(kBlue);
        SelectObject(memory, pen);
        SaveDC(memory);
        SelectObject(memory, brush);
        HRGN clip = CreateRectRgn(0, 0, 4, 4);
        SelectClipRgn(memory, clip);
        DeleteObject(clip);
        Rectangle(memory, 0, 0, 8, 8);
        // Deleted while selected in both the current and a saved state.
        DeleteObject(pen);
        DeleteObject(brush);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EXPECT_EQ(GetLiveGdiObjectCount(), before);
}

TEST_F(DeviceContext, PermanentObjectsStayAndAreNotCounted) {
    const long before = GetLiveGdiObjectCount(OBJ_BRUSH);
    HBRUSH brush = CreateSolidBrush(kBlue);
    EXPECT_EQ(MakeObjectPermanent(brush), static_cast<HGDIOBJ>(brush));
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_BRUSH), before);
    EXPECT_FALSE(DeleteObject(brush));
    const RECT r{0, 0, 2, 2};
    FillRect(dc_, &r, brush);
    EXPECT_EQ(Pixel(1, 1), kBlue);
    EXPECT_EQ(MakeObjectPermanent(dc_), nullptr);
}

TEST_F(DeviceContext, PensAnswerTheWidthAndColourTheyDrawWith) {
    HPEN negative = CreatePen(PS_SOLID, -3, kRed);
    LOGPEN pen;
    ASSERT_EQ(GetObjectA(negative, sizeof pen, &pen), 16);
    EXPECT_EQ(pen.lopnWidth.x, 3);
    EXPECT_EQ(pen.lopnColor, kRed);
    // A height given in the record is kept for whoever reads it back; lines are drawn by the width.
    const LOGPEN tall{PS_SOLID, POINT{2, 5}, kRed};
    HPEN withHeight = CreatePenIndirect(&tall);
    ASSERT_EQ(GetObjectA(withHeight, sizeof pen, &pen), 16);
    EXPECT_EQ(pen.lopnWidth.y, 5);
    DeleteObject(withHeight);
    HGDIOBJ old = SelectObject(dc_, negative);
    MoveToEx(dc_, 10, 20, nullptr);
    LineTo(dc_, 40, 20);
    EXPECT_EQ(Count(kRed, RECT{20, 17, 21, 24}), 3) << "drawn 3 wide";
    SelectObject(dc_, old);
    DeleteObject(negative);
    // A null pen keeps neither width nor colour.
    HPEN null = CreatePen(PS_NULL, 5, kRed);
    ASSERT_EQ(GetObjectA(null, sizeof pen, &pen), 16);
    EXPECT_EQ(pen.lopnStyle, PS_NULL);
    EXPECT_EQ(pen.lopnWidth.x, 1);
    EXPECT_EQ(pen.lopnColor, kBlack);
    DeleteObject(null);
}

TEST_F(DeviceContext, PensAnswerTheStyleTheyWereMadeWith) {
    LOGPEN pen;
    for (UINT style : {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_INSIDEFRAME}) {
        HPEN made = CreatePen(static_cast<int>(style), 1, kBlue);
        ASSERT_EQ(GetObjectA(made, sizeof pen, &pen), 16);
        EXPECT_EQ(pen.lopnStyle, style);
        // What is read back makes the same pen again, as the framework does to change its colour.
        pen.lopnColor = kRed;
        HPEN again = CreatePenIndirect(&pen);
        ASSERT_EQ(GetObjectA(again, sizeof pen, &pen), 16);
        EXPECT_EQ(pen.lopnStyle, style);
        DeleteObject(again);
        DeleteObject(made);
    }
    HPEN unknown = CreatePen(9, 2, kBlue);  // none of the pen styles
    ASSERT_EQ(GetObjectA(unknown, sizeof pen, &pen), 16);
    EXPECT_EQ(pen.lopnStyle, PS_SOLID);
    EXPECT_EQ(pen.lopnWidth.x, 2);
    DeleteObject(unknown);
}

TEST_F(DeviceContext, StockObjectsDrawWhatTheirRecordsSay) {
    // Each stock brush fills with the colour its record holds, and the greys are the classic ones.
    const std::pair<int, COLORREF> brushes[] = {{WHITE_BRUSH, kWhite},
                                                {LTGRAY_BRUSH, RGB(192, 192, 192)},
                                                {GRAY_BRUSH, RGB(128, 128, 128)},
                                                {DKGRAY_BRUSH, RGB(64, 64, 64)},
                                                {BLACK_BRUSH, kBlack}};
    const RECT cell{0, 0, 4, 4};
    for (const auto& [index, color] : brushes) {
        LOGBRUSH brush;
        ASSERT_EQ(GetObjectA(GetStockObject(index), sizeof brush, &brush), 12);
        EXPECT_EQ(brush.lbColor, color) << index;
        surface_.Fill(kRed);
        FillRect(dc_, &cell, static_cast<HBRUSH>(GetStockObject(index)));
        EXPECT_EQ(Pixel(3, 3), color) << index;
    }
    // The hollow brush and the null pen draw nothing: a rectangle with both leaves the surface.
    surface_.Fill(kRed);
    SelectObject(dc_, GetStockObject(HOLLOW_BRUSH));
    SelectObject(dc_, GetStockObject(NULL_PEN));
    Rectangle(dc_, 0, 0, 10, 10);
    EXPECT_EQ(Count(kRed, RECT{0, 0, 10, 10}), 100);
    SelectObject(dc_, GetStockObject(WHITE_PEN));
    Rectangle(dc_, 0, 0, 10, 10);
    EXPECT_EQ(Count(kWhite), 36) << "the white pen's outline only";
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    // Stock objects outlive deletion; the records the framework reads have their full sizes.
    EXPECT_FALSE(DeleteObject(GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), 0, nullptr), 60);
    WORD entries = 0;
    ASSERT_EQ(GetObjectA(GetStockObject(DEFAULT_PALETTE), sizeof entries, &entries), 2);
    EXPECT_EQ(entries, 20);
    EXPECT_EQ(GetStockObject(9), nullptr) << "no stock object has that number";
}

}  // namespace
