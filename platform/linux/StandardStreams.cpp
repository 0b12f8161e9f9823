#include "platform/StandardStreams.h"

namespace ampora {

void UseBinaryStandardStreams()
{
    // POSIX streams never change the bytes.
}

} // namespace ampora
