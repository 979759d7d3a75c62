// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

// arche's benchmark, run on demand: start-up and memory of the program
// against a plain-Qt window with the same controls, and the cost of one
// selection inside the running window. Prints one table.
//
//   arche_bench [--runs N] [--selections N]
#include "core/element_code.h"
#include "core/element_table.h"
#include "core/philosopher_table.h"
#include "core/selection_handler.h"
#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "window/event_wiring.h"
#include "window/main_window_definition.h"

#include "tests/support/expected_selection.h"

#include <QApplication>
#include <QEvent>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run
{
    double startUpMs;
    double peakRssMiB;
};

// Starts the program with its standard output on a pipe, reads the moment
// of its first paint from there and its peak resident memory from the
// kernel once it has ended.
Run runOnce(const char *program)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    char *argv[] = {const_cast<char *>(program), nullptr};

    pid_t pid = 0;
    const auto started = Clock::now();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        throw std::runtime_error(std::string("cannot start ") + program);
    }

    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, std::size_t(got));
    }
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto marker = output.find("first-paint-ns ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || marker == std::string::npos) {
        throw std::runtime_error(std::string(program) + " did not report its first paint");
    }
    const long long paintedNs = std::stoll(output.substr(marker + 15));
    const long long startedNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(started.time_since_epoch()).count();
    return {double(paintedNs - startedNs) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(fraction * double(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Counts the paints of one widget, to tell that a repaint really happened.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

struct SelectionCost
{
    std::vector<double> stateUs;
    std::vector<double> paintedUs;
};

// Selects the eight rows in turn, as a user would by mouse or keyboard, and
// times each change until the boxes and the text are those of the new row;
// then again until the window has also been repainted.
SelectionCost measureSelections(int selections)
{
    forms::Form form(window::kMainWindow);
    window::wireEvents(form);
    form.show();
    QCoreApplication::processEvents();

    auto *list = qobject_cast<forms::ListBox *>(form.element(window::kList1, 0));
    auto *text = qobject_cast<forms::TextBox *>(form.element(window::kText1, 0));
    std::array<forms::CheckBox *, core::kElementCount> boxes{};
    for (std::int16_t element = 0; element < core::kElementCount; ++element) {
        boxes[std::size_t(element)] =
            qobject_cast<forms::CheckBox *>(form.element(window::kCheck1, element));
    }
    std::array<ExpectedSelection, core::kPhilosophers.size()> expected;
    for (std::size_t row = 0; row < expected.size(); ++row) {
        expected[row] = expectedSelection(int(row));
    }
    PaintCounter counter;
    text->viewport()->installEventFilter(&counter);

    const auto check = [&](std::size_t row) {
        bool same = list->selectedRow() == int(row) && text->text() == expected[row].text;
        for (std::size_t element = 0; element < boxes.size(); ++element) {
            same = same && boxes[element]->value() == expected[row].boxes[element];
        }
        if (!same) {
            throw std::runtime_error("the window does not show the selected row");
        }
    };

    SelectionCost cost;
    const auto rows = int(expected.size());
    for (int round = 0; round < 2; ++round) {
        const bool repaint = round == 1;
        std::vector<double> &times = repaint ? cost.paintedUs : cost.stateUs;
        times.reserve(std::size_t(selections));
        // One pass through the rows first, so that the timed ones find the
        // glyphs and layouts of every row already made.
        for (int i = -rows; i < selections; ++i) {
            const auto row = std::size_t((i + rows) % rows);
            const int paintsBefore = counter.paints;
            const auto started = Clock::now();
            list->setCurrentRow(int(row));
            if (repaint) {
                QCoreApplication::processEvents();
            }
            const auto done = Clock::now();
            check(row);
            if (repaint && counter.paints == paintsBefore) {
                throw std::runtime_error("the text box was not repainted");
            }
            if (i >= 0) {
                times.push_back(std::chrono::duration<double, std::micro>(done - started).count());
            }
        }
    }
    return cost;
}

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            return line.substr(line.find(':') + 2);
        }
    }
    return "unknown";
}

int positiveArgument(const char *value)
{
    const int n = std::atoi(value);
    if (n <= 0) {
        throw std::runtime_error(std::string("not a positive count: ") + value);
    }
    return n;
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        int runs = 15;
        int selections = 10000;
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
                runs = positiveArgument(argv[++i]);
            } else if (std::strcmp(argv[i], "--selections") == 0 && i + 1 < argc) {
                selections = positiveArgument(argv[++i]);
            } else {
                std::fprintf(stderr, "usage: arche_bench [--runs N] [--selections N]\n");
                return 2;
            }
        }
        // Both programs, and the window measured below, draw into memory:
        // no display server's own timing gets in between.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        const char *platform = std::getenv("QT_QPA_PLATFORM");

        // One unmeasured start of each fills the page cache for both.
        runOnce(ARCHE_PROBED);
        runOnce(ARCHE_BASELINE);
        std::vector<double> archeMs, baseMs, archeMiB, baseMiB;
        for (int i = 0; i < runs; ++i) {
            const Run arche = runOnce(ARCHE_PROBED);
            const Run base = runOnce(ARCHE_BASELINE);
            archeMs.push_back(arche.startUpMs);
            baseMs.push_back(base.startUpMs);
            archeMiB.push_back(arche.peakRssMiB);
            baseMiB.push_back(base.peakRssMiB);
        }

        QApplication app(argc, argv);
        const SelectionCost cost = measureSelections(selections);

        const double startUpRatio = median(archeMs) / median(baseMs);
        const double memoryRatio = median(archeMiB) / median(baseMiB);
        std::printf("arche benchmark: %s, %u cores, Qt %s, platform %s\n", cpuModel().c_str(),
                    std::thread::hardware_concurrency(), qVersion(), platform);
        std::printf("%d runs each, alternating arche / baseline\n\n", runs);
        std::printf("%-36s %10s %10s %8s %8s\n", "", "arche", "baseline", "ratio", "target");
        std::printf("%-36s %10.1f %10.1f %8.3f %8s\n", "start-up to first paint, median ms",
                    median(archeMs), median(baseMs), startUpRatio, "<= 1.05");
        std::printf("%-36s %10.1f %10.1f %8s\n", "  fastest / slowest run ms",
                    *std::min_element(archeMs.begin(), archeMs.end()),
                    *std::min_element(baseMs.begin(), baseMs.end()), "");
        std::printf("%-36s %10.1f %10.1f %8s\n", "",
                    *std::max_element(archeMs.begin(), archeMs.end()),
                    *std::max_element(baseMs.begin(), baseMs.end()), "");
        std::printf("%-36s %10.1f %10.1f %8.3f %8s\n\n", "peak resident memory, median MiB",
                    median(archeMiB), median(baseMiB), memoryRatio, "<= 1.05");
        std::printf("%-36s %10s %10s %8s\n", "", "median", "p99", "target");
        std::printf("%-36s %10.1f %10.1f %8s\n", "selection to boxes and text, us",
                    median(cost.stateUs), percentile(cost.stateUs, 0.99), "< 100");
        std::printf("%-36s %10.1f %10.1f %8s\n", "selection to repainted window, us",
                    median(cost.paintedUs), percentile(cost.paintedUs, 0.99), "");
        std::printf("(%d selections each, cycling through the %zu rows)\n", selections,
                    core::kPhilosophers.size());
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "arche_bench: %s\n", error.what());
        return 1;
    }
}
