// SPDX-License-Identifier: GPL-3.0-or-later
// A disk that takes the bytes, then refuses to sync or close them (a quota,
// EIO), for a program run with LD_PRELOAD.
#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

extern "C" int fsync(int fd)
{
    (void)fd;
    errno = EIO;
    return -1;
}

extern "C" int close(int fd)
{
    static const auto vrai = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "close"));
    vrai(fd);
    errno = EIO;
    return -1;
}
