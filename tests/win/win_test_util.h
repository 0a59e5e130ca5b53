// Small helpers of the Windows-side tests.
#pragma once
#include <string>

#include "../common/files_win.h"
#include "text/text.h"

inline std::string Bytes(const Text& text) { return std::string(text.c_str(), text.size()); }
inline Text T(const std::string& bytes) { return Text(bytes.data(), bytes.size()); }
