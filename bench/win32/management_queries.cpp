// The management queries that `veltra-cli identify` makes on a board the BIOS driver
// identifies (the card's processor, driver version and adapter name), alone: the part of
// the identification's time that the I/O driver does not account for.
#include <cstdio>

#include "platform/win32/win32_wmi.h"
#include "sysinfo/wmi_query.h"

int wmain() {
    veltra::Win32Wmi wmi;
    veltra::CWmiQuery query(wmi);
    const std::size_t answered =
        query.GetVideoProcessor().size() + query.GetVideoDriverVersion().size() + query.GetVideoName().size();
    std::printf("%zu\n", answered);
    return 0;
}
