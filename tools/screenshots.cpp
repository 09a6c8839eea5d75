// Pictures of the windows for the user guide: the password dialog, then both
// tab pages showing the simulated tester's values. Usage: orva-screenshots DIR
#include "FrmOrva.h"
#include "FrmPassword.h"
#include "TesterSimulator.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    TesterSimulator sim;
    if (!sim.start())
        return 1;
    FrmOrvaOptions options;
    options.ports = {sim.devicePath()};
    options.systemPorts = false;
    FrmOrva window(options);
    bool saved = true;
    const auto save = [&](QWidget *w, const QString &name) {
        saved = w->grab().save(out.filePath(name)) && saved;
        QTextStream(stdout) << out.filePath(name) << '\n';
    };
    QTimer::singleShot(300, &window, [&] {
        window.password()->TestoPassword->setText(QStringLiteral("52917"));
        save(window.password(), QStringLiteral("password.png"));
        window.password()->CmdOk->click();
    });
    window.startUp();
    QTimer::singleShot(300, &window, [&] {
        save(&window, QStringLiteral("page1.png"));
        window.SSTab1->setCurrentIndex(1);
        QTimer::singleShot(300, &window, [&] {
            save(&window, QStringLiteral("page2.png"));
            window.close();
        });
    });
    QObject::connect(&window, &FrmOrva::programEnded, &app, [](int) { QCoreApplication::quit(); });
    app.exec();
    return saved ? 0 : 1;
}
