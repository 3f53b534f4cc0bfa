// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Launches the program, a bare Qt window and a bare window with a menu bar in turn, each the
// given number of times (at least 20), and prints the medians of the time from main to first
// paint and of the peak resident memory, with the medians of the program's ratios to the two
// others, round by round. Needs a display (or xvfb-run).
// Usage: startup_benchmark [LAUNCHES]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Launch
{
    double firstPaintMs = 0;
    double peakMiB = 0;
};

// Runs one probe program and reads what it prints; the peak memory comes from the kernel.
Launch run(const char *program)
{
    std::array<int, 2> pipe {};
    if (::pipe(pipe.data()) != 0)
        std::exit(2);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipe[1], STDOUT_FILENO);
        close(pipe[0]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipe[1]);
    std::string output;
    std::array<char, 256> buffer {};
    for (ssize_t n; (n = read(pipe[0], buffer.data(), buffer.size())) > 0;)
        output.append(buffer.data(), static_cast<std::size_t>(n));
    close(pipe[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);

    long long microseconds = -1;
    if (std::sscanf(output.c_str(), "first_paint_us %lld", &microseconds) != 1 || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its first paint: %s\n", program, output.c_str());
        std::exit(1);
    }
    return {.firstPaintMs = static_cast<double>(microseconds) / 1000,
            .peakMiB = static_cast<double>(usage.ru_maxrss) / 1024};
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int launches = std::max(20, argc > 1 ? std::atoi(argv[1]) : 30);
    // The program, the bare window (the floor), and the bare window with a menu bar.
    constexpr std::array<const char *, 3> programs = {VFE_STARTUP_PROGRAM, VFE_STARTUP_BARE,
                                                      VFE_STARTUP_MENU_BAR};
    for (const char *program : programs)
        run(program); // warm the caches, unmeasured

    std::array<std::vector<double>, 3> times;
    std::array<std::vector<double>, 3> memory;
    for (int i = 0; i < launches; ++i) {
        // A new order each round, so that none always runs right after another.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = (k + static_cast<std::size_t>(i)) % programs.size();
            const Launch launch = run(programs[p]);
            times[p].push_back(launch.firstPaintMs);
            memory[p].push_back(launch.peakMiB);
        }
    }

    std::array<double, 3> time {};
    std::array<double, 3> rss {};
    for (std::size_t p = 0; p < programs.size(); ++p) {
        time[p] = median(times[p]);
        rss[p] = median(memory[p]);
    }
    // A ratio per round, its median taken: the machine's speed drifts between rounds, hardly
    // within one.
    const auto pairedRatio = [](const std::vector<double> &a, const std::vector<double> &b) {
        std::vector<double> ratios;
        ratios.reserve(a.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            ratios.push_back(a[i] / b[i]);
        return median(ratios);
    };
    std::printf(
        "| Start-up, medians of %d launches | program | bare Qt window | ratio | bare window "
        "with a menu bar | ratio |\n",
        launches);
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| main to first paint | %.1f ms | %.1f ms | %.2f | %.1f ms | %.2f |\n", time[0],
                time[1], pairedRatio(times[0], times[1]), time[2], pairedRatio(times[0], times[2]));
    std::printf("| peak resident memory | %.1f MiB | %.1f MiB | %.2f | %.1f MiB | %.2f |\n", rss[0],
                rss[1], pairedRatio(memory[0], memory[1]), rss[2],
                pairedRatio(memory[0], memory[2]));
    return 0;
}
