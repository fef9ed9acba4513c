// Start-up of Velmora's window against a bare Qt window: each probe program
// is started repeatedly, alternating, and timed from the start of the
// process to its first paint; peak resident memory comes from the kernel's
// accounting of the ended process. Prints medians and their ratios.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Run {
    double milliseconds;
    double peakMebibytes;
};

// Starts program, waits for its first-paint byte and its end.
Run RunOnce(const std::string& program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::perror("pipe"), std::exit(1);
    const std::string fdSetting = "VELMORA_PROBE_FD=" + std::to_string(pipeFds[1]);
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) env.push_back(*e);
    env.push_back(const_cast<char*>(fdSetting.c_str()));
    env.push_back(nullptr);
    char* args[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, args, env.data()) != 0)
        std::perror(program.c_str()), std::exit(1);
    close(pipeFds[1]);
    char byte = 0;
    const bool painted = read(pipeFds[0], &byte, 1) == 1;
    const auto shown = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!painted || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not show its window\n", program.c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(shown - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};  // ru_maxrss is in KiB
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string label = argc > 1 ? argv[1] : "current platform";
    const int runs = argc > 2 ? std::atoi(argv[2]) : 21;
    const std::string dir = [&] {
        const std::string self = argv[0];
        const auto slash = self.rfind('/');
        return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
    }();
    // The bare window is the baseline; the one with a caption shows what the
    // fonts alone cost.
    const std::string programs[] = {dir + "/bare_window_probe", dir + "/label_window_probe",
                                    dir + "/velmora_startup_probe"};
    const char* names[] = {"bare Qt window", "one Persian label", "Velmora Form1"};
    constexpr int kPrograms = 3;
    constexpr int kVelmora = 2;

    std::vector<double> times[kPrograms], memory[kPrograms];
    for (const auto& program : programs) RunOnce(program);  // warm the caches
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) {
            const Run run = RunOnce(programs[p]);
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.peakMebibytes);
        }
    }
    std::printf("Window start-up to first paint (%s), median of %d runs\n", label.c_str(), runs);
    double medianTime[kPrograms], medianMemory[kPrograms];
    for (int p = 0; p < kPrograms; ++p) {
        medianTime[p] = Median(times[p]);
        medianMemory[p] = Median(memory[p]);
        std::printf("  %-17s %8.1f ms   peak RSS %7.1f MiB\n", names[p], medianTime[p],
                    medianMemory[p]);
    }
    std::printf("  %-17s %8.2fx      %15.2fx\n", "Velmora / bare", medianTime[kVelmora] / medianTime[0],
                medianMemory[kVelmora] / medianMemory[0]);
    std::printf("  %-17s %8.2fx      %15.2fx\n", "Velmora / label", medianTime[kVelmora] / medianTime[1],
                medianMemory[kVelmora] / medianMemory[1]);
    return 0;
}
