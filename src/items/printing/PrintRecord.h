#pragma once
// The application's print settings: the printer's device context, the page margins, the document
// name, the page range and the state of the print dialogs. One record belongs to the application
// (TAppl::GetPrintRecord) and is shared by every print job, preview and text laid out for paper.
//
// The record maps the printer's context so that one logical unit is one point (1/72 inch) and
// logical (0, 0) is the top-left corner inside the margins, clipped to the part of the paper the
// printer prints. Margins are in points from the paper's edge; 0 means no margin beyond the
// printer's unprintable border. Every operation answers 0 or a printing error code
// (PrintErrors.h).

#include <cstdint>
#include <string>

#include "framework/IPrintRecord.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/PrintDialog.h"

class PrintRecord : public IPrintRecord {
public:
    PrintRecord() = default;
    // Deletes the device context.
    ~PrintRecord() override;
    PrintRecord(const PrintRecord&) = delete;
    PrintRecord& operator=(const PrintRecord&) = delete;

    // The application's record, or null while there is no application or it has none.
    static PrintRecord* OfApplication();

    bool HasPrinterDC() const override { return hasPrinterDC_ != 0; }
    win::HDC GetPrinterDC() const { return printerDC_; }
    // The default printer's context in place of the old one, mapped, with all pages: 0, or -4
    // when there is no default printer.
    ErrCode CreatePrinterDC() override;
    // The print dialog: printer, page range and copies. On OK its context replaces the old one and
    // the range and copy count are taken; on cancel or failure the record stays as it was.
    ErrCode PrintDialog();
    // The print setup dialog: printer, paper and orientation; on OK its context replaces the old
    // one, with all pages.
    ErrCode SetupDialog();
    // The context becomes the record's (deleting the old one), mapped for the margins.
    void ReplacePrinterDC(win::HDC dc);

    void GetMargins(std::uint16_t& left, std::uint16_t& top, std::uint16_t& right,
                    std::uint16_t& bottom) const;
    // Maps the context again for the new margins.
    void SetMargins(std::uint16_t left, std::uint16_t top, std::uint16_t right, std::uint16_t bottom);
    // At most size - 1 characters and a NUL.
    void GetDocName(char* buffer, std::size_t size) const;
    const std::string& GetDocName() const { return docName_; }
    void SetDocName(const char* name) { docName_ = name ? name : ""; }
    // 0-based; last -1 means up to the end.
    void GetPageRange(std::int16_t& first, std::int16_t& last) const;
    // A last page above 999 is kept as -1.
    void SetPageRange(std::int16_t first, std::int16_t last);

    // The device's metrics in points (-1 without a context or when below 1).
    ErrCode GetPaperSize(std::int16_t& width, std::int16_t& height) const;
    ErrCode GetPrintableSize(std::int16_t& width, std::int16_t& height) const;
    ErrCode GetUnprintableMargins(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                  std::int16_t& bottom) const;
    // The paper less, on each side, the larger of the margin and the unprintable border.
    ErrCode GetPageArea(std::int16_t& width, std::int16_t& height) const;
    // (0, 0) to the page area's size: where pages lay out, in the mapped units.
    ErrCode GetPageRect(ShortRect& rect) const;

    // Maps the context (the record's own, with its margins, when none is given).
    ErrCode SetPageMapping(win::HDC dc, std::uint16_t left, std::uint16_t top, std::uint16_t right,
                           std::uint16_t bottom) const;
    ErrCode ApplyPageMapping() const;

    // The range chosen in a print dialog, 0-based: all pages give (minimum - 1, -1).
    static void ReadPageRange(const win::PRINTDLGA& dialog, std::int16_t& first, std::int16_t& last);

private:
    // Runs the dialog with the flags, retrying once when the default printer changed meanwhile.
    ErrCode RunDialog(win::DWORD flags);

    std::uint16_t hasPrinterDC_ = 0;
    std::uint16_t leftMargin_ = 0;
    std::uint16_t topMargin_ = 0;
    std::uint16_t rightMargin_ = 0;
    std::uint16_t bottomMargin_ = 0;
    std::string docName_;
    win::HDC printerDC_ = nullptr;
    win::PRINTDLGA dialog_{};
    std::int16_t firstPage_ = 0;
    std::int16_t lastPage_ = -1;
};

// The number of copies chosen in the last print dialog, which the print loop prints.
std::int32_t GetPrintCopies();
void SetPrintCopies(std::int32_t copies);
