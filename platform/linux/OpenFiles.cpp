#include "platform/OpenFiles.h"

#include <QFileDevice>

#include <sys/stat.h>

namespace ampora {

bool FileStillNamed(const QFileDevice& file)
{
    struct stat info {};
    const int fd = file.handle();
    return fd < 0 || ::fstat(fd, &info) != 0 || info.st_nlink > 0;
}

} // namespace ampora
