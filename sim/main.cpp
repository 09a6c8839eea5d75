#include "MemoryImage.h"
#include "TesterSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orva-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated ORVA headlight tester on a pseudo-terminal. Prints the device "
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
    parser.addOptions({version, paced, off, delay});
    parser.process(app);

    TesterSimulator sim;
    sim.memory() = MemoryImage::forVersion(parser.value(version));
    sim.setPaced(parser.isSet(paced));
    sim.setPowered(!parser.isSet(off));
    sim.setReplyDelayMs(parser.value(delay).toInt());
    QString error;
    if (!sim.start(&error)) {
        QTextStream(stderr) << "orva-sim: cannot open a pseudo-terminal: " << error << '\n';
        return 1;
    }
    QTextStream(stdout) << sim.devicePath() << Qt::endl;

    // End cleanly on Ctrl+C or kill.
    static int pipeFds[2];
    if (::pipe(pipeFds) == 0) {
        std::signal(SIGINT, [](int) { (void)!::write(pipeFds[1], "x", 1); });
        std::signal(SIGTERM, [](int) { (void)!::write(pipeFds[1], "x", 1); });
        auto *quit = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, &app);
        QObject::connect(quit, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
