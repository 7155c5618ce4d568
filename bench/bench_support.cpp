#include "bench/bench_support.h"

#include "platform/cp932_codec.h"

#include <windows.h>

#include <algorithm>

namespace tarvok::bench {

double nowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double percentile95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, v.size() * 95 / 100)];
}

std::string fullSettings(const std::string& path) {
    return fullSettings([&](const std::string&) { return path; });
}

std::string fullSettings(const std::function<std::string(const std::string&)>& pathOf) {
    std::string pg = "[PG_KIND]\r\n", ap = "[AP_NM]\r\n", link = "[LINK_PATH]\r\n";
    for (int page = 1; page <= 5; ++page) {
        for (int n = 2; n <= 11; ++n) {
            const std::string key = std::to_string(page) + "F" + std::to_string(n);
            pg += key + "=1\r\n";
            ap += key + "=" + systemCodec().encode("メモ帳 " + key).value() + "\r\n";
            link += key + "=" + pathOf(key) + "\r\n";
        }
    }
    return pg + ap + link +
           "[PAGE_NM]\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n[SEND_ADD]\r\n0=0\r\n[Form]\r\nLEFT="
           "24\r\nTOP=24\r\n";
}

} // namespace tarvok::bench
