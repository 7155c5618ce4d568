#pragma once
#include <cstdio>
#include <windows.h>
inline void ttrace(const char* what) {
    static FILE* f = [] {
        wchar_t p[260];
        return GetEnvironmentVariableW(L"TARVOK_TRACE", p, 260) ? _wfopen(p, L"a") : nullptr;
    }();
    if (!f)
        return;
    FILETIME c, e, k, u, now;
    GetProcessTimes(GetCurrentProcess(), &c, &e, &k, &u);
    GetSystemTimePreciseAsFileTime(&now);
    auto v = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    std::fprintf(f, "%8.2f %s\n", (v(now) - v(c)) / 10000.0, what);
    std::fflush(f);
}
