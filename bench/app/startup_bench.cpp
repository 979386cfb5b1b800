// Time from starting build/kosmira to its main window being shown and painted, with the
// shipped catalogs beside it, and the peak memory (resident set) of the process. The program
// reports the moments itself (KOSMIRA_STARTUP_PROBE) with its peak resident size so far and
// exits; HOME and the desktop folder point at a temporary directory. Needs a display
// (`make bench` runs it under Xvfb). Reports the median of the repetitions.
//
// Three runs compare the deep star list's cost: as shipped (the list loads on a worker
// thread once the window shows), without it (probe "nodeep": never loaded), and to the
// moment the list has loaded and joined the search (probe "deep"), whose peak_MiB is the
// program's peak with the list in place.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string TempHome()
{
    static std::string home;
    if (home.empty()) {
        // The system's temporary directory (TMPDIR when set).
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kosmira-bench-XXXXXX").string();
        if (const char* made = mkdtemp(pattern.data()))
            home = made;
        mkdir((home + "/Desktop").c_str(), 0700);
        mkdir((home + "/runtime").c_str(), 0700);
    }
    return home;
}

struct Started {
    double shown = -1;     // seconds to "main window shown"; negative when not reported
    double deep = -1;      // seconds to "deep stars in place" (probe "deep")
    double peakKiB = 0;    // peak resident size at the last report
};

// The seconds and peak of a report line "kosmira: <what> <us> peak <kB>" in text, if there.
bool ReadReport(const std::string& text, const char* what, double elapsed, double& seconds,
                double& peakKiB)
{
    const std::string prefix = std::string("kosmira: ") + what + " ";
    const std::size_t at = text.find(prefix);
    if (at == std::string::npos || text.find('\n', at) == std::string::npos)
        return false;
    seconds = elapsed;
    const std::size_t peak = text.find(" peak ", at);
    if (peak != std::string::npos && peak < text.find('\n', at))
        peakKiB = std::strtod(text.c_str() + peak + 6, nullptr);
    return true;
}

// Starts the program with the probe and reads its reports until it exits.
Started StartOnce(const char* probe)
{
    const std::string exe = std::string(KOSMIRA_BINARY_DIR) + "/kosmira";
    const std::string home = TempHome();

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("HOME=", 0) == 0 || entry.rfind("XDG_", 0) == 0 ||
            entry.rfind("KOSMIRA_STARTUP_PROBE=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    env.push_back("HOME=" + home);
    env.push_back("XDG_DESKTOP_DIR=" + home + "/Desktop");
    env.push_back("XDG_RUNTIME_DIR=" + home + "/runtime");
    env.push_back(std::string("KOSMIRA_STARTUP_PROBE=") + probe);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    int out[2];
    Started result;
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return result;
    }

    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, size_t(n));
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result.shown < 0)
            ReadReport(text, "main window shown", elapsed, result.shown, result.peakKiB);
        if (result.deep < 0)
            ReadReport(text, "deep stars in place", elapsed, result.deep, result.peakKiB);
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return result;
}

// Repeated start-ups with one probe; the manual time is to the main window or, with
// toDeepStars, to the deep list in place.
void RunStartups(benchmark::State& state, const char* probe, bool toDeepStars)
{
    StartOnce(probe);  // warms the file cache and the font cache
    double peak = 0, shown = 0;
    for (auto _ : state) {
        const Started s = StartOnce(probe);
        const double seconds = toDeepStars ? s.deep : s.shown;
        if (seconds < 0) {
            state.SkipWithError("kosmira did not report its main window (no display?)");
            break;
        }
        state.SetIterationTime(seconds);
        peak = s.peakKiB;
        shown = s.shown;
    }
    state.counters["peak_MiB"] = peak / 1024.0;
    state.counters["shown_ms"] = shown * 1000.0;
}

// As shipped: the deep list starts loading as the window shows; peak at that moment.
void BM_StartupToMainWindowShown(benchmark::State& state)
{
    RunStartups(state, "exit", false);
}

// The deep list never loaded: the reference for time and memory.
void BM_StartupWithoutDeepStars(benchmark::State& state)
{
    RunStartups(state, "nodeep", false);
}

// To the deep list loaded, joined with the search and in place; peak with it.
void BM_StartupToDeepStarsInPlace(benchmark::State& state)
{
    RunStartups(state, "deep", true);
}

}  // namespace

BENCHMARK(BM_StartupToMainWindowShown)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupWithoutDeepStars)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToDeepStarsInPlace)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
