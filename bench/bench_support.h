#pragma once

#include <string>
#include <vector>

namespace tarvok::bench {

double nowMs();
double median(std::vector<double> v);
double percentile95(std::vector<double> v);
// Fifty program slots over `path`, every caption "メモ帳 <slot key>", so every page shows ten
// icons; page names "a" to "e".
std::string fullSettings(const std::string& path);

// Process start to the launcher's window shown with every caption and key label painted,
// against the floor of the same window and a bare window, alternating in one run.
void startUp(const std::string& folder);

} // namespace tarvok::bench
