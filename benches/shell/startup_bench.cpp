// Start-up of the window program: the time from process start to the first painted frame of the main
// window, and the peak memory of the process, beside a bare Qt window with the same widgets, measured
// in the same run, one process after the other.
//
//   kestrun_startup_bench [--iterations N]
//
// Each iteration starts this program twice more: once as the real program (its whole start-up, the
// window with its fonts, icons and frame look) and once as the bare window. A child prints the time of
// its first painted frame; the parent takes the time before it starts the child and the child's peak
// resident memory after it ends. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

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
#include <QTimer>

#include "shell/application.h"
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

int runBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(194, 195);
    auto* box1 = new QGroupBox(&window);
    box1->setGeometry(4, 8, 185, 66);
    (new QLabel("First Trade  $", box1))->setGeometry(8, 16, 89, 17);
    (new QLabel("Payout %", box1))->setGeometry(8, 40, 62, 14);
    (new QLineEdit("1", box1))->setGeometry(96, 12, 81, 21);
    auto* box2 = new QGroupBox(&window);
    box2->setGeometry(4, 78, 185, 49);
    (new QLabel("Next Trade $ ", box2))->setGeometry(8, 16, 86, 16);
    (new QLabel(box2))->setGeometry(96, 16, 81, 25);
    auto* box3 = new QGroupBox(&window);
    box3->setGeometry(4, 130, 185, 60);
    (new QPushButton("Win/Reset", box3))->setGeometry(8, 16, 81, 33);
    (new QPushButton("Lost", box3))->setGeometry(96, 16, 81, 33);
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
        return std::strcmp(argv[2], "bare") == 0 ? runBare(childArgc, argv) : runProgram(childArgc, argv);
    }
    int iterations = 10;
    if (argc == 3 && std::strcmp(argv[1], "--iterations") == 0) iterations = std::max(1, std::atoi(argv[2]));
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<double> programTimes, bareTimes;
    std::vector<long> programRss, bareRss;
    for (int i = 0; i < iterations; ++i) {
        Sample program, bare;
        if (!runChild(argv[0], "kestrun", program) || !runChild(argv[0], "bare", bare)) {
            std::fprintf(stderr, "startup bench: a child did not paint and end normally\n");
            return 1;
        }
        programTimes.push_back(program.seconds);
        bareTimes.push_back(bare.seconds);
        programRss.push_back(program.maxRssKb);
        bareRss.push_back(bare.maxRssKb);
    }
    const double pt = median(programTimes), bt = median(bareTimes);
    const long pm = median(programRss), bm = median(bareRss);
    std::printf("platform %s, %d iterations, medians\n", std::getenv("QT_QPA_PLATFORM"), iterations);
    std::printf("%-12s %10s %12s\n", "window", "to paint", "peak RSS");
    std::printf("%-12s %8.1f ms %9ld KiB\n", "kestrun", pt * 1e3, pm);
    std::printf("%-12s %8.1f ms %9ld KiB\n", "bare Qt", bt * 1e3, bm);
    std::printf("%-12s %10.2fx %11.2fx\n", "ratio", pt / bt, static_cast<double>(pm) / bm);
    return 0;
}
