// The printer's graph: text drawn through it lets the paper show unless opaque text is asked for,
// and the background mode it was left in goes with it from one printer context to the next.

#include <gtest/gtest.h>

#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintGraph.h"
#include "platform/gdi/Gdi.h"

namespace {

using namespace win;

TEST(PrintGraph, TextIsTransparentOnAPrinterUntilOpaqueTextIsAskedForAndTheModeGoesWithTheGraph) {
    HDC first = CreatePrinterDC(kLetterPaper);
    HDC second = CreatePrinterDC(kLetterPaper);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    PrintGraph graph;
    graph.Attach(first);
    {
        const GraphUser use(graph);
        EXPECT_TRUE(graph.IsTransparent());
        graph.SetTransparent(false);
    }
    graph.Detach();
    graph.Attach(second);
    {
        const GraphUser use(graph);
        EXPECT_FALSE(graph.IsTransparent());
        EXPECT_EQ(GetBkMode(second), OPAQUE);
    }
    graph.Detach();
    DeleteDC(first);
    DeleteDC(second);
}

}  // namespace
