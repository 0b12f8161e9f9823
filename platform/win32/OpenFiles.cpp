#include "platform/OpenFiles.h"

namespace ampora {

bool FileStillNamed(const QFileDevice&)
{
    return true; // an open file cannot be deleted here (see the header)
}

} // namespace ampora
