#pragma once
// What the print preview tests share: a running application (headless, 800 x 600) whose print
// record prints to the PDF file printer, reports of chapters that note their run, and the preview
// dialog that is open while the steps of a test play.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/ObjectFactory.h"
#include "framework/ApplicationFixture.h"
#include "framework/IdleSteps.h"
#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemClasses.h"
#include "items/printing/OpenPreview.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewDlog.h"
#include "items/printing/PrintViewer.h"
#include "items/printing/PrintableBanner.h"
#include "items/printing/PrintablePage.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/TPrintableReport.h"
#include "platform/gdi/Printers.h"
#include "platform/ui/Dialogs.h"

namespace previewtest {

using namespace win;

// A paragraph that wraps to several lines; n varies its length, so lines and pages break at
// different words. It is in capitals without descenders, so that its lines of ink stand apart.
inline std::string Paragraph(int n) {
    std::string text = "CHAPTER " + std::to_string(n) +
                       ". THE LETTER ON THE TABLE CHANGES EVERYTHING: SOMEONE THE FAMILY THOUGHT LONG GONE "
                       "HAS WRITTEN AND WANTS TO COME HOME.";
    for (int i = 0; i < n % 4; ++i) text += " EACH OF THEM MUST DECIDE WHAT THAT RETURN WOULD COST AND MEND.";
    return text + "\r";
}

// A report under the header "Story Notes" ... "Page N": with pageEach, one short chapter a page (a
// form feed after each); else paragraphs that flow from page to page. It notes its run and the
// pages it lays out, and fails with -39 on the page given.
class ChapterReport : public TPrintableReport {
public:
    ChapterReport(PrintingEnvironment* environment, int chapters, bool pageEach = true)
        : TPrintableReport(environment) {
        LOGFONTA font;
        MakeLogFont(font, 2, 12, 0);
        auto body = std::make_unique<PrintableVertList>();
        for (int n = 1; n <= chapters; ++n) {
            const std::string text =
                pageEach ? "Chapter " + std::to_string(n) + "\rThe story turns.\f" : Paragraph(n);
            body->Add(std::make_unique<PrintableText>(environment, text.c_str(), font));
        }
        AddPrintable(std::make_unique<PrintablePage>(
            environment, std::make_unique<PrintableBanner>(environment, "Story Notes^<Page ^P^>", font),
            nullptr, std::move(body)));
    }

    ErrCode BeginRun(TGraphEnv* graph, std::int16_t preview) override {
        ++runsBegun;
        previewRun = preview;
        return TPrintableReport::BeginRun(graph, preview);
    }
    ErrCode EndRun() override {
        ++runsEnded;
        return TPrintableReport::EndRun();
    }
    ErrCode PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) override {
        prepared.push_back(page);
        if (page == failOn) return kPrintTooNarrow;
        return TPrintableReport::PreparePage(graph, page, last);
    }

    int runsBegun = 0;
    int runsEnded = 0;
    std::int16_t previewRun = -1;
    std::vector<std::int16_t> prepared;
    std::int16_t failOn = -1;
};

class PreviewTest : public apptest::ApplicationTest {
protected:
    PrintRecord record;
    PrintingEnvironment printing{nullptr};

    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        ApplicationTest::SetUp();
        application->SetPrintRecord(&record);
        record.SetDocName("Story Notes");
        // The reports' margins, set before the preview as the report windows do.
        record.SetMargins(72, 72, 72, 72);
    }
    void TearDown() override {
        application->SetPrintRecord(nullptr);
        ApplicationTest::TearDown();
    }

    // The print preview open now, or null.
    PrintViewDlog* OpenPreview() { return printtest::FindOpenPreview(environment); }
    // Runs the preview of the printable with the steps played while it is open; the dialog is
    // dialog while it lives. Answers Preview's result.
    ErrCode Preview(TPrintable& printable, const std::vector<std::function<void(PrintViewDlog&)>>& steps) {
        apptest::IdleSteps idle(presenter);
        for (const auto& step : steps) {
            idle.Then([this, step] {
                PrintViewDlog* dialog = OpenPreview();
                ASSERT_NE(dialog, nullptr) << "the preview is not open";
                step(*dialog);
            });
        }
        return printable.Preview();
    }
    // The counting timer's next tick.
    void Tick() { presenter.Advance(PrintViewDlog::kTimerPeriod); }
    void ClickItem(const PrintViewDlog& dialog, std::int32_t index) {
        RECT bounds;
        GetWindowRect(dialog.GetItem(index)->GetHWnd(), &bounds);
        presenter.Click(POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
    }
    static std::string ItemText(const PrintViewDlog& dialog, std::int32_t index) {
        char text[128] = "";
        if (auto* item = dynamic_cast<ITextItem*>(dialog.GetItem(index))) item->CopyText(text, sizeof text);
        return text;
    }
    static bool Enabled(const PrintViewDlog& dialog, std::int32_t index) {
        return dialog.GetItem(index)->IsEnabled();
    }
    bool AlertShown() const {
        for (const PromptRequest& prompt : presenter.PromptsAsked())
            if (prompt.kind == "MessageBox") return true;
        return false;
    }
};

}  // namespace previewtest
