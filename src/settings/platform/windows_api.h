#pragma once

// The Windows API, for the files that call it (Windows builds only). Without
// the min and max macros, which would break std::min and std::max, and without
// the rarely used parts (sockets, the shell, OLE): a file that needs one of
// those includes its header itself, after this one.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
