#pragma once
// Screenshots compared with reference pictures in data/. A reference is made by running its test
// once with FABLECORE_WRITE_REFERENCE=1, and checked by eye.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Presenter.h"

namespace uitest {

inline void CompareWithReference(const char* name) {
    const win::Surface& screen = win::GetScreenSurface();
    const std::filesystem::path reference = std::filesystem::path(UI_TEST_DATA) / name;
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(screen.WritePng(reference.string()));
        return;
    }
    const std::unique_ptr<win::Surface> expected = win::Surface::ReadPng(reference.string());
    ASSERT_NE(expected, nullptr) << reference;
    ASSERT_EQ(expected->Width(), screen.Width());
    ASSERT_EQ(expected->Height(), screen.Height());
    EXPECT_LE(gditest::DifferingPixels(screen, *expected), screen.Width() * screen.Height() / 500) << name;
}

// A part of the screen only, in screen coordinates: a small detail that goes wrong is not lost among
// the pixels a whole screen may differ by.
inline void CompareAreaWithReference(const win::RECT& area, const char* name) {
    const win::Surface& screen = win::GetScreenSurface();
    win::Surface part(area.right - area.left, area.bottom - area.top);
    for (int y = 0; y < part.Height(); ++y) {
        for (int x = 0; x < part.Width(); ++x) {
            part.SetPixel(x, y, screen.GetPixel(area.left + x, area.top + y));
        }
    }
    gditest::ExpectMatchesReference(part, std::filesystem::path(UI_TEST_DATA) / name);
}

}  // namespace uitest
