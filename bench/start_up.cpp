// Start-up read back from the screen: a window that merely exists, or is shown blank, does not
// count. The time ends when every slot button shows text in the caption colour and every key
// label in its blue; the icons' own time ends when every slot button shows icon colours.
#include "app/menus.h"
#include "bench/bench_support.h"
#include "platform/controls.h"
#include "platform/glyph.h"
#include "platform/text.h"
#include "tests/windows/support/process.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace tarvok::bench {

namespace {

// The pixels of a part of the screen, as the display shows them now.
class ScreenArea {
  public:
    explicit ScreenArea(const RECT& area)
        : area_(area), width_(area.right - area.left), height_(area.bottom - area.top),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

    void capture() {
        const WindowDc screen(nullptr);
        const MemoryDc memory(screen.get());
        const UniqueBitmap dib = makeDib(screen.get(), width_, height_);
        const Selection selected(memory.get(), dib.get());
        BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), area_.left, area_.top, SRCCOPY);
        GdiFlush();
        DIBSECTION section{};
        GetObjectW(dib.get(), sizeof section, &section);
        std::copy_n(static_cast<const std::uint32_t*>(section.dsBm.bmBits), pixels_.size(),
                    pixels_.begin());
    }

    // How many pixels of a screen rectangle have `colour`, or (with `other`) any colour but
    // the listed ones.
    int count(const RECT& r, COLORREF colour, bool other = false,
              std::vector<COLORREF> excluded = {}) const {
        int n = 0;
        for (LONG y = std::max(r.top, area_.top); y < std::min(r.bottom, area_.bottom); ++y) {
            for (LONG x = std::max(r.left, area_.left); x < std::min(r.right, area_.right); ++x) {
                const std::uint32_t p = pixels_[static_cast<std::size_t>(y - area_.top) *
                                                    static_cast<std::size_t>(width_) +
                                                static_cast<std::size_t>(x - area_.left)];
                const COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                if (other) {
                    n += std::find(excluded.begin(), excluded.end(), c) == excluded.end() ? 1 : 0;
                } else {
                    n += c == colour ? 1 : 0;
                }
            }
        }
        return n;
    }

  private:
    RECT area_;
    int width_, height_;
    std::vector<std::uint32_t> pixels_;
};

struct Painted {
    bool captions = false;
    bool icons = false;
};

// What the launcher's window shows: the slot buttons and key labels found by their ids, so
// the check follows wherever the window lays them out.
Painted painted(HWND window) {
    RECT whole{};
    GetWindowRect(window, &whole);
    ScreenArea screen(whole);
    screen.capture();
    Painted result{true, true};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    for (int n = 2; n <= 11; ++n) {
        RECT slot{}, label{};
        if (!GetWindowRect(GetDlgItem(window, cmd::kSlotButtonBase + n), &slot) ||
            !GetWindowRect(GetDlgItem(window, cmd::kKeyLabelBase + n), &label)) {
            return {};
        }
        result.captions = result.captions && screen.count(slot, text) > 20 &&
                          screen.count(label, RGB(0, 0, 255)) > 20;
        // An icon stands where a caption without one would start: its colours are neither
        // the face nor the text's.
        RECT glyph = slot;
        glyph.right = glyph.left + (glyph.bottom - glyph.top);
        result.icons = result.icons && screen.count(glyph, 0, true, {face, text}) > 100;
    }
    return result;
}

struct StartFigures {
    double captions = 0; // ms from process start
    double icons = 0;
    SIZE_T peakWorkingSet = 0;
};

StartFigures startOnce(const std::string& exe, const std::string& folder, bool hasIcons) {
    StartFigures figures;
    const double t0 = nowMs();
    test::ChildProcess process("\"" + exe + "\"", folder);
    HWND window = nullptr;
    while (nowMs() - t0 < 20000) {
        if (window == nullptr || !IsWindow(window)) {
            window = FindWindowW(L"TF_MAIN", nullptr);
        }
        if (window != nullptr && IsWindowVisible(window)) {
            const Painted now = painted(window);
            if (now.captions && figures.captions == 0) {
                figures.captions = nowMs() - t0;
            }
            if (now.captions && (now.icons || !hasIcons)) {
                figures.icons = nowMs() - t0;
                break;
            }
        }
        Sleep(1);
    }
    Sleep(200);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.handle(), &counters, sizeof counters);
    figures.peakWorkingSet = counters.PeakWorkingSetSize;
    PostMessageW(window, WM_CLOSE, 0, 0);
    process.waitForExit(10000);
    return figures;
}

// A window with nothing in it, shown: the second line.
double bareOnce(const std::string& exe, const std::string& folder, SIZE_T& peak) {
    const double t0 = nowMs();
    test::ChildProcess process("\"" + exe + "\"", folder);
    HWND window = nullptr;
    while (nowMs() - t0 < 20000) {
        window = FindWindowW(L"TarvokBareWindow", nullptr);
        if (window != nullptr && IsWindowVisible(window)) {
            break;
        }
        Sleep(1);
    }
    const double shown = nowMs() - t0;
    Sleep(200);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.handle(), &counters, sizeof counters);
    peak = std::max(peak, counters.PeakWorkingSetSize);
    PostMessageW(window, WM_CLOSE, 0, 0);
    process.waitForExit(10000);
    return shown;
}

double spread(const std::vector<double>& v) {
    return percentile95(v) - median(v);
}

} // namespace

void startUp(const std::string& folder, const std::string& before) {
    const std::string launcher = folder + "\\tarvok.exe";
    const std::string floor = folder + "\\floor_window.exe";
    const std::string bare = folder + "\\bare_window.exe";
    std::vector<double> launcherMs, iconsMs, floorMs, bareMs, ratios, beforeMs, beforeRatios;
    SIZE_T launcherPeak = 0, floorPeak = 0, barePeak = 0;
    // Warms the file cache for all three.
    startOnce(launcher, folder, true);
    startOnce(floor, folder, false);
    bareOnce(bare, folder, barePeak);
    constexpr int kRuns = 15;
    for (int i = 0; i < kRuns; ++i) {
        const auto l = startOnce(launcher, folder, true);
        const auto f = startOnce(floor, folder, false);
        if (!before.empty()) {
            const auto b = startOnce(before, folder, true);
            beforeMs.push_back(b.captions);
            beforeRatios.push_back(b.captions / f.captions);
        }
        bareMs.push_back(bareOnce(bare, folder, barePeak));
        launcherMs.push_back(l.captions);
        iconsMs.push_back(l.icons);
        floorMs.push_back(f.captions);
        ratios.push_back(l.captions / f.captions);
        launcherPeak = std::max(launcherPeak, l.peakWorkingSet);
        floorPeak = std::max(floorPeak, f.peakWorkingSet);
    }
    std::printf("start-up to every caption painted, launcher (median of %d): %.1f ms "
                "(p95 - median %.1f)\n",
                kRuns, median(launcherMs), spread(launcherMs));
    std::printf("start-up to every icon painted, launcher:               %.1f ms\n",
                median(iconsMs));
    std::printf("start-up to every caption painted, floor window:        %.1f ms "
                "(p95 - median %.1f)\n",
                median(floorMs), spread(floorMs));
    std::printf("start-up, bare window shown:                            %.1f ms\n",
                median(bareMs));
    std::printf("start-up ratio launcher / floor (median of pairs):      %.2f "
                "(p95 %.2f)\n",
                median(ratios), percentile95(ratios));
    if (!before.empty()) {
        std::printf("start-up to every caption painted, earlier build:        %.1f ms, ratio "
                    "to the floor %.2f\n",
                    median(beforeMs), median(beforeRatios));
    }
    std::printf("start-up ratio launcher / bare window:                  %.2f\n",
                median(launcherMs) / median(bareMs));
    std::printf("peak working set, launcher / floor / bare:              %.1f / %.1f / %.1f MiB "
                "(launcher / floor %.2f)\n",
                static_cast<double>(launcherPeak) / 1048576.0,
                static_cast<double>(floorPeak) / 1048576.0,
                static_cast<double>(barePeak) / 1048576.0,
                static_cast<double>(launcherPeak) / static_cast<double>(floorPeak));
}

} // namespace tarvok::bench
