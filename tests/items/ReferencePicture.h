#pragma once
// Pictures compared with reference pictures in data/. A reference is made by running its test once
// with FABLECORE_WRITE_REFERENCE=1, and checked by eye.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Surface.h"

namespace itemstest {

inline void CompareWithReference(const win::Surface& picture, const char* name) {
    const std::filesystem::path reference = std::filesystem::path(ITEMS_TEST_DATA) / name;
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(picture.WritePng(reference.string()));
        return;
    }
    const std::unique_ptr<win::Surface> expected = win::Surface::ReadPng(reference.string());
    ASSERT_NE(expected, nullptr) << reference;
    ASSERT_EQ(expected->Width(), picture.Width());
    ASSERT_EQ(expected->Height(), picture.Height());
    EXPECT_LE(gditest::DifferingPixels(picture, *expected), picture.Width() * picture.Height() / 500) << name;
}

}  // namespace itemstest
