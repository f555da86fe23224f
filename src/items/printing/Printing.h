#pragma once
// One print job on the printer's context: the document, its pages, and cancelling. The job's state
// is one record for the whole program, shared by every Printing alive at once, so that printables
// printed inside a PrintingGroup share one document, one context, one printer graph and one
// progress dialog. The progress dialog exists from the first BeginJob to the end of the last
// Printing; while it does, the frame window is disabled and the dialog's Cancel button is kept
// responsive by the abort procedure, which the printer calls as it prints.

#include <cstdint>
#include <string>

#include "foundation/Types.h"
#include "platform/gdi/GdiTypes.h"

class PrintAbortDlog;
class PrintGraph;
class PrintRecord;
class TGraphEnv;

class IPrintAbortClient {
public:
    virtual ~IPrintAbortClient() = default;
    virtual void Abort() = 0;
    virtual win::HDC GetPrinterDC() = 0;
};

class Printing : public IPrintAbortClient {
public:
    static constexpr std::int16_t kClassId = 111;

    explicit Printing(bool repaginate);
    // The last one ends the job and deletes the progress dialog and the printer graph.
    ~Printing() override;
    Printing(const Printing&) = delete;
    Printing& operator=(const Printing&) = delete;

    // Drops the started document (once); the job counts as cancelled.
    void Abort() override;
    win::HDC GetPrinterDC() override;
    std::int16_t GetClassId() const { return kClassId; }
    bool IsKindOf(std::int16_t classId) const { return classId == kClassId; }

    // Takes the record's context, opens the progress dialog and starts the document.
    ErrCode BeginJob(PrintRecord& record);
    // Opens a page; graph is the printer graph, or null on failure.
    ErrCode BeginPage(std::int16_t page, std::int16_t copy, TGraphEnv*& graph);
    // Shows the page (0-based) and copy in the progress dialog; -12 when cancelled.
    ErrCode UpdatePageStatus(std::int16_t page, std::int16_t copy);
    // Closes the page, putting the mapping and font back that the context may lose.
    ErrCode EndPage();
    ErrCode EndDocument();
    // Forgets the context, the record and every state of the job.
    void EndJob();

    // The document's name as the job shows it.
    const std::string& GetDocName() const { return docName_; }

    // The job's state bits.
    static constexpr std::uint16_t kCancelled = 4;
    static constexpr std::uint16_t kDocumentStarted = 8;
    static constexpr std::uint16_t kPageOpen = 16;
    static std::uint16_t GetJobState();
    // The graph that draws on the printer, once a job has begun.
    static TGraphEnv* GetPrinterGraph();
    // The job's progress dialog, while it exists.
    static PrintAbortDlog* GetProgressDialog();
    // The abort procedure's state: the cancel flag set by the progress dialog, and its registration.
    static void SetCancelFlag(bool cancelled);
    static bool IsCancelFlagSet();
    static void RegisterAbortDialog(PrintAbortDlog* dialog, IPrintAbortClient* client);

protected:
    // A PrintingGroup marks the job as a group while it lives.
    static void SetGroup(bool group);

private:
    ErrCode FailJob(ErrCode code);

    std::string docName_;
    std::uint16_t repaginate_;
};

// Several printables printed inside its life share one job.
class PrintingGroup : public Printing {
public:
    PrintingGroup() : Printing(false) { SetGroup(true); }
    // Ends the document its printables shared, unless cancelled.
    ~PrintingGroup() override;
};

// The abort procedure: takes the messages waiting (the progress dialog's first) while the job is not
// cancelled; answers whether it may go on.
win::BOOL PrintAbortProc(win::HDC dc, int error);
