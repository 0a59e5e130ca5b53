#pragma once
#include "text/gbk.h"

// The executable's folder without a trailing backslash: the path cut before its
// last backslash (a real one, not the second byte of a two-byte character of the
// ANSI code page, which `isLead` tells). "C:\x.exe" gives "C:"; "\\srv\share\x.exe"
// gives "\\srv\share".
Text RunDirectoryFromModulePath(const Text& modulePath, LeadByteTest isLead = IsGbkLeadByte);
