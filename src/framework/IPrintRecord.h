#pragma once
// The application's print settings as the window framework asks for them: whether the printer's
// device context exists, and making it. The printing classes implement it; the application holds
// the one record (TAppl::SetPrintRecord).

#include "foundation/Types.h"

class IPrintRecord {
public:
    virtual ~IPrintRecord() = default;
    virtual bool HasPrinterDC() const = 0;
    // 0, or a printing error code when there is no printer.
    virtual ErrCode CreatePrinterDC() = 0;
};
