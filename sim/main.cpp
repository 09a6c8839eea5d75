#include "MemoryImage.h"
#include "TesterSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orva-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated ORVA headlight tester on a pseudo-terminal (with --tcp, or on "
                       "Windows, behind a TCP port on 127.0.0.1). Prints the device or address "
                       "to connect to (orvaps --port DEVICE) and runs until interrupted."));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("firmware")},
                                     QStringLiteral("Firmware version to report (1.00 or 1.02)."),
                                     QStringLiteral("VERSION"), QStringLiteral("1.00"));
    const QCommandLineOption paced({QStringLiteral("paced")},
                                   QStringLiteral("Send and receive at the real line rate."));
    const QCommandLineOption off({QStringLiteral("off")},
                                 QStringLiteral("Start switched off (silent)."));
    const QCommandLineOption delay({QStringLiteral("delay")},
                                   QStringLiteral("Delay every reply by MS milliseconds."),
                                   QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption tcp({QStringLiteral("tcp")},
                                 QStringLiteral("Listen on 127.0.0.1:PORT as a serial-to-network "
                                                "bridge does (0: any free port)."),
                                 QStringLiteral("PORT"));
    parser.addOptions({version, paced, off, delay, tcp});
    parser.process(app);

    TesterSimulator sim;
    sim.memory() = MemoryImage::forVersion(parser.value(version));
    sim.setPaced(parser.isSet(paced));
    sim.setPowered(!parser.isSet(off));
    sim.setReplyDelayMs(parser.value(delay).toInt());
    QString error;
    bool portOk = true;
    const uint port = parser.value(tcp).toUInt(&portOk);
    if (parser.isSet(tcp) && (!portOk || port > 65535)) {
        QTextStream(stderr) << "orva-sim: --tcp takes a port number from 0 to 65535\n";
        return 2;
    }
    if (!(parser.isSet(tcp) ? sim.startTcp(quint16(port), &error) : sim.start(&error))) {
        QTextStream(stderr) << "orva-sim: cannot offer the line: " << error << '\n';
        return 1;
    }
    QTextStream(stdout) << sim.devicePath() << Qt::endl;

#ifndef Q_OS_WIN
    // End cleanly on Ctrl+C or kill.
    static int pipeFds[2];
    if (::pipe(pipeFds) == 0) {
        std::signal(SIGINT, [](int) { (void)!::write(pipeFds[1], "x", 1); });
        std::signal(SIGTERM, [](int) { (void)!::write(pipeFds[1], "x", 1); });
        auto *quit = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, &app);
        QObject::connect(quit, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    }
#endif
    return app.exec();
}
