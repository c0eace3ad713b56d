// Start-up of the program over a 10 000-entry pool to its first drawn frame, against a bare Qt
// window started, shown and drawn the same way, each as a whole process; and the reveal handler
// of a draw from a 10 000-entry queue, its remainder rewrite with flushes included. Run with
// QT_QPA_PLATFORM=offscreen.
#include "dialogs/QtCompat.h"
#include "tests/mainwindow/MainWindowFixture.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

std::vector<std::string> poolOf(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) {
        lines.push_back(std::to_string(i) + (i % 10 == 0 ? "#" + std::to_string(i) : ""));
    }
    return lines;
}

// A whole process: start, Qt set up, the window made, shown and drawn once, end.
void runProbe(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        std::vector<char*> argv;
        std::string program = QHT_STARTUP_PROBE;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
    }
}

void BM_BareWindowProcess(benchmark::State& state) {
    runProbe(state, {"bare"});
}
BENCHMARK(BM_BareWindowProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with one line of Chinese text: the fonts a window with text needs are set up.
void BM_TextWindowProcess(benchmark::State& state) {
    runProbe(state, {"text"});
}
BENCHMARK(BM_TextWindowProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MainWindowProcess(benchmark::State& state) {
    testsupport::Workspace workspace;
    workspace.writePool(poolOf(10000));
    runProbe(state, {"main", workspace.folder().string()});
}
BENCHMARK(BM_MainWindowProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Reveal(benchmark::State& state) {
    testsupport::Workspace workspace;
    workspace.writePool(poolOf(10000));
    testsupport::Program program(workspace);
    program.start(true);
    for (auto _ : state) {
        state.PauseTiming();
        if (program.form1->drawQueue().count() < 9000) {
            program.start(true);
        }
        program.form1->Image2Click();
        state.ResumeTiming();
        program.form1->Timer2Timer();
        state.PauseTiming();
        program.controls().print->stop();
        program.controls().start->setEnabled(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Reveal)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qtcompat::prepareApplication();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
