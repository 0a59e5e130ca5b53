#pragma once
#include "text/text.h"

// The executable's full path, however long: the buffer grows until the path fits.
Text ModuleFilePath(size_t initialSize = 260);
