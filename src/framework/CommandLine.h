#pragma once
// File names that reach the running program: on its command line, from a later start of the
// program, and dropped on the frame window.
//
// A command line is blank-separated pieces: "/p" (any case) asks for printing; "/D" (any case)
// makes the next piece the folder for the names that are not full paths; any other piece is a file
// name, and a name in double quotes may hold blanks. Names keep their case.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/WinTypes.h"

class TAppl;

// Cuts a command line into its pieces. A piece that opens with a double quote goes on to the next
// double quote (the quotes are dropped), or to the end of the text when there is none.
std::vector<std::string> SplitCommandLine(const char* text);

// Opens the names among the pieces, relative names in the folder given (or in the one a "/D" sets);
// answers whether the print switch was among them.
bool OpenCommandLinePieces(TAppl& application, const std::vector<std::string>& pieces, std::string folder);

// The frame's timer that looks again, after a pause in typing, for hand-overs to open.
inline constexpr std::uint32_t kHandOverPauseTimerId = 60;

// WM_USER of the frame: a later start's hand-over. The start's folder and arguments come whole in
// lParam (a win::HandOver) when the instance channel delivered them; without them the command line
// kept in the system profile is read. The profile's line is emptied afterwards. Its names are
// opened once the writer has paused in typing (TAppl::OpenHandOvers). With wParam
// win::kHandOverGivenUp it is the hand-over of a start that gave up waiting while a dialog was
// open: nothing is opened, and once the writer has paused a box names the files that were not.
win::LRESULT ReceiveHandOver(TAppl& application, win::HWND frame, win::WPARAM wParam, win::LPARAM lParam);

// Opens each file of a drop, in the order the drop lists them.
void OpenDroppedFiles(TAppl& application, win::HDROP drop);
