// The export command.
#include "cli/Commands.h"

#include <cstdio>

namespace ampora {

int RunExport(const QStringList&)
{
    std::fputs("ampora-cli: export is not built yet\n", stderr);
    return 2;
}

} // namespace ampora
