// The record command: not built yet.
#include "cli/Commands.h"

#include <cstdio>

namespace ampora {

int RunRecord(const QStringList&)
{
    std::fputs("ampora-cli: record is not built yet\n", stderr);
    return 2;
}

} // namespace ampora
