// Arbitrary bytes as a .prf file: loading must never crash, never reach
// outside a table and keep every list's items and children in step.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "profile/ProfileFile.h"

using talvane68::ProfileData;
using talvane68::ScrollList;

static void check(const ScrollList& list) {
    if (list.items().size() != list.children().size() || list.items().size() > 65536) {
        __builtin_trap();
    }
    for (const ScrollList& child : list.children()) {
        check(child);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int fd = memfd_create("profile", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        return 0;
    }
    ProfileData profile;
    talvane68::loadProfileData(profile, "/proc/self/fd/" + std::to_string(fd));
    check(profile.predefinedMacros);
    check(profile.predefinedCombos);
    check(profile.predefinedEmus);
    for (const ScrollList& list : profile.keyList) {
        check(list);
    }
    return 0;
}
