// SPDX-License-Identifier: MIT
// vindel_launch: starts a program whose main window is captioned "Vindel" as
// the shell would, waits until that window is shown, and reports how long that
// took, the program's working set at that moment, and its exit code once the
// window has been closed. Runs under wine: the installer test starts the
// installed Vindel.exe through its Start-menu shortcut with it, and
// bench/windows/run.sh compares Vindel's start with a bare window's.
//
//   vindel_launch [--runs N] PROGRAM [PROGRAM...]
//
// PROGRAM is a program file, started in the current folder, or a shortcut
// (.lnk), started as the shortcut says: its target, arguments, working folder
// and show state. Each run starts the programs one after the other. One line
// per start:
//
//   PROGRAM shown_ms=T working_set_kib=W peak_working_set_kib=P exit_code=E folder=F
//
// and, with two programs or more, the medians of each and the ratios of each
// program's to every later one's. The exit status is 0 when every program
// showed its window and ended with exit code 0 once it was closed.
#include <windows.h>
// After windows.h, whose types they use.
#include <psapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ComApartment.h"
#include "common/Text.h"
#include "common/Win32.h"

namespace {

using Microsoft::WRL::ComPtr;

constexpr std::wstring_view kCaption = L"Vindel";
// Generous: the first program started in a new wine prefix waits for wine.
constexpr auto kShowLimit = std::chrono::seconds(60);
constexpr DWORD kExitLimitMs = 30'000;

struct Start {
    std::wstring name;  // as given on the command line, for the report
    std::wstring program;
    std::wstring arguments;
    std::wstring folder;
    int show_command = SW_SHOWNORMAL;
};

struct Measure {
    double shown_ms = 0;
    SIZE_T working_set = 0;
    SIZE_T peak_working_set = 0;
    DWORD exit_code = 0;
};

std::string Utf8(std::wstring_view text) {
    return vindel::ToUtf8(vindel::FromWide(text));
}

void Fail(std::wstring_view what, std::wstring_view subject) {
    std::fprintf(stderr, "vindel_launch: %s: %s\n", Utf8(subject).c_str(), Utf8(what).c_str());
}

std::wstring CurrentFolder() {
    std::array<wchar_t, MAX_PATH> folder{};
    GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    return folder.data();
}

bool IsShortcut(std::wstring_view path) {
    constexpr std::wstring_view kExtension = L".lnk";
    if (path.size() <= kExtension.size())
        return false;
    const std::wstring_view extension = path.substr(path.size() - kExtension.size());
    return CompareStringOrdinal(extension.data(), static_cast<int>(extension.size()),
                                kExtension.data(), static_cast<int>(kExtension.size()),
                                TRUE) == CSTR_EQUAL;
}

// What the shell would start for the shortcut, read through its own shortcut
// object.
std::optional<Start> FromShortcut(const std::wstring& path) {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || FAILED(file->Load(path.c_str(), STGM_READ))) {
        Fail(L"cannot read the shortcut", path);
        return std::nullopt;
    }
    std::array<wchar_t, MAX_PATH> program{};
    std::array<wchar_t, MAX_PATH> folder{};
    std::array<wchar_t, 1024> arguments{};
    int show_command = SW_SHOWNORMAL;
    if (FAILED(link->GetPath(program.data(), static_cast<int>(program.size()), nullptr, 0)) ||
        FAILED(link->GetWorkingDirectory(folder.data(), static_cast<int>(folder.size()))) ||
        FAILED(link->GetArguments(arguments.data(), static_cast<int>(arguments.size()))) ||
        FAILED(link->GetShowCmd(&show_command))) {
        Fail(L"cannot read the shortcut's target", path);
        return std::nullopt;
    }
    return Start{path, program.data(), arguments.data(), folder.data(), show_command};
}

std::optional<Start> StartOf(const std::wstring& argument) {
    if (IsShortcut(argument))
        return FromShortcut(argument);
    std::array<wchar_t, MAX_PATH> program{};
    if (GetFullPathNameW(argument.c_str(), static_cast<DWORD>(program.size()), program.data(),
                         nullptr) == 0) {
        Fail(L"no such program", argument);
        return std::nullopt;
    }
    return Start{argument, program.data(), {}, CurrentFolder(), SW_SHOWNORMAL};
}

struct WindowSearch {
    DWORD process_id = 0;
    HWND window = nullptr;
};

// The program's main window: top-level, owned by no other window, visible,
// with the caption.
BOOL CALLBACK CheckWindow(HWND window, LPARAM search_address) {
    auto& search = *reinterpret_cast<WindowSearch*>(search_address);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != search.process_id || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    std::array<wchar_t, 64> caption{};
    GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()));
    if (kCaption != caption.data())
        return TRUE;
    search.window = window;
    return FALSE;
}

// Polls for the main window until it is shown, the program ends, or the
// limit passes.
HWND WaitForMainWindow(HANDLE process, DWORD process_id) {
    const auto limit = std::chrono::steady_clock::now() + kShowLimit;
    while (std::chrono::steady_clock::now() < limit) {
        WindowSearch search{process_id, nullptr};
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window != nullptr)
            return search.window;
        if (WaitForSingleObject(process, 1) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

std::optional<Measure> Launch(const Start& start) {
    std::wstring command_line = L"\"" + start.program + L"\"";
    if (!start.arguments.empty())
        command_line += L" " + start.arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(start.show_command);
    PROCESS_INFORMATION created{};

    const auto begin = std::chrono::steady_clock::now();
    if (!CreateProcessW(start.program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, start.folder.empty() ? nullptr : start.folder.c_str(), &startup,
                        &created)) {
        Fail(L"cannot start it", start.program);
        return std::nullopt;
    }
    const vindel::UniqueHandle process(created.hProcess);
    const vindel::UniqueHandle thread(created.hThread);
    const HWND window = WaitForMainWindow(process.get(), created.dwProcessId);
    const auto shown = std::chrono::steady_clock::now();
    if (window == nullptr) {
        Fail(L"no visible main window captioned \"Vindel\"", start.program);
        TerminateProcess(process.get(), 1);
        return std::nullopt;
    }

    Measure measure;
    measure.shown_ms = std::chrono::duration<double, std::milli>(shown - begin).count();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.get(), &memory, sizeof memory)) {
        measure.working_set = memory.WorkingSetSize;
        measure.peak_working_set = memory.PeakWorkingSetSize;
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.get(), kExitLimitMs) != WAIT_OBJECT_0) {
        Fail(L"still running after its main window was closed", start.program);
        TerminateProcess(process.get(), 1);
        return std::nullopt;
    }
    GetExitCodeProcess(process.get(), &measure.exit_code);
    return measure;
}

unsigned long long Kib(SIZE_T bytes) {
    return static_cast<unsigned long long>(bytes) / 1024;
}

void PrintMeasure(const Start& start, const Measure& measure) {
    std::printf(
        "%s shown_ms=%.1f working_set_kib=%llu peak_working_set_kib=%llu exit_code=%lu "
        "folder=%s\n",
        Utf8(start.name).c_str(), measure.shown_ms, Kib(measure.working_set),
        Kib(measure.peak_working_set), measure.exit_code, Utf8(start.folder).c_str());
    std::fflush(stdout);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintComparison(const std::vector<Start>& starts,
                     const std::vector<std::vector<Measure>>& measures) {
    std::vector<double> shown;
    std::vector<double> working_set;
    for (size_t i = 0; i < starts.size(); ++i) {
        std::vector<double> times;
        std::vector<double> sets;
        for (const Measure& measure : measures[i]) {
            times.push_back(measure.shown_ms);
            sets.push_back(static_cast<double>(measure.working_set) / 1024);
        }
        shown.push_back(Median(times));
        working_set.push_back(Median(sets));
        std::printf("median %s: shown_ms=%.1f working_set_kib=%.0f\n", Utf8(starts[i].name).c_str(),
                    shown[i], working_set[i]);
    }
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        for (size_t j = i + 1; j < starts.size(); ++j) {
            std::printf("ratio %s / %s: shown_ms=%.2f working_set=%.2f\n",
                        Utf8(starts[i].name).c_str(), Utf8(starts[j].name).c_str(),
                        shown[i] / shown[j], working_set[i] / working_set[j]);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int runs = 1;
    std::vector<std::wstring> names;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring_view(argv[i]) == L"--runs" && i + 1 < argc)
            runs = _wtoi(argv[++i]);
        else
            names.emplace_back(argv[i]);
    }
    if (names.empty() || runs < 1) {
        std::fprintf(stderr, "usage: vindel_launch [--runs N] PROGRAM [PROGRAM...]\n");
        return 2;
    }

    const vindel::ComApartment apartment;
    std::vector<Start> starts;
    for (const std::wstring& name : names) {
        std::optional<Start> start = StartOf(name);
        if (!start)
            return 1;
        starts.push_back(std::move(*start));
    }
    std::vector<std::vector<Measure>> measures(starts.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < starts.size(); ++i) {
            const std::optional<Measure> measure = Launch(starts[i]);
            if (!measure)
                return 1;
            PrintMeasure(starts[i], *measure);
            if (measure->exit_code != 0)
                return 1;
            measures[i].push_back(*measure);
        }
    }
    if (starts.size() >= 2)
        PrintComparison(starts, measures);
    return 0;
}
