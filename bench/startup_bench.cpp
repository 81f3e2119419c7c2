// Start-up to the first shown frame, beside a minimal Qt Widgets program, and the repaint of
// the picture area after one scroll step over a 16000 x 12000 picture.
#include "ui/uTavrel.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>

extern char **environ;

namespace {

std::string ProbePath(const char *AName) {
    std::string Self(1024, '\0');
    Self.resize(readlink("/proc/self/exe", Self.data(), Self.size()));
    return Self.substr(0, Self.rfind('/') + 1) + AName;
}

// Wall time from starting the probe until it exits after its first frame.
void BM_StartupToFirstFrame(benchmark::State &AState, const char *AProbe) {
    const std::string Path = ProbePath(AProbe);
    char *const Arguments[] = {const_cast<char *>(Path.c_str()), nullptr};
    for (auto _ : AState) {
        pid_t Child = 0;
        const auto Start = std::chrono::steady_clock::now();
        if (posix_spawn(&Child, Path.c_str(), nullptr, nullptr, Arguments, environ) != 0) {
            AState.SkipWithError("cannot start the probe");
            return;
        }
        int Status = 0;
        waitpid(Child, &Status, 0);
        const std::chrono::duration<double> Elapsed = std::chrono::steady_clock::now() - Start;
        if (!WIFEXITED(Status) || WEXITSTATUS(Status) != 0) {
            AState.SkipWithError("the probe failed");
            return;
        }
        AState.SetIterationTime(Elapsed.count());
    }
}
BENCHMARK_CAPTURE(BM_StartupToFirstFrame, tavrel, "startup_probe_tavrel")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_StartupToFirstFrame, minimal_qt_widgets, "startup_probe_minimal")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// The window with a 16000 x 12000 24-bit picture like a board capture, shown.
struct TLargePicture {
    TLargePicture() : Form(QStringLiteral("/nonexistent/tavrel")) {
        QImage Picture(16000, 12000, QImage::Format_RGB888);
        Picture.fill(QColor(0, 0, 64));
        QPainter Painter(&Picture);
        for (int X = 0; X < Picture.width(); X += 97)
            Painter.fillRect(X, 0, 9, Picture.height(), QColor(200, 160, 0));
        for (int Y = 0; Y < Picture.height(); Y += 89)
            Painter.fillRect(0, Y, Picture.width(), 5, QColor(0, 200, 0));
        Painter.end();
        Form.Image1->setPicture(Picture);
        Form.Image1->resize(Picture.size());
        Form.show();
        (void)QTest::qWaitForWindowExposed(&Form);
        QCoreApplication::processEvents();
    }
    TForm2 Form;
};

TLargePicture &LargePicture() {
    static auto *Instance = new TLargePicture;
    return *Instance;
}

// One scroll-bar arrow step, then everything the event loop does to bring it on screen.
void BM_RepaintAfterScrollStep(benchmark::State &AState) {
    QScrollBar *Bar = LargePicture().Form.ScrollBox1->horizontalScrollBar();
    int Direction = 1;
    for (auto _ : AState) {
        if (Bar->value() + Bar->singleStep() > Bar->maximum() || Bar->value() == 0)
            Direction = Bar->value() == 0 ? 1 : -1;
        Bar->triggerAction(Direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                         : QAbstractSlider::SliderSingleStepSub);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintAfterScrollStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The peer: painting the whole visible part of the picture area.
void BM_RepaintWholeVisiblePart(benchmark::State &AState) {
    QWidget *Area = LargePicture().Form.ScrollBox1->viewport();
    for (auto _ : AState)
        Area->repaint();
}
BENCHMARK(BM_RepaintWholeVisiblePart)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    int QtArgc = 1;
    QApplication Application(QtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
