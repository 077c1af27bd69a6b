// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the window program: the time from process start to the first painted frame of the main
// window, and the peak memory of the process, beside a bare Qt window with the same widgets, measured
// in the same run, one process after the other.
//
//   kestrun_startup_bench [--iterations N] [--scale F]
//
// Each iteration starts this program three more times: once as the real program (its whole start-up,
// the window with its fonts, icons, frame look and skin), once as a bare window with the same widgets,
// faces, style and icon, and once as the same bare window left at Qt's defaults. A child prints the time of
// its first painted frame; the parent takes the time before it starts the child and the child's peak
// resident memory after it ends. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
// With --scale, each iteration also starts the real program at that scale (QT_SCALE_FACTOR), and the
// time and memory at that scale are compared with those at 1x.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "shell/application.h"
#include "shell/fonts.h"
#include "shell/icons.h"
#include "shell/main_window.h"

extern char** environ;

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// Once `window` has painted its first frame, prints the time and ends the event loop.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so that the paint and its flush are done when the time is taken.
            QTimer::singleShot(0, [] {
                std::printf("%.9f\n", now());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

int runProgram(int argc, char** argv) {
    std::unique_ptr<FirstPaint> probe;
    return shell::run(argc, argv, [&](TForm1& window) { probe = std::make_unique<FirstPaint>(&window); });
}

// The same widgets with the same texts. "dressed" gives them what the program gives them besides its
// frame and skin: the window's faces, the Fusion style and the program's icon; "plain" leaves Qt's
// defaults.
int runBare(int argc, char** argv, bool dressed) {
    QApplication app(argc, argv);
    if (dressed) {
        shell::registerWindowFonts();
        if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
        QApplication::setWindowIcon(shell::mainIcon());
    }
    const auto font = [dressed](QWidget* widget, const QFont& f) {
        if (dressed) widget->setFont(f);
        return widget;
    };
    QWidget window;
    font(&window, shell::windowFont());
    window.setFixedSize(194, 195);
    auto* box1 = new QGroupBox(&window);
    box1->setGeometry(4, 8, 185, 66);
    font(new QLabel("First Trade  $", box1), shell::tahoma(12, true))->setGeometry(8, 16, 89, 17);
    font(new QLabel("Payout %", box1), shell::tahoma(12, true))->setGeometry(8, 40, 62, 14);
    (new QLineEdit("1", box1))->setGeometry(96, 12, 81, 21);
    auto* box2 = new QGroupBox(&window);
    box2->setGeometry(4, 78, 185, 49);
    font(new QLabel("Next Trade $ ", box2), shell::tahoma(13, true))->setGeometry(8, 16, 86, 16);
    font(new QLabel(box2), shell::tahoma(15))->setGeometry(96, 16, 81, 25);
    auto* box3 = new QGroupBox(&window);
    box3->setGeometry(4, 130, 185, 60);
    font(new QPushButton("Win/Reset", box3), shell::msSansSerif(13, true))->setGeometry(8, 16, 81, 33);
    font(new QPushButton("Lost", box3), shell::msSansSerif(13, true))->setGeometry(96, 16, 81, 33);
    (new QLineEdit("95", &window))->setGeometry(100, 45, 80, 21);
    FirstPaint probe(&window);
    window.show();
    return app.exec();
}

struct Sample {
    double seconds = 0;
    long maxRssKb = 0;
};

bool runChild(const char* self, const char* mode, Sample& sample) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--child"), const_cast<char*>(mode), nullptr};
    const double start = now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) return false;
    sample.seconds = std::strtod(text.c_str(), nullptr) - start;
    sample.maxRssKb = usage.ru_maxrss;
    return true;
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        int childArgc = 1;
        if (std::strcmp(argv[2], "kestrun") == 0) return runProgram(childArgc, argv);
        return runBare(childArgc, argv, std::strcmp(argv[2], "dressed") == 0);
    }
    int iterations = 10;
    const char* scale = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--iterations") == 0)
            iterations = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--scale") == 0 && std::atof(argv[i + 1]) > 0)
            scale = argv[i + 1];
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("QT_SCALE_FACTOR");

    const std::string scaledLabel = std::string("kestrun at ") + (scale ? scale : "") + "x";
    const char* const modes[] = {"kestrun", "dressed", "plain", "kestrun"};
    const char* const labels[] = {
        "kestrun", "bare Qt, same faces and icon", "bare Qt, Qt's defaults", scaledLabel.c_str()};
    const int modeCount = scale ? 4 : 3;
    std::vector<double> times[4];
    std::vector<long> rss[4];
    for (int i = 0; i < iterations; ++i) {
        for (int m = 0; m < modeCount; ++m) {
            Sample sample;
            if (m == 3) setenv("QT_SCALE_FACTOR", scale, 1);
            const bool ran = runChild(argv[0], modes[m], sample);
            unsetenv("QT_SCALE_FACTOR");
            if (!ran) {
                std::fprintf(stderr, "startup bench: a child (%s) did not paint and end normally\n", modes[m]);
                return 1;
            }
            times[m].push_back(sample.seconds);
            rss[m].push_back(sample.maxRssKb);
        }
    }
    std::printf("platform %s, %d iterations, medians\n", std::getenv("QT_QPA_PLATFORM"), iterations);
    std::printf("%-30s %10s %12s %12s %12s\n", "window", "to paint", "peak RSS", "time ratio", "extra RSS");
    const double program_time = median(times[0]);
    const long program_rss = median(rss[0]);
    for (int m = 0; m < modeCount; ++m) {
        const double t = median(times[m]);
        const long r = median(rss[m]);
        std::printf(
            "%-30s %8.1f ms %9ld KiB %11.2fx %8ld KiB\n", labels[m], t * 1e3, r, program_time / t, program_rss - r);
    }
    if (scale) {
        std::printf("start-up at %sx takes %.3fx the time at 1x and %+ld KiB\n",
                    scale,
                    median(times[3]) / program_time,
                    median(rss[3]) - program_rss);
    }
    return 0;
}
