// Texts cross into UTF-16 only at the COM boundary, with the ANSI code page.
#pragma once
#include <windows.h>

#include "text/text.h"
#include "win/unique.h"

UniqueBstr ToBstr(const Text& text);  // never null, also for the empty Text
Text FromWide(const wchar_t* wide);   // null gives the empty Text
// A lead byte of the system's ANSI code page (the path's, whatever our texts' is).
bool IsAnsiLeadByte(char c);
// The system's words for an error code, without the closing line break; may be empty.
Text SystemMessage(DWORD code);
