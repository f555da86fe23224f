#pragma once
// The report generator view: the view in which reports are composed, shown and handed to
// printing. Its owner (the Reports window, or the printing of one report without a window) begins
// a report, has the section builders append each report's styled text (ReportComposer), and
// flushes each report's part of the text into a page of the printable report; the whole text is
// then laid out for the screen, with the form feeds between reports drawn as rules.
//
// The view reads its story from the document of the window it is put in. The report font is font
// 5 at size 10 unless the report options hold one under "Rep"; the story's main information record
// holds the margins ("RepLtMar", "RepTopMar", "RepRtMar", "RepBotMar", 72 points each when
// missing) and the number of columns ("NumCols", 1 to 3) of the printed report.

#include <cstdint>
#include <memory>

#include "items/TView.h"
#include "items/printing/Printable.h"
#include "platform/gdi/GdiTypes.h"
#include "reports/ReportComposer.h"

class FablecoreReport;
class FKDoc;
class IOutlineWindow;
class PrintableVertList;
class PrintingEnvironment;
class TextWrap;

class OutlineView : public TView, public ReportComposer {
    TOBJECT_CLASS(OutlineView, TView, 1525)

public:
    // The text is drawn this far in from the content's left edge, and laid out this much narrower
    // than the view.
    static constexpr std::int16_t kTextLeft = 5;
    static constexpr std::int16_t kLayoutNarrowing = 30;
    static constexpr std::int16_t kDefaultMargin = 72;
    static constexpr std::int16_t kMostColumns = 3;
    // The print commands.
    static constexpr std::int32_t kPrint = 1011;
    static constexpr std::int32_t kPrintPreview = 1012;

    // The owner, then the view's own arguments; the story is the document of the list's window.
    OutlineView(IOutlineWindow* owner, ItemList* list, std::uint16_t viewFlags, const ShortRect* bounds,
                std::uint16_t itemFlags, const RGBColor& color);
    ~OutlineView() override;

    // --- TItem and TView
    // Follows the window's size below and to the right of its own top left corner, and lays the
    // text out again (showing blank lines).
    void WindowResized() override;
    // The laid-out lines; 0 before the first layout.
    std::int32_t VertUnitCount() const override;
    void DrawContent(ViewDrawContext* context) override;
    RGBColor GetContentColor() const override { return GetStandardColor(1); }

    // --- building
    // Starts a new printable report (the text stays) and forgets the terms collected.
    void BeginReport();
    // Appends the printable to the list that becomes the next page, and the text, its macros
    // expanded at once, to the output; either may be null.
    void AddPrintable(PrintablePtr printable, const char* text) override;
    // The environment of the report begun last (none before the first), and the report font.
    PrintingEnvironment* GetPrintingEnvironment() override { return printing_.get(); }
    win::LOGFONTA GetPrintableFont() const override { return font_; }
    // Makes a page of the printable report: of the pending printables when there are any, else of
    // the text between the marks (to -1: the end), expanded, decoded and (with collapse) without
    // blank lines beyond one. A text that expands to nothing makes no page.
    void FlushReportPage(bool collapse, std::int32_t from, std::int32_t to);
    // Lays the whole text out for the screen.
    void Relayout(bool collapse);
    void ScrollToTop();
    void SetFont(const win::LOGFONTA& font);
    const win::LOGFONTA& GetReportFont() const { return font_; }

    // --- the story's report settings
    // Each 72 when missing; margins that would leave the page no body are 72 each.
    void GetReportMargins(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                          std::int16_t& bottom) const;
    // "NumCols", held to 1-3.
    std::int16_t GetColumnCount() const;

    // --- printing
    bool CanPrint() const { return report_ != nullptr; }
    // The print setup dialog: 0, or the error for the window to show.
    ErrCode PageSetup();
    // Print (1011) or Print Preview (1012) of the printable report; 0 for any other command and for
    // a report without pages.
    std::int16_t PrintOrPreview(std::int32_t command);

    FKDoc* GetDocument() const { return document_; }
    FablecoreReport* GetReport() const { return report_.get(); }
    const TextWrap* GetLayout() const { return layout_.get(); }
    // Where the text is laid out: from the view's left edge to 30 pixels short of its right.
    ShortRect LayoutRect() const;

private:
    // Runs the function with the environment the text is measured in: the view's own while it is on
    // a window, else one that measures as the screen does.
    template <typename Use>
    void WithLayoutEnvironment(Use use);
    // Sets the story's margins on the report before a run.
    void PassMargins();

    FKDoc* document_;
    std::unique_ptr<PrintingEnvironment> printing_;
    std::unique_ptr<FablecoreReport> report_;
    std::unique_ptr<PrintableVertList> pending_;
    std::unique_ptr<TextWrap> layout_;
    win::LOGFONTA font_;
};
