#pragma once
// A document that can be printed, previewed and set up for printing. Print runs the print dialog and
// then prints copy after copy (collated by the program), each laying the document out again from
// its first page: pages before the chosen range are laid out with the measuring graph, so that the
// document knows where each page starts, but are not sent. Subclasses lay the pages out
// (BeginRun, PreparePage, EndRun).

#include <cstdint>
#include <memory>

#include "foundation/Types.h"

class GarbageGraph;
class Printing;
class PrintRecord;
class TGraphEnv;

class TPrintable {
public:
    // The state bits.
    static constexpr std::uint16_t kMeasuring = 1;
    static constexpr std::uint16_t kJobRunning = 2;
    static constexpr std::uint16_t kPageOpen = 4;

    TPrintable();
    virtual ~TPrintable();
    TPrintable(const TPrintable&) = delete;
    TPrintable& operator=(const TPrintable&) = delete;

    // Prints (after the print dialog when asked); 0 or the error, which is shown here when
    // ShowsErrors. A cancel is -12 and silent. Repaginating lays every page out and sends nothing.
    virtual ErrCode Print(std::int16_t showDialog, std::int16_t repaginate);
    // The print setup dialog of the application's print record.
    virtual ErrCode PageSetup();
    // Shows the pages in the print preview until the user closes it: 0, or the error that kept the
    // preview from opening (-11 without a printer).
    virtual ErrCode Preview();
    virtual void ResetState() { state_ = 0; }
    virtual ErrCode BeginRun(TGraphEnv* graph, std::int16_t preview) = 0;
    virtual ErrCode EndRun() = 0;
    // Lays page `page` out with the graph; last := 1 when the document ends on it.
    virtual ErrCode PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) = 0;
    virtual bool ShowsErrors() const { return true; }
    virtual ErrCode BeginPageStep(std::int16_t page, std::int16_t copy, TGraphEnv*& graph);
    virtual ErrCode EndPageStep();

    // The same as ResetState, under the name the report windows use.
    void ResetPages() { ResetState(); }
    std::uint16_t GetState() const { return state_; }

protected:
    PrintRecord* GetPrintRecord() const { return printRecord_; }

private:
    void CloseMeasuringGraph();

    std::unique_ptr<Printing> job_;
    std::unique_ptr<GarbageGraph> measuringGraph_;
    PrintRecord* printRecord_ = nullptr;
    std::uint16_t state_ = 0;
    std::int16_t firstPage_ = 0;
};
