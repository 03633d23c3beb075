#include "QuietEnvironment.h"

#include <cstdio>

void QuietEnvironment::showError(const QString& message)
{
    std::fprintf(stderr, "error: %s\n", qPrintable(message));
}
