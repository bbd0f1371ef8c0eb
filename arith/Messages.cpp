#include "Messages.h"

#include <cstdio>

namespace {

void WriteToStderr(const std::string& text) { std::fprintf(stderr, "warning: %s\n", text.c_str()); }

WarningHandler currentHandler = &WriteToStderr;

} // namespace

WarningHandler SetWarningHandler(WarningHandler handler) {
    WarningHandler previous = currentHandler;
    currentHandler = handler ? handler : &WriteToStderr;
    return previous;
}

void ShowWarning(const std::string& text) { currentHandler(text); }
