// The plot command.
#include "cli/Commands.h"

#include <cstdio>

namespace ampora {

int RunPlot(const QStringList&)
{
    std::fputs("ampora-cli: plot is not built yet\n", stderr);
    return 2;
}

} // namespace ampora
