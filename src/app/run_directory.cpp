#include "app/run_directory.h"

Text RunDirectoryFromModulePath(const Text& modulePath, LeadByteTest isLead) {
    size_t lastBackslash = FindLastChar(modulePath, '\\', isLead);
    if (lastBackslash == kNotFound) return Text();
    return modulePath.Left(lastBackslash);
}
