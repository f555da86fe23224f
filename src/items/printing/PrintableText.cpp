#include "items/printing/PrintableText.h"

#include <algorithm>

#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintingEnvironment.h"

namespace {

std::int16_t Short(std::int32_t value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }

}  // namespace

PrintableTextTW::PrintableTextTW(PrintingEnvironment* environment, ShortRect& rect, const char* text,
                                 const win::LOGFONTA& font)
    : TextWrap(*environment->GetGraph(), rect, "", font), environment_(environment) {
    SetHyphenatesCuts(true);
    Layout(*environment->GetGraph(), text);
}

void PrintableTextTW::Layout(TGraphEnv& /*env*/, const char* text) {
    PrintRecord* record = PrintRecord::OfApplication();
    if (record && !record->HasPrinterDC()) record->CreatePrinterDC();
    if (!record || !record->GetPrinterDC()) {
        FreeLayout();
        return;
    }
    PrintGraph printer;
    const PrintGraphAttacher attached(printer, record->GetPrinterDC());
    const GraphUser use(printer);
    TextWrap::Layout(printer, text);
}

PrintableText::PrintableText(PrintingEnvironment* environment, const char* text, const win::LOGFONTA& font)
    : MPrintingEnvironmentAware(environment), font_(font) {
    if (text) text_ = text;
}

PrintableText::~PrintableText() = default;

ProgressPtr PrintableText::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                 std::int32_t& placed) {
    size.x = Width(area);
    PrintingEnvironment& environment = *GetEnvironment();
    TGraphEnv& graph = *environment.GetGraph();
    if (!wrap_) {
        ShortRect layout = ShortRect::MakeLTRB(0, 0, Short(Width(area)), Short(Height(area)));
        wrap_ = std::make_unique<PrintableTextTW>(&environment, layout, text_ ? text_->c_str() : "", font_);
        text_.reset();
    }
    if (wrap_->IsTooNarrow()) {
        environment.SetStatus(kPrintTooNarrow);
        placed = 1;
        size.y = 0;
        return nullptr;
    }

    const auto record = TakeProgress<PrintableTextProgress>(std::move(progress));
    const std::uint32_t firstLine = record ? record->GetLine() : 0;
    const std::uint32_t count = wrap_->GetLineCount();
    std::uint32_t line = firstLine;
    std::int32_t y = area.top;
    bool pageBreak = false;
    if (line < count) {
        const GraphUser use(graph);
        do {
            const std::int32_t height = wrap_->GetLineHeight(line);
            if (y + height > area.bottom) break;
            wrap_->DrawLine(
                graph, ShortRect::MakeLTRB(Short(area.left), Short(y), Short(area.right), Short(y + height)),
                line, alignment_, line == firstLine);
            pageBreak = wrap_->HasPageBreakAfter(line);
            y += height;
            ++line;
        } while (line < count && !pageBreak);
    }
    size.y = pageBreak ? Height(area) : y - area.top;
    placed = (line == firstLine && line < count) ? 0 : 1;
    if (line < count) return std::make_unique<PrintableTextProgress>(line);
    return nullptr;
}
