// Start-up of the game against an empty Qt Widgets program, and the costs a pupil meets while
// playing. Run it through scripts/bench; docs/PERFORMANCE.md says what each figure means.
#include "in_process.h"
#include "stats.h"

#include <QApplication>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace ortambra::bench;
using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 20;
    std::string platform = "offscreen";
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: ortambra-bench [--runs N] [--platform offscreen|xcb]\n");
    std::exit(2);
}

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
            if (options.runs < 1)
                usage();
        } else if (arg == "--platform" && i + 1 < argc) {
            options.platform = argv[++i];
        } else {
            usage();
        }
    }
    return options;
}

// One start-up: wall time and peak resident set of the whole process, and the moments it
// reported, in milliseconds after the fork.
struct Run {
    double milliseconds = 0.0;
    double peakMiB = 0.0;
    double cpuMilliseconds = 0.0; // user and system time of the child
    std::map<std::string, double> moments;
    std::vector<std::string> windows; // the top-level widgets that existed at the end
};
using RunField = double Run::*;

void readReport(int fd, Clock::time_point forked, Run& run) {
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    const long long origin =
        std::chrono::duration_cast<std::chrono::nanoseconds>(forked.time_since_epoch()).count();
    std::istringstream lines(text);
    for (std::string name, value; lines >> name >> value;) {
        if (name == "top-level")
            run.windows.push_back(value);
        else
            run.moments[name] = static_cast<double>(std::stoll(value) - origin) / 1e6;
    }
}

// From fork to the end of the process, which ends itself once its window is on screen; the peak
// resident set is the one the kernel kept for the child.
Run startOnce(const std::string& program) {
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (child == 0) {
        alarm(60); // a start-up that never reaches its window must not hang the bench
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        // The platform's warnings ("This plugin does not support raise()") are the same on
        // every run; a failing program is run by hand to see why.
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDERR_FILENO);
        char* const args[] = {const_cast<char*>(program.c_str()), nullptr};
        execv(program.c_str(), args);
        _exit(127);
    }
    close(out[1]);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("wait4");
            std::exit(1);
        }
    }
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    Run run{elapsed,
            static_cast<double>(usage.ru_maxrss) / 1024.0,
            ms(usage.ru_utime) + ms(usage.ru_stime),
            {},
            {}};
    readReport(out[0], start, run);
    close(out[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !run.moments.contains("end")) {
        std::fprintf(stderr, "ortambra-bench: %s did not reach its window (status %d)\n",
                     program.c_str(), status);
        std::exit(1);
    }
    return run;
}

struct Program {
    const char* title;
    std::string path;
    std::vector<Run> runs;

    Summary summary(RunField field) const {
        std::vector<double> values;
        for (const Run& run : runs)
            values.push_back(run.*field);
        return summarize(values);
    }
    // Empty when the program has no such moment (the empty program asks nothing).
    std::optional<double> moment(const std::string& name) const {
        std::vector<double> values;
        for (const Run& run : runs)
            if (const auto found = run.moments.find(name); found != run.moments.end())
                values.push_back(found->second);
        if (values.empty())
            return std::nullopt;
        return summarize(values).median;
    }
};

double ownPeakMiB() {
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    return static_cast<double>(self.ru_maxrss) / 1024.0;
}

constexpr int labelWidth = 36;

void momentRow(const char* what, const std::vector<Program>& programs, const char* moment) {
    std::printf("  %-*s", labelWidth, what);
    for (const Program& p : programs) {
        if (const auto at = p.moment(moment))
            std::printf(" %9.2f", *at);
        else
            std::printf(" %9s", "-");
    }
    std::printf("\n");
}

void summaryRow(const char* what, const std::vector<Program>& programs, RunField field) {
    std::printf("  %-*s", labelWidth, what);
    for (const Program& p : programs)
        std::printf(" %9.2f", p.summary(field).median);
    std::printf("\n");
}

void quartileRow(const char* what, const std::vector<Program>& programs, RunField field) {
    std::printf("  %-*s", labelWidth, what);
    for (const Program& p : programs) {
        const Summary s = p.summary(field);
        char range[32];
        std::snprintf(range, sizeof range, "%.1f-%.1f", s.lowerQuartile, s.upperQuartile);
        std::printf(" %9s", range);
    }
    std::printf("\n");
}

// `bound` names where the limit comes from: the targets are set against the empty program; the
// same 1.2 applied to the text floor shows what the game adds to what its start-up must do.
void ratioRow(const char* what, double ratio, std::optional<double> limit,
              const char* bound = "target") {
    std::printf("  %-46s %6.3f", what, ratio);
    if (limit)
        std::printf("   %s <= %.2f: %s", bound, *limit, ratio <= *limit ? "met" : "MISSED");
    std::printf("\n");
}

void printRow(const char* what, const Summary& s, const char* unit) {
    std::printf("  %-*s %8.3f %s   (quartiles %.3f - %.3f, %zu runs)\n", labelWidth, what, s.median,
                unit, s.lowerQuartile, s.upperQuartile, s.count);
}

void verdict(const char* what, double value, double target, const char* unit) {
    std::printf("  %-*s %8.3f %s   target < %.0f %s: %s\n", labelWidth, what, value, unit, target,
                unit, value < target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    const std::filesystem::path here =
        std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::vector<Program> programs{
        {"empty", (here / "ortambra-bench-empty").string(), {}},
        {"text", (here / "ortambra-bench-text").string(), {}},
        {"Ortambra", (here / "ortambra-bench-game").string(), {}},
    };
    // All the programs and the in-process part draw on the same platform.
    setenv("QT_QPA_PLATFORM", options.platform.c_str(), 1);

    std::printf("Ortambra benchmark: QPA platform %s, %d start-ups of each program, alternating\n",
                options.platform.c_str(), options.runs);
    // A child's peak can be no lower than this process at its fork; it stays below all three.
    std::printf("(the bench itself, forking them: %.1f MiB resident)\n\n", ownPeakMiB());

    // Two unmeasured starts each: the figures are of a warm start, libraries and fonts cached.
    for (int i = 0; i < 2; ++i)
        for (const Program& p : programs)
            startOnce(p.path);
    // Alternating, so that a busy moment of the machine weighs on all alike.
    for (int i = 0; i < options.runs; ++i)
        for (Program& p : programs)
            p.runs.push_back(startOnce(p.path));

    std::printf("Start-up: medians, in ms after the fork unless said\n");
    std::printf("  %-*s %9s %9s %9s\n", labelWidth, "", "empty", "text", "Ortambra");
    momentRow("main() entered", programs, "main");
    momentRow("application object ready", programs, "application");
    momentRow("message box painted, answered", programs, "answered");
    momentRow("window exposed", programs, "window");
    momentRow("window painted", programs, "end");
    summaryRow("process gone (the start-up time)", programs, &Run::milliseconds);
    quartileRow("  its quartiles", programs, &Run::milliseconds);
    summaryRow("CPU time, user + system", programs, &Run::cpuMilliseconds);
    summaryRow("peak RSS, MiB", programs, &Run::peakMiB);
    quartileRow("  its quartiles", programs, &Run::peakMiB);
    const auto median = [&](std::size_t i, RunField field) {
        return programs[i].summary(field).median;
    };
    std::printf("  windows made by Ortambra's start-up:");
    for (const std::string& window : programs[2].runs.front().windows)
        std::printf(" %s", window.c_str());
    std::printf("\n\n");
    ratioRow("Ortambra / empty program, start-up time",
             median(2, &Run::milliseconds) / median(0, &Run::milliseconds), 1.2);
    ratioRow("Ortambra / empty program, peak memory",
             median(2, &Run::peakMiB) / median(0, &Run::peakMiB), 1.2);
    ratioRow("Ortambra / empty program, CPU time",
             median(2, &Run::cpuMilliseconds) / median(0, &Run::cpuMilliseconds), std::nullopt);
    ratioRow("text floor / empty program, start-up time",
             median(1, &Run::milliseconds) / median(0, &Run::milliseconds), std::nullopt);
    ratioRow("text floor / empty program, peak memory",
             median(1, &Run::peakMiB) / median(0, &Run::peakMiB), std::nullopt);
    ratioRow("Ortambra / text floor, start-up time",
             median(2, &Run::milliseconds) / median(1, &Run::milliseconds), 1.2, "same bound");
    ratioRow("Ortambra / text floor, CPU time",
             median(2, &Run::cpuMilliseconds) / median(1, &Run::cpuMilliseconds), std::nullopt);
    ratioRow("Ortambra / text floor, peak memory",
             median(2, &Run::peakMiB) / median(1, &Run::peakMiB), 1.2, "same bound");
    std::printf("\n");
    std::fflush(stdout);

    // The in-process part: its own warnings are the platform's, as above.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    const InProcessFigures f = measureInProcess(10, 50, 20);
    std::printf("In the game, standard windows, medians\n");
    printRow("one exercise: Via, wrong, right", f.exercise, "ms");
    printRow("results of a 100-exercise game", f.results, "ms");
    printRow("100-exercise report to PDF", f.printing, "ms");
    std::printf("  (the report: %d pages, %lld bytes)\n", f.reportPages, f.reportBytes);
    printRow("a finger's first tap: keys out", f.keysOut, "ms");
    printRow("a tap on an on-screen digit", f.keyTap, "ms");
    verdict("one exercise", f.exercise.median, 16, "ms");
    verdict("results", f.results.median, 16, "ms");
    verdict("report to PDF", f.printing.median, 1000, "ms");
    verdict("keys out", f.keysOut.median, 16, "ms");
    verdict("a key's tap", f.keyTap.median, 16, "ms");
    return 0;
}
