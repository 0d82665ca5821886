// SPDX-License-Identifier: MIT
#include "ThreadCount.h"

#ifdef _WIN32
// <windows.h> before <tlhelp32.h>, which needs its types.
#include <windows.h>

#include <tlhelp32.h>
#else
#include <dirent.h>
#endif

namespace vindel::testing {

#ifdef _WIN32
int ThreadCount() {
    int count = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return count;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}
#else
int ThreadCount() {
    int count = 0;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks)) {
            if (entry->d_name[0] != '.')
                ++count;
        }
        closedir(tasks);
    }
    return count;
}
#endif

}  // namespace vindel::testing
