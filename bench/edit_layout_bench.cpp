// Speed of laying out text in an EDIT control: a 20,000-word text set into a multi-line field (which
// wraps it to the field's width) and scrolled through page by page, each page's lines read back,
// against the same lines broken by the bare line breaker and walked page by page. The control's
// messages, state and scrolling should cost at most three times the breaking alone.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLines.h"
#include "platform/ui/User.h"
#include "support/Floor.h"

namespace {

using namespace win;

constexpr int kWords = 20000;
constexpr int kWidth = 400, kHeight = 300;

// Words of varied lengths, a paragraph every hundred.
const std::string& Text() {
    static const std::string text = [] {
        static const char* const kVocabulary[] = {"the",  "story",      "asks", "a",         "question",
                                                  "and",  "its",        "main", "character", "answers",
                                                  "with", "everything", "she",  "has",       "learned"};
        std::string made;
        for (int word = 0; word < kWords; ++word) {
            made += kVocabulary[(word * 7 + word / 13) % std::size(kVocabulary)];
            made += word % 100 == 99 ? "\r\n" : " ";
        }
        return made;
    }();
    return text;
}

HFONT BodyFont() { return CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); }

void BM_EditLayOutAndScrollPages(benchmark::State& state) {
    HFONT font = BodyFont();
    std::vector<char> buffer(1024);
    for (auto _ : state) {
        HWND field = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, kWidth,
                                     kHeight, nullptr, nullptr, nullptr, nullptr);
        SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text().c_str()));
        const auto lines = static_cast<int>(SendMessageA(field, EM_GETLINECOUNT, 0, 0));
        if (lines < kWords / 20) state.SkipWithError("the field did not wrap its text");
        int first = -1;
        std::size_t characters = 0;
        while (true) {
            const auto top = static_cast<int>(SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0));
            if (top == first) break;
            first = top;
            for (int line = top; line < lines && line < top + kHeight / 15; ++line) {
                const WORD size = static_cast<WORD>(buffer.size());
                std::memcpy(buffer.data(), &size, sizeof size);
                characters += static_cast<std::size_t>(SendMessageA(
                    field, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
            }
            SendMessageA(field, WM_VSCROLL, SB_PAGEDOWN, 0);
        }
        benchmark::DoNotOptimize(characters);
        DestroyWindow(field);
    }
    DeleteObject(font);
}
BENCHMARK(BM_EditLayOutAndScrollPages)->Unit(benchmark::kMillisecond);

void BM_BareLineBreaking(benchmark::State& state) {
    HFONT font = BodyFont();
    for (auto _ : state) {
        HDC dc = CreateMeasuringDC();
        SelectObject(dc, font);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        const std::vector<TextLine> lines = BreakTextLines(dc, Text(), kWidth);
        const int page = kHeight / metrics.tmHeight;
        std::size_t characters = 0;
        for (std::size_t first = 0; first < lines.size(); first += static_cast<std::size_t>(page)) {
            for (std::size_t line = first; line < lines.size() && line < first + kHeight / 15; ++line) {
                const std::string copy = Text().substr(lines[line].start, lines[line].length);
                characters += copy.size();
            }
        }
        benchmark::DoNotOptimize(characters);
        DeleteDC(dc);
    }
    DeleteObject(font);
}
BENCHMARK(BM_BareLineBreaking)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_EditLayOutAndScrollPages", "BM_BareLineBreaking", 3.0);

}  // namespace
