// The name lookup at a pick when the roster is a workbook. Nothing is kept between picks, so each
// lookup opens the workbook and reads its sheet again; asking for the class's last number makes
// the text roster, the reference, read every line too.
//
//   bench_workbook_pick WORKBOOK TEXT-ROSTER NUMBER [lookups]
//
// Prints: lookups=N workbook_median_ms=... workbook_max_ms=... text_median_ms=... same_name=yes|no
#include "files/Roster.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

namespace {

struct Timing
{
    double medianMs;
    double maxMs;
    QString name;
};

Timing timeLookups(const QString &roster, Int32 number, int lookups)
{
    std::vector<double> ms;
    QString name;
    for (int i = 0; i < lookups; ++i) {
        QElapsedTimer clock;
        clock.start();
        name = studentName(roster, number);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back(), name};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_workbook_pick WORKBOOK TEXT-ROSTER NUMBER [lookups]\n");
        return 2;
    }
    const QString workbook = QString::fromLocal8Bit(argv[1]);
    const QString text = QString::fromLocal8Bit(argv[2]);
    const Int32 number = std::atoi(argv[3]);
    const int lookups = argc > 4 ? std::max(1, std::atoi(argv[4])) : 200;

    try {
        // One untimed lookup each, so the file is in the page cache as at a real pick.
        studentName(workbook, number);
        studentName(text, number);
        const Timing fromWorkbook = timeLookups(workbook, number, lookups);
        const Timing fromText = timeLookups(text, number, lookups);
        std::printf("lookups=%d workbook_median_ms=%.3f workbook_max_ms=%.3f text_median_ms=%.3f "
                    "same_name=%s\n",
                    lookups, fromWorkbook.medianMs, fromWorkbook.maxMs, fromText.medianMs,
                    fromWorkbook.name == fromText.name && !fromText.name.isEmpty() ? "yes" : "no");
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_workbook_pick: the lookup failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
