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
// writes on the port and nothing else. Seconds, or -1 when the line failed.
double floorSeconds(const QString &device, const QList<Exchange> &exchanges)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return -1;
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::cfsetspeed(&t, B2400);
    t.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(fd, TCSANOW, &t);
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
    ::close(fd);
    return ok ? double(clock.nsecsElapsed()) / 1e9 : -1;
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

QString lineRateRow(const QString &what, double seconds, double wire, double floor)
{
    return row(what + QStringLiteral(" at 2400 baud: wall / wire, wall / floor"),
               QStringLiteral("%1 / %2 (%3 s; wire %4 s, floor %5 s)")
                   .arg(seconds / wire, 0, 'f', 3)
                   .arg(seconds / floor, 0, 'f', 3)
                   .arg(seconds, 0, 'f', 2)
                   .arg(wire, 0, 'f', 2)
                   .arg(floor, 0, 'f', 2),
               QStringLiteral("<= 1.02 / 1.01"));
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
        // Start to the password dialog, and a full load and send at line rate,
        // against the floor: the same exchanges by a minimal blocking client.
        ExternalSim sim(true);
        BenchRun s(true, sim.device());
        ExchangeLog log(s.window->link());
        QElapsedTimer load;
        s.start([&] {
            toDialog = secondsSinceProcessStart();
            log.exchanges.clear();
            load.start();
        });
        const double loadSeconds = load.elapsed() / 1000.0;
        const QList<Exchange> loaded = log.exchanges;
        log.exchanges.clear();
        QElapsedTimer send;
        const double cpuBefore = cpuSeconds();
        send.start();
        s.window->CmdInvia->click();
        const double sendSeconds = send.elapsed() / 1000.0;
        const double sendCpu = cpuSeconds() - cpuBefore;
        const QList<Exchange> sent = log.exchanges;
        s.window->close();
        s.window.reset(); // the port is the floor's now
        out << row(QStringLiteral("start to password dialog"),
                   QStringLiteral("%1 s").arg(toDialog, 0, 'f', 3), QStringLiteral("< 1 s"));
        log.exchanges = loaded;
        out << lineRateRow(QStringLiteral("full load"), loadSeconds, log.wireSeconds(),
                           floorSeconds(sim.device(), loaded));
        log.exchanges = sent;
        out << lineRateRow(QStringLiteral("full send"), sendSeconds, log.wireSeconds(),
                           floorSeconds(sim.device(), sent));
        out << row(QStringLiteral("the program's CPU per frame at 2400 baud (send)"),
                   QStringLiteral("%1 us (%2 frames)")
                       .arg(sendCpu * 1e6 / double(sent.size()), 0, 'f', 1)
                       .arg(sent.size()),
                   QStringLiteral("<= 100 us"));
    }
    {
        // The program's own cost per frame, the simulator answering at once:
        // its CPU time, and its wall time beside the floor's for the same
        // frames. A send, on a window already shown and loaded.
        ExternalSim sim(false);
        BenchRun s(false, sim.device());
        ExchangeLog log(s.window->link());
        s.start([] {});
        log.exchanges.clear();
        const double cpuBefore = cpuSeconds();
        QElapsedTimer send;
        send.start();
        s.window->CmdInvia->click();
        const double wall = double(send.nsecsElapsed()) / 1e9;
        const double cpu = cpuSeconds() - cpuBefore;
        const QList<Exchange> sent = log.exchanges;
        s.window->close();
        s.window.reset();
        const double floor = floorSeconds(sim.device(), sent);
        const double frames = double(sent.size());
        out << row(
            QStringLiteral("the program's CPU per frame, instant tester (send)"),
            QStringLiteral("%1 us (%2 frames)").arg(cpu * 1e6 / frames, 0, 'f', 1).arg(frames),
            QStringLiteral("<= 100 us"));
        out << row(QStringLiteral("wall time per frame, instant tester: program / floor"),
                   QStringLiteral("%1 us / %2 us")
                       .arg(wall * 1e6 / frames, 0, 'f', 1)
                       .arg(floor * 1e6 / frames, 0, 'f', 1),
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
