// The info command.
#include "cli/Commands.h"

#include <cstdio>

namespace ampora {

int RunInfo(const QStringList&)
{
    std::fputs("ampora-cli: info is not built yet\n", stderr);
    return 2;
}

} // namespace ampora
