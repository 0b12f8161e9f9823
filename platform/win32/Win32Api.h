#pragma once
// The Windows headers as every Windows back end includes them: without the min and max
// macros, which would break std::min and std::max, and without the rarely used APIs.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
