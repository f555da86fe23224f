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

}  // namespace uitest
