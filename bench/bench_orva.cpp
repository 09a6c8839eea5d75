// The program's speed and idle cost against the simulated tester, printed as
// one table. Run by `make bench`; nothing here is asserted.
#include "FrmOrva.h"
#include "FrmPassword.h"
#include "TesterSimulator.h"
#include "UserPrompts.h"
#include "link/SerialLink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <algorithm>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
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

// orva-sim in a process of its own, so that a blocking client can talk to it.
class ExternalSim
{
public:
    explicit ExternalSim(bool paced)
    {
        m_process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/orva-sim"));
        if (paced)
            m_process.setArguments({QStringLiteral("--paced")});
        m_process.start();
        if (m_process.waitForReadyRead(5000))
            m_device = QString::fromLatin1(m_process.readLine().trimmed());
    }
    ~ExternalSim()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    QString device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};

// The frames a run sent and how many bytes came back for each.
struct Exchange
{
    QByteArray frame;
    qsizetype replyBytes = 0;
};

class ExchangeLog
{
public:
    ExchangeLog() = default;
    explicit ExchangeLog(SerialLink &link)
    {
        QObject::connect(&link, &SerialLink::bytesSent, &link, [this](const QByteArray &b) {
            exchanges.append({b, 0});
        });
        QObject::connect(&link, &SerialLink::bytesReceived, &link, [this](const QByteArray &b) {
            if (!exchanges.isEmpty())
                exchanges.last().replyBytes += b.size();
        });
    }
    double wireSeconds() const
    {
        qint64 bytes = 0;
        for (const Exchange &e : exchanges)
            bytes += e.frame.size() + e.replyBytes;
        return double(bytes) * ByteSeconds;
    }
    QList<Exchange> exchanges;
};

// The floor: the same exchanges by a minimal client, blocking reads and
// writes on the port and nothing else. Seconds (-1 when the line failed),
// and the CPU it spent.
struct Floor
{
    double seconds = -1;
    double cpu = 0;
};

Floor floorRun(const QString &device, const QList<Exchange> &exchanges)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return {};
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::cfsetspeed(&t, B2400);
    t.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(fd, TCSANOW, &t);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bool ok = true;
    for (const Exchange &e : exchanges) {
        ok = ::write(fd, e.frame.constData(), size_t(e.frame.size())) == e.frame.size();
        for (qsizetype got = 0; ok && got < e.replyBytes;) {
            pollfd p{fd, POLLIN, 0};
            char buffer[16];
            ok = ::poll(&p, 1, 3000) == 1;
            const ssize_t n = ok ? ::read(fd, buffer, sizeof buffer) : -1;
            ok = n > 0;
            got += n;
        }
        if (!ok)
            break;
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    ::close(fd);
    return ok ? Floor{seconds, cpu} : Floor{};
}

// The machine's noise moves single runs by several per cent: each figure is
// the median of runs, the program's and the floor's taken in turn.
double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

QString spread(const QList<double> &values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return QStringLiteral("%1-%2").arg(*low, 0, 'f', 3).arg(*high, 0, 'f', 3);
}

struct BenchRun
{
    TesterSimulator sim;
    SilentPrompts prompts;
    std::unique_ptr<FrmOrva> window;

    explicit BenchRun(bool paced, const QString &device = {})
    {
        sim.start();
        sim.setPaced(paced);
        FrmOrvaOptions options;
        options.ports = {device.isEmpty() ? sim.devicePath() : device};
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

// Ratios to the wire time and to the floor, one pair per run.
struct LineRate
{
    QList<double> toWire, toFloor, seconds;
    void add(double wall, double wire, double floor)
    {
        toWire.append(wall / wire);
        toFloor.append(wall / floor);
        seconds.append(wall);
    }
    QString row(const QString &what) const
    {
        return ::row(what + QStringLiteral(" at 2400 baud: wall / wire, wall / floor"),
                     QStringLiteral("%1 / %2 (%3 runs: %4 / %5; %6 s)")
                         .arg(median(toWire), 0, 'f', 3)
                         .arg(median(toFloor), 0, 'f', 3)
                         .arg(seconds.size())
                         .arg(spread(toWire), spread(toFloor))
                         .arg(median(seconds), 0, 'f', 2),
                     QStringLiteral("<= 1.02 / 1.01"));
    }
};

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
    const int lineRuns = 5;
    const int instantRuns = 15;
    QTextStream out(stdout);
    out << row(QStringLiteral("measure"), QStringLiteral("result"), QStringLiteral("target"));
    out << row(QStringLiteral("---"), QStringLiteral("---"), QStringLiteral("---"));

    double toDialog = 0;
    {
        // Start to the password dialog, and a full load and send at line rate,
        // against the floor: the same exchanges by a minimal blocking client.
        ExternalSim sim(true);
        LineRate load, send;
        QList<double> sendCpu, floorCpu;
        for (int run = 0; run < lineRuns; ++run) {
            auto s = std::make_unique<BenchRun>(true, sim.device());
            ExchangeLog log(s->window->link());
            QElapsedTimer loadClock;
            s->start([&] {
                if (run == 0)
                    toDialog = secondsSinceProcessStart();
                log.exchanges.clear();
                loadClock.start();
            });
            const double loadSeconds = double(loadClock.nsecsElapsed()) / 1e9;
            ExchangeLog loaded;
            loaded.exchanges = std::exchange(log.exchanges, {});
            const double cpuBefore = cpuSeconds();
            QElapsedTimer sendClock;
            sendClock.start();
            s->window->CmdInvia->click();
            const double sendSeconds = double(sendClock.nsecsElapsed()) / 1e9;
            const double frames = double(log.exchanges.size());
            sendCpu.append((cpuSeconds() - cpuBefore) / frames);
            s->window->close();
            s.reset(); // the port is the floor's now
            load.add(loadSeconds, loaded.wireSeconds(),
                     floorRun(sim.device(), loaded.exchanges).seconds);
            const Floor floor = floorRun(sim.device(), log.exchanges);
            send.add(sendSeconds, log.wireSeconds(), floor.seconds);
            floorCpu.append(floor.cpu / frames);
        }
        out << row(QStringLiteral("start to password dialog"),
                   QStringLiteral("%1 s").arg(toDialog, 0, 'f', 3), QStringLiteral("< 1 s"));
        out << load.row(QStringLiteral("full load"));
        out << send.row(QStringLiteral("full send"));
        // Waking for each reply costs both alike; shown, not a target.
        out << row(QStringLiteral("CPU per frame at 2400 baud (send): program / floor"),
                   QStringLiteral("%1 us / %2 us")
                       .arg(median(sendCpu) * 1e6, 0, 'f', 1)
                       .arg(median(floorCpu) * 1e6, 0, 'f', 1),
                   QStringLiteral("-"));
    }
    {
        // The program's own cost per frame, the simulator answering at once:
        // its CPU time, and its wall time beside the floor's for the same
        // frames. Sends, on a window already shown and loaded.
        ExternalSim sim(false);
        BenchRun s(false, sim.device());
        ExchangeLog log(s.window->link());
        s.start([] {});
        QList<double> cpu, wall, floor;
        double frames = 0;
        for (int run = 0; run < instantRuns; ++run) {
            log.exchanges.clear();
            const double cpuBefore = cpuSeconds();
            QElapsedTimer send;
            send.start();
            s.window->CmdInvia->click();
            frames = double(log.exchanges.size());
            wall.append(double(send.nsecsElapsed()) / 1e9 / frames);
            cpu.append((cpuSeconds() - cpuBefore) / frames);
        }
        s.window->close();
        s.window.reset();
        for (int run = 0; run < instantRuns; ++run)
            floor.append(floorRun(sim.device(), log.exchanges).seconds / frames);
        out << row(QStringLiteral("the program's CPU per frame, instant tester (send)"),
                   QStringLiteral("%1 us (%2 frames, %3 runs)")
                       .arg(median(cpu) * 1e6, 0, 'f', 1)
                       .arg(frames)
                       .arg(instantRuns),
                   QStringLiteral("<= 100 us"));
        out << row(QStringLiteral("wall time per frame, instant tester: program / floor"),
                   QStringLiteral("%1 us / %2 us")
                       .arg(median(wall) * 1e6, 0, 'f', 1)
                       .arg(median(floor) * 1e6, 0, 'f', 1),
                   QStringLiteral("-"));
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
