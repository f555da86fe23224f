// Speed of wrapping styled text: 100 pages of report prose with bold and italic runs and paragraph
// margins, laid out in a column of a printed page, against the bare line breaker laying out the
// same text without its codes. Measuring a byte at a time in the style in force, keeping each
// distinct style once and a line table should cost at most twice the breaking alone.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/StyledText.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/TextLines.h"
#include "support/Floor.h"

namespace {

constexpr int kPages = 100;
constexpr int kParagraphsPerPage = 6;
constexpr int kColumnWidth = 468;  // 6.5 inches of a printed page, in points

std::string Code(const char* body) { return std::string("\xC7") + body + "\xC8"; }

// Paragraphs of a report: a hanging-indent heading word in bold, sentences with an italic phrase.
const std::string& StyledText() {
    static const std::string text = [] {
        static const char* const kVocabulary[] = {"the",  "story",      "asks", "a",         "question",
                                                  "and",  "its",        "main", "character", "answers",
                                                  "with", "everything", "she",  "has",       "well-known"};
        std::string made;
        int word = 0;
        for (int paragraph = 0; paragraph < kPages * kParagraphsPerPage; ++paragraph) {
            made += Code("M(0,18,0)") + Code("B+") + "Throughline" + Code("B-") + " ";
            for (int sentence = 0; sentence < 4; ++sentence) {
                for (int i = 0; i < 16; ++i, ++word) {
                    if (i == 5) made += Code("I+");
                    made += kVocabulary[(word * 7 + word / 13) % std::size(kVocabulary)];
                    if (i == 8) made += Code("I-");
                    made += i == 15 ? ". " : " ";
                }
            }
            made += "\n";
        }
        return made;
    }();
    return text;
}

const std::string& PlainText() {
    static const std::string plain = [] {
        std::string stripped(StyledText().size() + 1, '\0');
        stripped.resize(StripStyleCodes(StyledText().c_str(), stripped.data(), 0xFFFFFFFF));
        return stripped;
    }();
    return plain;
}

win::LOGFONTA BodyFont() {
    win::LOGFONTA font;
    MakeLogFontByName(font, "Times New Roman", -13, 0);
    return font;
}

void BM_StyledTextWrap(benchmark::State& state) {
    const win::LOGFONTA font = BodyFont();
    win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv env;
    env.SetDC(dc);
    std::size_t lines = 0;
    for (auto _ : state) {
        ShortRect rect = ShortRect::MakeLTRB(0, 0, kColumnWidth, 0);
        TextWrap wrap(env, rect, StyledText().c_str(), font);
        lines += wrap.GetLineCount();
    }
    benchmark::DoNotOptimize(lines);
    env.DetachDC();
    win::DeleteDC(dc);
}
BENCHMARK(BM_StyledTextWrap)->Unit(benchmark::kMillisecond);

void BM_BarePlainTextBreaking(benchmark::State& state) {
    const win::LOGFONTA font = BodyFont();
    win::HDC dc = win::CreateMeasuringDC();
    win::HFONT handle = win::CreateFontIndirectA(&font);
    win::HGDIOBJ previous = win::SelectObject(dc, handle);
    std::size_t lines = 0;
    for (auto _ : state) {
        const std::vector<win::TextLine> broken = win::BreakTextLines(dc, PlainText(), kColumnWidth);
        lines += broken.size();
    }
    benchmark::DoNotOptimize(lines);
    win::SelectObject(dc, previous);
    win::DeleteObject(handle);
    win::DeleteDC(dc);
}
BENCHMARK(BM_BarePlainTextBreaking)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_StyledTextWrap", "BM_BarePlainTextBreaking", 2.0);

}  // namespace
