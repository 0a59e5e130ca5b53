#include "app/run_directory.h"

#include "text/gbk.h"

Text RunDirectoryFromModulePath(const Text& modulePath) {
    size_t lastBackslash = FindLastChar(modulePath, '\\');
    if (lastBackslash == kNotFound) return Text();
    return modulePath.Left(lastBackslash);
}
