#pragma once
// Questions about a file the program holds open.
class QFileDevice;

namespace ampora {

// False once the open file has lost its name: deleted, or its folder removed, while open.
// Whatever is written to it then is gone when it is closed. True for a file that is not open.
// Windows does not delete a file that is open without delete sharing (as Qt opens files), so
// there it is always true.
bool FileStillNamed(const QFileDevice& file);

} // namespace ampora
