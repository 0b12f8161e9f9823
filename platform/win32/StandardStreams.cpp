#include "platform/StandardStreams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace ampora {

void UseBinaryStandardStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace ampora
