#pragma once
// Files dropped onto windows. A window that accepts files (DragAcceptFiles) gets WM_DROPFILES with a
// drop handle; the receiver reads the names with DragQueryFileA and releases the handle with
// DragFinish. Names are Windows-1252 texts, in the order the OS listed them.

#include "platform/sys/WinTypes.h"

namespace win {

void DragAcceptFiles(HWND window, BOOL accept);
// With index 0xFFFFFFFF: the number of files. With a null buffer: the length of the name. Otherwise
// copies at most size - 1 characters and a terminating zero, answering the number copied.
UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size);
// Where the files were dropped, in the client coordinates of the receiving window; answers whether
// that point is in its client area.
BOOL DragQueryPoint(HDROP drop, POINT* point);
void DragFinish(HDROP drop);

}  // namespace win
