#pragma once

#include <sys/resource.h>

// Writes past this many bytes fail with EFBIG, as on a full disk, until the guard ends.
class TPelnyDysk {
    rlimit dawny{};

public:
    explicit TPelnyDysk(rlim_t bajty) {
        getrlimit(RLIMIT_FSIZE, &dawny);
        const rlimit nowy{bajty, dawny.rlim_max};
        setrlimit(RLIMIT_FSIZE, &nowy);
    }
    ~TPelnyDysk() { setrlimit(RLIMIT_FSIZE, &dawny); }
    TPelnyDysk(const TPelnyDysk&) = delete;
    TPelnyDysk& operator=(const TPelnyDysk&) = delete;
};
