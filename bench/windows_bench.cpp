// Figures of the Windows program, measured under the same Wine as the tests: start-up against
// a bare window, peak working set, exe size, page turn, key press to shell call and to the DDE
// request reaching a browser, a drop to its button painted, and the saves of a page clear.
// Prints one line per figure; asserts nothing.
#include "app/main_window.h"
#include "bench/bench_support.h"
#include "dialogs/address_dialog.h"
#include "dialogs/start_menu_picker.h"
#include "platform/com.h"
#include "platform/cp932_codec.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/drops.h"
#include "tests/windows/support/process.h"
#include "tests/windows/support/temp_dir.h"
#include "tests/windows/support/ui.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace tarvok;
using bench::fullSettings;
using bench::median;
using bench::nowMs;
using bench::percentile95;

namespace {

void startUp(const test::TempDir& dir) {
    for (const char* exe : {"tarvok.exe", "floor_window.exe", "bare_window.exe"}) {
        CopyFileW(widen(test::binFolder() + "\\" + exe).c_str(), widen(dir.file(exe)).c_str(),
                  FALSE);
    }
    test::writeFileBytes(dir.file("tarvok.ini"), fullSettings("C:\\windows\\notepad.exe"));
    // TARVOK_BENCH_BEFORE: an earlier build's exe, timed in the same rounds.
    wchar_t before[MAX_PATH] = {};
    std::string beforeCopy;
    if (GetEnvironmentVariableW(L"TARVOK_BENCH_BEFORE", before, MAX_PATH) > 0) {
        beforeCopy = dir.file("before.exe");
        CopyFileW(before, widen(beforeCopy).c_str(), FALSE);
    }
    bench::startUp(dir.path(), beforeCopy);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(widen(dir.file("tarvok.exe")).c_str(), GetFileExInfoStandard, &data);
    std::printf("exe size:                             %lu KiB\n",
                static_cast<unsigned long>(data.nFileSizeLow / 1024));
}

void drain(const MainWindow& window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!window.preTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A main window in this process, shown, over the settings file in `dir`.
std::unique_ptr<MainWindow> windowOverFile(const test::TempDir& dir) {
    MainWindowOptions options;
    options.programFolder = dir.path();
    options.quitOnDestroy = false;
    options.beep = [] {};
    auto window = std::make_unique<MainWindow>(options);
    window->create();
    window->show(SW_SHOWNOACTIVATE);
    drain(*window);
    return window;
}

// The same over fifty program slots with icons.
std::unique_ptr<MainWindow> windowOverFullFile(const test::TempDir& dir) {
    test::writeFileBytes(dir.file("tarvok.ini"), fullSettings("C:\\windows\\notepad.exe"));
    return windowOverFile(dir);
}

void pageTurn(const test::TempDir& dir) {
    const auto shown = windowOverFullFile(dir);
    MainWindow& window = *shown;
    std::vector<double> turns;
    for (int i = 0; i < 200; ++i) {
        const UINT key = (i / 4) % 2 == 0 ? VK_F12 : VK_F1; // 1→5 and back, never at an end
        const double t0 = nowMs();
        test::postKey(window.hwnd(), key);
        drain(window);
        RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        turns.push_back(nowMs() - t0);
    }
    std::printf(
        "page turn with ten icons, key to last button painted: median %.2f ms, p95 %.2f ms\n",
        median(turns), percentile95(turns));
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);

    // Pages never shown before: fifty programs of their own, whose icons the shell has not
    // been asked for in this run.
    test::TempDir programs;
    const auto pathOf = [&](const std::string& key) { return programs.file(key + ".exe"); };
    for (int page = 1; page <= 5; ++page) {
        for (int n = 2; n <= 11; ++n) {
            const std::string key = std::to_string(page) + "F" + std::to_string(n);
            CopyFileW(L"C:\\windows\\notepad.exe", widen(pathOf(key)).c_str(), FALSE);
        }
    }
    test::writeFileBytes(dir.file("tarvok.ini"), fullSettings(pathOf));
    const auto fresh = windowOverFile(dir);
    std::vector<double> firstVisits;
    for (int page = 2; page <= 5; ++page) {
        const double t0 = nowMs();
        test::postKey(fresh->hwnd(), VK_F12);
        drain(*fresh);
        RedrawWindow(fresh->hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        firstVisits.push_back(nowMs() - t0);
    }
    std::printf("page turn to a page never shown, ten icons of their own: median %.2f ms, max "
                "%.2f ms\n",
                median(firstVisits), *std::max_element(firstVisits.begin(), firstVisits.end()));
    SendMessageW(fresh->hwnd(), WM_CLOSE, 0, 0);
}

void launchKey(const test::TempDir& dir) {
    const std::string marker = dir.file("marker.exe");
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(marker).c_str(), FALSE);
    SetEnvironmentVariableW(L"TARVOK_MARKER_FILE", widen(dir.file("marker.log")).c_str());
    test::writeFileBytes(
        dir.file("tarvok.ini"),
        "[PG_KIND]\r\n1F2=1\r\n1F3=0\r\n[LINK_PATH]\r\n1F2=" + marker +
            "\r\n[URL_KIND]\r\n1F3=1\r\n[URL]\r\n1F3=http://example.jp/\r\n[SEND_ADD]\r\n0=1\r\n");
    MainWindowOptions options;
    options.programFolder = dir.path();
    options.quitOnDestroy = false;
    MainWindow window(options);
    window.create();
    drain(window);
    std::vector<double> shell;
    for (int i = 0; i < 20; ++i) {
        const double t0 = nowMs();
        test::postKey(window.hwnd(), VK_F2);
        drain(window);
        shell.push_back(nowMs() - t0);
    }
    std::printf("key press to shell call returned (program slot, median of 20): %.2f ms\n",
                median(shell));

    test::FakeBrowser browser(dir.file("browser.log"), {"netscape"}, "--timestamps");
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::vector<double> dde;
    for (int i = 0; i < 20; ++i) {
        LARGE_INTEGER start{};
        QueryPerformanceCounter(&start);
        test::postKey(window.hwnd(), VK_F3);
        drain(window);
        const auto log = browser.log();
        for (auto it = log.rbegin(); it != log.rend(); ++it) {
            const auto at = it->find("|qpc=");
            if (it->rfind("request|", 0) == 0 && at != std::string::npos) {
                const long long stamp = std::stoll(it->substr(at + 5));
                dde.push_back(static_cast<double>(stamp - start.QuadPart) * 1000.0 /
                              static_cast<double>(frequency.QuadPart));
                break;
            }
        }
    }
    std::printf("key press to DDE request at the browser (median of %zu):  %.2f ms\n", dde.size(),
                median(dde));
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
}

// Drops a different program file onto a slot button each time, so every drop asks the shell
// for a display name and an icon it has not given before.
void dropToPaint(const test::TempDir& dir) {
    std::vector<std::string> files;
    for (int i = 0; i < 20; ++i) {
        files.push_back(dir.file("program " + std::to_string(i) + ".exe"));
        CopyFileW(L"C:\\windows\\notepad.exe", widen(files.back()).c_str(), FALSE);
    }
    const auto shown = windowOverFullFile(dir);
    MainWindow& window = *shown;
    std::vector<double> drops;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const HWND button = window.slotButton(2 + static_cast<int>(i % 10)).hwnd();
        RECT r{};
        GetWindowRect(button, &r);
        MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        const double t0 = nowMs();
        test::postDrop(window.hwnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, {files[i]});
        drain(window);
        RedrawWindow(button, nullptr, nullptr, RDW_UPDATENOW);
        drops.push_back(nowMs() - t0);
    }
    std::printf("drop to caption and glyph painted (median of %zu): %.2f ms, p95 %.2f ms\n",
                drops.size(), median(drops), percentile95(drops));
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
}

// How often clearing a page writes the settings file: each save puts a new file in place
// under the settings file's name, which the folder's change journal reports.
void clearPageSaves(const test::TempDir& dir) {
    const auto shown = windowOverFullFile(dir);
    MainWindow& window = *shown;
    const UniqueFile folder(
        CreateFileW(widen(dir.path()).c_str(), FILE_LIST_DIRECTORY,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    const UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::vector<DWORD> buffer(16384);
    OVERLAPPED pending{};
    const auto watch = [&] {
        ResetEvent(event.get());
        pending = OVERLAPPED{};
        pending.hEvent = event.get();
        ReadDirectoryChangesW(folder.get(), buffer.data(),
                              static_cast<DWORD>(buffer.size() * sizeof(DWORD)), FALSE,
                              FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &pending, nullptr);
    };
    watch();
    {
        test::BoxAnswerer yes(test::BoxReply::button(IDYES));
        PostMessageW(window.hwnd(), WM_COMMAND, cmd::kClearPage, 0);
        test::settle(&window);
    }
    // Each completed read returns what has come so far; the rest waits for the next read.
    int saves = 0;
    DWORD bytes = 0;
    while (WaitForSingleObject(event.get(), 300) == WAIT_OBJECT_0 &&
           GetOverlappedResult(folder.get(), &pending, &bytes, FALSE) && bytes > 0) {
        const auto* at = reinterpret_cast<const char*>(buffer.data());
        for (;;) {
            const auto* entry = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at);
            const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
            if (lstrcmpiW(name.c_str(), L"tarvok.ini") == 0 &&
                (entry->Action == FILE_ACTION_RENAMED_NEW_NAME ||
                 entry->Action == FILE_ACTION_ADDED)) {
                ++saves;
            }
            if (entry->NextEntryOffset == 0) {
                break;
            }
            at += entry->NextEntryOffset;
        }
        watch();
    }
    CancelIo(folder.get());
    GetOverlappedResult(folder.get(), &pending, &bytes, TRUE); // the buffer is free again
    std::printf("clear page: settings file saves: %d\n", saves);
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
}

// Modal loops (a menu, a dialog) send WM_ENTERIDLE to their owner once their queue is empty,
// that is once everything they show has been painted: the moment the user sees it.
struct IdleWatch {
    double seenAt = 0;
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
        if (m == WM_ENTERIDLE) {
            auto* self = reinterpret_cast<IdleWatch*>(data);
            if (self->seenAt == 0) {
                self->seenAt = nowMs();
            }
            if (w == MSGF_MENU) {
                EndMenu();
            } else {
                PostMessageW(reinterpret_cast<HWND>(l), WM_COMMAND, IDCANCEL, 0);
            }
        }
        return DefSubclassProc(h, m, w, l);
    }
};

// The slot menu from the right button's release, and the file picker from its command to its
// first paint, over a folder of 2 000 files (where the picker last was, as the desktop would
// be on a first opening).
void slotMenuAndPicker(const test::TempDir& dir) {
    const std::string folder = dir.file("two thousand");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    for (int i = 0; i < 2000; ++i) {
        const std::string name =
            "file " + std::to_string(10000 + i) + (i % 10 == 0 ? ".exe" : ".txt");
        test::writeFileBytes(folder + "\\" + name, "x");
    }
    test::writeFileBytes(dir.file("tarvok.ini"), "[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=f\r\n"
                                                 "[LINK_PATH]\r\n1F2=" +
                                                     folder + "\\file 10001.txt\r\n");
    MainWindowOptions options;
    options.programFolder = dir.path();
    options.quitOnDestroy = false;
    MainWindow window(options);
    window.create();
    window.show(SW_SHOWNOACTIVATE);
    drain(window);
    IdleWatch watch;
    SetWindowSubclass(window.hwnd(), IdleWatch::proc, 1, reinterpret_cast<DWORD_PTR>(&watch));

    std::vector<double> menu;
    for (int i = 0; i < 30; ++i) {
        watch.seenAt = 0;
        const double t0 = nowMs();
        PostMessageW(window.slotButton(2).hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        drain(window);
        menu.push_back(watch.seenAt - t0);
    }
    std::printf("right-click to slot menu shown (median of 30): %.2f ms, p95 %.2f ms\n",
                median(menu), percentile95(menu));

    std::vector<double> picker;
    for (int i = 0; i < 21; ++i) {
        watch.seenAt = 0;
        const double t0 = nowMs();
        SendMessageW(window.hwnd(), WM_COMMAND, cmd::kRegisterFileOrFolder, 0);
        picker.push_back(watch.seenAt - t0);
    }
    std::printf("file picker, command to first paint, 2 000 files: first %.1f ms, then median "
                "%.1f ms, p95 %.1f ms\n",
                picker.front(), median({picker.begin() + 1, picker.end()}),
                percentile95({picker.begin() + 1, picker.end()}));
    RemoveWindowSubclass(window.hwnd(), IdleWatch::proc, 1);
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    SetCurrentDirectoryW(widen(test::binFolder()).c_str());
}

// The first paint of the picker's first list: the first message the thread takes after the
// list's WM_PAINT has been dispatched. A hook sees every message the dialog's loop takes.
struct FirstPaint {
    bool painting = false;
    double at = 0;
    HWND dialog = nullptr;
};
FirstPaint g_firstPaint;

LRESULT CALLBACK watchFirstPaint(int code, WPARAM removed, LPARAM l) {
    const auto* message = reinterpret_cast<const MSG*>(l);
    if (code == HC_ACTION && removed == PM_REMOVE && g_firstPaint.at == 0) {
        if (g_firstPaint.painting) {
            g_firstPaint.at = nowMs();
            PostMessageW(g_firstPaint.dialog, WM_COMMAND, IDCANCEL, 0);
        } else if (message->message == WM_PAINT && message->hwnd != nullptr &&
                   GetDlgCtrlID(message->hwnd) == StartMenuPicker::kFirstListId) {
            g_firstPaint.painting = true;
            g_firstPaint.dialog = GetAncestor(message->hwnd, GA_ROOT);
            PostMessageW(g_firstPaint.dialog, WM_NULL, 0, 0); // something to take after it
        }
    }
    return CallNextHookEx(nullptr, code, removed, l);
}

void pickerOpening(const test::TempDir& dir) {
    ComApartment com;
    const std::string programs = dir.file("Programs");
    CreateDirectoryW(widen(programs).c_str(), nullptr);
    for (int i = 0; i < 300; ++i) {
        const std::string name = programs + "\\" + systemCodec().decode("\x83\x76") +
                                 std::to_string(i); // "プ" and a number
        if (i % 6 == 0) {
            CreateDirectoryW(widen(name).c_str(), nullptr);
        } else {
            createShortcut(name + ".lnk", "C:\\windows\\notepad.exe");
        }
    }
    const HHOOK hook =
        SetWindowsHookExW(WH_GETMESSAGE, watchFirstPaint, nullptr, GetCurrentThreadId());
    std::vector<double> opening;
    for (int i = 0; i < 11; ++i) {
        g_firstPaint = {};
        StartMenuPicker picker(programs);
        const double t0 = nowMs();
        picker.run(nullptr, "", {});
        if (i > 0) { // the first opening warms the shell's caches
            opening.push_back(g_firstPaint.at - t0);
        }
    }
    UnhookWindowsHookEx(hook);
    std::printf("start-menu picker, 300 entries, open to first list painted: median %.1f ms, "
                "max %.1f ms\n",
                median(opening), *std::max_element(opening.begin(), opening.end()));
}

void browserButton(const test::TempDir& dir) {
    test::FakeBrowser browser(dir.file("bench-browser.log"), {"netscape", "netscape6"},
                              "--reply \"\\\"http://example.jp/\\\",\\\"Example\\\"\"");
    std::vector<double> n4, n6;
    test::UiDriver ui;
    ui.dialog([&](const test::DialogView& d) {
        for (int i = 0; i < 20; ++i) {
            for (auto [id, times] : {std::pair{AddressDialog::kNetscape4Id, &n4},
                                     std::pair{AddressDialog::kNetscape6Id, &n6}}) {
                d.setText(AddressDialog::kAddressId, "");
                const double t0 = nowMs();
                SendMessageW(d.item(id), BM_CLICK, 0, 0);
                times->push_back(nowMs() - t0);
                if (d.text(AddressDialog::kAddressId) != "http://example.jp/") {
                    std::printf("browser button: the address was not filled\n");
                }
            }
        }
        d.key(VK_ESCAPE);
    });
    AddressDialog dialog;
    dialog.run(nullptr, "", "http://", {});
    std::printf("browser button to fields filled, stand-in answering at once (median of 20): "
                "reply title %.2f ms, window search %.2f ms\n",
                median(n4), median(n6));
}

} // namespace

// With an argument, only the figures whose name holds it ("picker", "browser", ...).
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    test::TempDir dir;
    const std::pair<const char*, void (*)(const test::TempDir&)> figures[] = {
        {"start-up", startUp},
        {"page-turn", pageTurn},
        {"launch", launchKey},
        {"drop", dropToPaint},
        {"clear-page", clearPageSaves},
        {"slot-menu-and-file-picker", slotMenuAndPicker},
        {"start-menu-picker", pickerOpening},
        {"browser", browserButton}};
    for (const auto& [name, measure] : figures) {
        if (std::string(name).find(only) != std::string::npos) {
            measure(dir);
        }
    }
    return 0;
}
