#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarvok::bench {

double nowMs();
double median(std::vector<double> v);
double percentile95(std::vector<double> v);
// Fifty program slots, every caption "メモ帳 <slot key>", so every page shows ten icons; page
// names "a" to "e". The slots open `path`, or the path `pathOf` gives for each slot key.
std::string fullSettings(const std::string& path);
std::string fullSettings(const std::function<std::string(const std::string&)>& pathOf);

// Process start to the launcher's window shown with every caption and key label painted,
// against the floor of the same window and a bare window, alternating in one run; with
// `before`, an earlier build of the launcher is timed in the same rounds.
void startUp(const std::string& folder, const std::string& before = {});

} // namespace tarvok::bench
