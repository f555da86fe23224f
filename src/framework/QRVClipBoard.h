#pragma once
// The clipboard in one format chosen when the wrapper is made: the application makes one for its own
// format and asks it whether there is something to paste. The clipboard is open only inside one
// call.

#include <cstdint>

#include "foundation/Memory.h"
#include "foundation/String.h"
#include "foundation/TObject.h"

class QRVBitmap;

class QRVClipBoard : public TObject {
    TOBJECT_CLASS(QRVClipBoard, TObject, 116)

public:
    explicit QRVClipBoard(std::uint32_t format) : format_(format) {}
    ~QRVClipBoard() override;  // closes the clipboard should it still be open

    bool HasData() const { return IsFormatAvailable(format_); }
    bool IsFormatAvailable(std::uint32_t format) const;
    // Bytes of the clipboard's data of that format; 0 when there is none.
    std::uint32_t DataSize(std::uint32_t format);
    // A copy of the data of that format (which becomes the wrapper's format); null when there is
    // none or the clipboard cannot be opened.
    MemBlockPtr GetData(std::uint32_t format);
    // The data of that format as text, as long as the data is.
    void GetString(String& text, std::uint32_t format);
    // The image of that format (which becomes the wrapper's format), and its palette when the
    // clipboard holds one; the bitmap stays as it was when there is no image.
    void GetBitmap(QRVBitmap& bitmap, std::uint32_t format);
    void Empty();
    // Replaces what the clipboard holds by the bytes in the wrapper's format; 0, or -1 when the
    // clipboard cannot be opened or the data cannot be placed (the clipboard then keeps what it had).
    ErrCode PutData(const void* data, std::uint32_t size);
    // Replaces what the clipboard holds by a copy of the image (and of its palette, when it has one);
    // 0, or -1 as PutData.
    ErrCode PutBitmap(const QRVBitmap& bitmap);

    std::uint32_t GetFormat() const { return format_; }

private:
    bool Open();
    void Close();

    std::uint32_t format_;
    bool open_ = false;
};
