#include "FrmOrva.h"
#include "MessageBoxPrompts.h"
#include "TesterSimulator.h"
#include "base/Translations.h"
#include "link/LineAddress.h"
#include "link/SerialTrace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <QCoreApplication>
#include <memory>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AppMain)
};

const QCommandLineOption
    Port({QStringLiteral("port")},
         QT_TRANSLATE_NOOP("AppMain", "Offer DEVICE as a serial port, before the system's "
                                      "ports (repeatable); tcp://HOST:PORT or "
                                      "rfc2217://HOST:PORT names a serial-to-network bridge."),
         QStringLiteral("DEVICE"));
const QCommandLineOption Demo({QStringLiteral("demo")},
                              QT_TRANSLATE_NOOP("AppMain",
                                                "Start a simulated tester and list it first."));
const QCommandLineOption History({QStringLiteral("history")},
                                 QT_TRANSLATE_NOOP("AppMain",
                                                   "The service history: a file, sqlite:FILE or "
                                                   "postgresql://user@host:port/database (default: "
                                                   "the settings file's, else the user's own)."),
                                 QStringLiteral("URL"));
const QCommandLineOption Trace({QStringLiteral("trace")},
                               QT_TRANSLATE_NOOP("AppMain",
                                                 "Write a timestamped hex trace of the serial line "
                                                 "to FILE, for a problem report."),
                               QStringLiteral("FILE"));

void describe(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("orvaps"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVAPS_VERSION));
    parser.setApplicationDescription(
        Texts::tr("Service and set-up tool of the ORVA headlight tester."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QCommandLineOption &option : {Port, Demo, History, Trace})
        parser.addOption(Translations::translated(option, "AppMain"));
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
        Translations::install(app);
        QCommandLineParser parser;
        describe(parser);
        parser.process(app);
        return 0;
    }
    QApplication app(argc, argv);
    Translations::install(app);
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
            MessageBoxPrompts().critical(
                nullptr, Texts::tr("ORVA demo"),
                Texts::tr("The simulated tester could not start: %1").arg(error));
            return 1;
        }
        options.ports.append(simulator->devicePath());
    }
    for (const QString &port : parser.values(Port)) {
        if (const Result<LineAddress> line = LineAddress::parse(port); !line) {
            QTextStream(stderr) << "orvaps: " << line.error().description() << '\n';
            return 2;
        }
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
