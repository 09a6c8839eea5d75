#include "FrmOrva.h"
#include "TesterSimulator.h"
#include "link/SerialTrace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTextStream>

#include <memory>

namespace {

const QCommandLineOption Port({QStringLiteral("port")},
                              QStringLiteral("Offer DEVICE as a serial port, before the system's "
                                             "ports (repeatable)."),
                              QStringLiteral("DEVICE"));
const QCommandLineOption Demo({QStringLiteral("demo")},
                              QStringLiteral("Start a simulated tester and list it first."));
const QCommandLineOption History({QStringLiteral("history")},
                                 QStringLiteral("The service history: a file, sqlite:FILE or "
                                                "postgresql://user@host:port/database (default: "
                                                "the settings file's, else the user's own)."),
                                 QStringLiteral("URL"));
const QCommandLineOption Trace({QStringLiteral("trace")},
                               QStringLiteral("Write a timestamped hex trace of the serial line "
                                              "to FILE, for a problem report."),
                               QStringLiteral("FILE"));

void describe(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("orvaps"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVAPS_VERSION));
    parser.setApplicationDescription(
        QStringLiteral("Service and set-up tool of the ORVA headlight tester."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({Port, Demo, History, Trace});
}

// --help and --version answer on the terminal, with no display needed.
bool onlyText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--help" || a == "-h" || a == "--help-all" || a == "--version" || a == "-v")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (onlyText(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        describe(parser);
        parser.process(app);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    FrmOrvaOptions options;
    options.version = QStringLiteral(ORVAPS_VERSION);
    std::unique_ptr<TesterSimulator> simulator;
    if (parser.isSet(Demo)) {
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
    options.ports.append(parser.values(Port));
    options.history = parser.value(History);

    FrmOrva window(options);
    SerialTrace serialTrace(window.link());
    if (parser.isSet(Trace)) {
        if (const Result<> opened = serialTrace.open(parser.value(Trace)); !opened) {
            QTextStream(stderr) << "orvaps: " << opened.error().description() << '\n';
            return 2;
        }
    }
    QObject::connect(&window, &FrmOrva::programEnded, &app,
                     [](int status) { QCoreApplication::exit(status); });
    QMetaObject::invokeMethod(&window, &FrmOrva::startUp, Qt::QueuedConnection);
    return app.exec();
}
