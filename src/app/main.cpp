#include "FrmOrva.h"
#include "TesterSimulator.h"
#include "link/SerialTrace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTextStream>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvaps"));
    QApplication::setApplicationVersion(QStringLiteral(ORVAPS_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Service and set-up tool of the ORVA headlight tester."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port({QStringLiteral("port")},
                                  QStringLiteral("Offer DEVICE as a serial port, before the "
                                                 "system's ports (repeatable)."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption demo({QStringLiteral("demo")},
                                  QStringLiteral("Start a simulated tester and list it first."));
    const QCommandLineOption trace({QStringLiteral("trace")},
                                   QStringLiteral("Write a timestamped hex trace of the serial "
                                                  "line to FILE, for a problem report."),
                                   QStringLiteral("FILE"));
    parser.addOptions({port, demo, trace});
    parser.process(app);

    FrmOrvaOptions options;
    options.version = QStringLiteral(ORVAPS_VERSION);
    std::unique_ptr<TesterSimulator> simulator;
    if (parser.isSet(demo)) {
        simulator = std::make_unique<TesterSimulator>();
        QString error;
        if (!simulator->start(&error)) {
            QMessageBox::critical(
                nullptr, QStringLiteral("ORVA demo"),
                QStringLiteral("The simulated tester could not start: %1").arg(error));
            return 1;
        }
        options.ports.append(simulator->devicePath());
    }
    options.ports.append(parser.values(port));

    FrmOrva window(options);
    SerialTrace serialTrace(window.link());
    if (parser.isSet(trace)) {
        QString error;
        if (!serialTrace.open(parser.value(trace), &error)) {
            QTextStream(stderr) << "orvaps: cannot write the trace file " << parser.value(trace)
                                << ": " << error << '\n';
            return 2;
        }
    }
    QObject::connect(&window, &FrmOrva::programEnded, &app,
                     [](int status) { QCoreApplication::exit(status); });
    QMetaObject::invokeMethod(&window, &FrmOrva::startUp, Qt::QueuedConnection);
    return app.exec();
}
