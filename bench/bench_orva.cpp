// The program's speed and idle cost against the simulated tester, printed as
// one table. Run by `make bench`; nothing here is asserted.
#include "FrmOrva.h"
#include "FrmPassword.h"
#include "TesterSimulator.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr double ByteSeconds = 10.0 / 2400.0;

class SilentPrompts : public UserPrompts
{
public:
    void beep() override {}
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    void critical(QWidget *, const QString &, const QString &) override {}
    void warning(QWidget *, const QString &, const QString &) override {}
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Seconds since this process started, from the kernel's record of it.
double secondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(' ');
    const double startTicks = fields.value(21).toDouble();
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    return double(boot.tv_sec) + double(boot.tv_nsec) / 1e9 -
           startTicks / double(sysconf(_SC_CLK_TCK));
}

// Bytes on the wire in both directions for what the simulator received.
double wireSeconds(const TesterSimulator &sim)
{
    qint64 bytes = 0;
    for (const QByteArray &f : sim.frames()) {
        bytes += f.size();
        switch (f.at(0)) {
        case 0x01:
        case 'R':
        case 'W':
            bytes += 1;
            break;
        case 'F':
            bytes += 4;
            break;
        default:
            break;
        }
    }
    return double(bytes) * ByteSeconds;
}

struct BenchRun
{
    TesterSimulator sim;
    SilentPrompts prompts;
    std::unique_ptr<FrmOrva> window;

    explicit BenchRun(bool paced)
    {
        sim.start();
        sim.setPaced(paced);
        FrmOrvaOptions options;
        options.ports = {sim.devicePath()};
        options.systemPorts = false;
        window = std::make_unique<FrmOrva>(options, &prompts);
    }
    // Start-up; `atDialog` runs while the password dialog waits.
    void start(const std::function<void()> &atDialog)
    {
        QTimer::singleShot(0, window.get(), [this, atDialog] {
            atDialog();
            window->password()->TestoPassword->setText(QStringLiteral("52917"));
            window->password()->CmdOk->click();
        });
        window->startUp();
    }
};

QString row(const QString &what, const QString &value, const QString &target)
{
    return QStringLiteral("| %1 | %2 | %3 |\n").arg(what, -58).arg(value, -22).arg(target);
}

QString lineRateRow(const QString &what, double seconds, double wire)
{
    return row(what + QStringLiteral(" at 2400 baud: wall / wire time"),
               QStringLiteral("%1 (%2 s / %3 s)")
                   .arg(seconds / wire, 0, 'f', 3)
                   .arg(seconds, 0, 'f', 2)
                   .arg(wire, 0, 'f', 2),
               QStringLiteral("<= 1.05"));
}

QString cpuRow(const QString &what, double cpu, int seconds)
{
    return row(QStringLiteral("%1 %2 s").arg(what).arg(seconds),
               QStringLiteral("%1 s (%2 % of a core)")
                   .arg(cpu, 0, 'f', 3)
                   .arg(100 * cpu / seconds, 0, 'f', 2),
               QStringLiteral("< 1 %"));
}

// CPU spent over the next `seconds` while the window waits; then closes it.
void measureIdle(FrmOrva &window, int seconds, double &cpu)
{
    const double start = cpuSeconds();
    QTimer::singleShot(seconds * 1000, &window, [&window, &cpu, start] {
        cpu = cpuSeconds() - start;
        window.close();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    QTextStream out(stdout);
    out << row(QStringLiteral("measure"), QStringLiteral("result"), QStringLiteral("target"));
    out << row(QStringLiteral("---"), QStringLiteral("---"), QStringLiteral("---"));

    double toDialog = 0;
    {
        // Start to the password dialog, and a full load and send at line rate.
        BenchRun s(true);
        QElapsedTimer load;
        s.start([&] {
            toDialog = secondsSinceProcessStart();
            s.sim.clearFrames();
            load.start();
        });
        const double loadSeconds = load.elapsed() / 1000.0;
        const double loadWire = wireSeconds(s.sim);
        s.sim.clearFrames();
        QElapsedTimer send;
        send.start();
        s.window->CmdInvia->click();
        const double sendSeconds = send.elapsed() / 1000.0;
        const double sendWire = wireSeconds(s.sim);
        out << row(QStringLiteral("start to password dialog"),
                   QStringLiteral("%1 s").arg(toDialog, 0, 'f', 3), QStringLiteral("< 1 s"));
        out << lineRateRow(QStringLiteral("full load"), loadSeconds, loadWire);
        out << lineRateRow(QStringLiteral("full send"), sendSeconds, sendWire);
        s.window->close();
    }
    {
        // The program's own cost per frame, the simulator answering at once.
        BenchRun s(false);
        QElapsedTimer load;
        s.start([&] { load.start(); });
        const qint64 ns = load.nsecsElapsed();
        const qsizetype frames = s.sim.frames().size();
        out << row(
            QStringLiteral("cost per frame, instant tester (load)"),
            QStringLiteral("%1 us (%2 frames)").arg(ns / 1000.0 / frames, 0, 'f', 1).arg(frames),
            QStringLiteral("-"));
        s.window->close();
    }
    {
        // Idle at the password dialog.
        BenchRun s(false);
        double cpu = 0;
        QTimer::singleShot(0, s.window.get(), [&] { measureIdle(*s.window, idleSeconds, cpu); });
        s.window->startUp();
        out << cpuRow(QStringLiteral("CPU while the password dialog waits"), cpu, idleSeconds);
    }
    {
        // Idle in the load's connection loop, the tester switched off.
        BenchRun s(false);
        s.sim.setPowered(false);
        double cpu = 0;
        s.start([&] {
            QTimer::singleShot(200, s.window.get(),
                               [&] { measureIdle(*s.window, idleSeconds, cpu); });
        });
        out << cpuRow(QStringLiteral("CPU in the connection loop, silent tester,"), cpu,
                      idleSeconds);
    }
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    out << row(QStringLiteral("peak memory (resident)"),
               QStringLiteral("%1 MiB").arg(u.ru_maxrss / 1024.0, 0, 'f', 1), QStringLiteral("-"));
    return 0;
}
