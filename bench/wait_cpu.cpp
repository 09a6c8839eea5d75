// CPU spent while the program waits for a silent tester: the load's
// connection loop, run for ten seconds against a simulator that is switched off.
#include "TesterSimulator.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/SerialLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <sys/resource.h>

static double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    TesterSimulator sim;
    sim.start();
    sim.setPowered(false);
    SerialLink link;
    link.open(sim.devicePath());
    AbortFlag abort;
    Equipment eq(
        link, abort, [](const QString &) {}, [] { return QString(); });

    QElapsedTimer wall;
    wall.start();
    const double cpuStart = cpuSeconds();
    int checks = 0;
    while (wall.elapsed() < seconds * 1000) {
        eq.checkConnection();
        ++checks;
    }
    const double cpu = cpuSeconds() - cpuStart;
    QTextStream(stdout) << QStringLiteral(
                               "| connection loop, silent tester | %1 s wall | %2 checks | "
                               "%3 s CPU | %4 % of a core |\n")
                               .arg(wall.elapsed() / 1000.0, 0, 'f', 1)
                               .arg(checks)
                               .arg(cpu, 0, 'f', 3)
                               .arg(100.0 * cpu / (wall.elapsed() / 1000.0), 0, 'f', 2);
    return 0;
}
