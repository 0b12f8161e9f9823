#pragma once
// Writing bytes to a file device until all are written or the system says why not.
#include <QFileDevice>

namespace ampora {

// Writes all `size` bytes, going on after a short write so that a failure half-way (a disk that
// fills) ends in an error with its reason in file.errorString(). False when not all were written.
inline bool WriteWhole(QFileDevice& file, const char* data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const qint64 written = file.write(data + done, size - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace ampora
