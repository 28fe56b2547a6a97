// How long real picks of the real window take against the time their tick counts call for.
//
//   bench_pick_timing <folder with rand.ini> [picks]
//
// The window and the logic are wired as main wires them and run on real timers (offscreen
// unless QT_QPA_PLATFORM says otherwise). Each pick is timed from the button press to the
// moment the button is shown again. Its nominal time is (drawnSteps + 2) ticks of the count at
// 50 ms, then 7 ticks of the flashing at 75 ms.
// Prints one line per pick, then: picks=N median_ms=... median_nominal_ms=... median_dev_pct=...
#include "ui/Program.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int pickTimeoutMs = 15000;

// Ends the wait at the button's return, noting when it came.
class ReturnWatch final : public QObject
{
    Q_OBJECT

public:
    ReturnWatch(QEventLoop &loop, QElapsedTimer &clock) : m_loop(loop), m_clock(clock) {}
    qint64 returnedNs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && returnedNs < 0) {
            returnedNs = m_clock.nsecsElapsed();
            m_loop.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
    QElapsedTimer &m_clock;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_pick_timing <class folder> [picks]\n");
        return 2;
    }
    const int picks = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    // The program reads rand.ini from the folder it starts in.
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "bench_pick_timing: no folder %s\n", argv[1]);
        return 2;
    }

    prepareApplication();
    Program program;
    if (!program.start())
        return 1;
    PickerWindow &window = program.window;
    window.show();
    auto *button = window.findChild<QPushButton *>(QStringLiteral("pickButton"));

    std::vector<double> measured;
    std::vector<double> nominal;
    std::vector<double> deviation;
    for (int pick = 1; pick <= picks; ++pick) {
        QEventLoop loop;
        QElapsedTimer clock;
        ReturnWatch watch(loop, clock);
        button->installEventFilter(&watch);
        QTimer::singleShot(pickTimeoutMs, &loop, &QEventLoop::quit);

        clock.start();
        button->click();
        // The press has drawn the count's length; the count reads it as it goes.
        const int randSteps = program.controller.state().drawnSteps.value();
        loop.exec();
        button->removeEventFilter(&watch);
        if (watch.returnedNs < 0 || program.controller.ended()) {
            std::fprintf(stderr, "bench_pick_timing: pick %d did not finish\n", pick);
            return 1;
        }

        const double ms = watch.returnedNs / 1e6;
        const double expected = (randSteps + 2) * timerIntervalMs(TimerId::Count)
            + 7 * timerIntervalMs(TimerId::Flash);
        measured.push_back(ms);
        nominal.push_back(expected);
        deviation.push_back((ms - expected) / expected * 100);
        std::printf("pick %2d: drawnSteps=%3d nominal=%7.1f ms measured=%8.2f ms dev=%+6.2f%%\n",
                    pick, randSteps, expected, ms, deviation.back());
    }
    std::printf("picks=%d median_ms=%.2f median_nominal_ms=%.1f median_dev_pct=%.3f "
                "max_dev_pct=%.3f\n",
                picks, median(measured), median(nominal), median(deviation),
                *std::max_element(deviation.begin(), deviation.end()));
    return 0;
}

#include "pick_timing.moc"
