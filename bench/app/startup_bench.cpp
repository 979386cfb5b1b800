// Time from starting build/kosmira to its main window being shown and painted, with the
// shipped catalogs beside it. The program reports the moment itself (KOSMIRA_STARTUP_PROBE)
// and exits; HOME and the desktop folder point at a temporary directory. Needs a display
// (`make bench` runs it under Xvfb). Reports the median of the repetitions.

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

// Starts the program and returns the seconds until its "main window shown" line, or a
// negative value when it did not report.
double StartOnce()
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
    env.push_back("KOSMIRA_STARTUP_PROBE=exit");
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return -1;
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
        return -1;
    }

    double seconds = -1;
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, size_t(n));
        if (text.find("kosmira: main window shown") != std::string::npos) {
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return seconds;
}

void BM_StartupToMainWindowShown(benchmark::State& state)
{
    StartOnce();  // warms the file cache and the font cache
    for (auto _ : state) {
        const double seconds = StartOnce();
        if (seconds < 0) {
            state.SkipWithError("kosmira did not report its main window (no display?)");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

}  // namespace

BENCHMARK(BM_StartupToMainWindowShown)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
