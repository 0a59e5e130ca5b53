#pragma once
#include "text/text.h"

// The executable's folder without a trailing backslash: the path cut before its
// last backslash (a real one, not the second byte of a GBK character).
// "C:\x.exe" gives "C:"; "\\srv\share\x.exe" gives "\\srv\share".
Text RunDirectoryFromModulePath(const Text& modulePath);
