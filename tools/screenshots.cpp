// Pictures of the windows for the user guide: the password dialog, both tab
// pages showing the simulated tester's values, a window with changes not sent
// and one at a level that may change little. Usage: orva-screenshots DIR
// The parameter files are copied to a neutral program folder first, so the
// pictures show where an installed program keeps them.
#include "FrmOrva.h"
#include "FrmPassword.h"
#include "TesterSimulator.h"
#include "base/Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// /opt/orvaps where it can be made, else a folder of that name in the home.
QString neutralFolder()
{
    for (const QString &folder :
         {QStringLiteral("/opt/orvaps"), QDir::home().filePath(QStringLiteral("orvaps"))}) {
        if (!QDir().mkpath(folder))
            continue;
        bool copied = true;
        for (const QString &name :
             QDir(QCoreApplication::applicationDirPath()).entryList({QStringLiteral("*.ini")})) {
            QFile::remove(QDir(folder).filePath(name));
            copied = QFile::copy(QCoreApplication::applicationDirPath() + u'/' + name,
                                 QDir(folder).filePath(name)) &&
                     copied;
        }
        if (copied)
            return folder;
    }
    return QCoreApplication::applicationDirPath();
}

// One window run: the password, the load, then `pictures` once it has loaded.
bool run(const QString &password, const QString &folder, const QString &history,
         const std::function<void(FrmOrva &)> &pictures)
{
    TesterSimulator sim;
    if (!sim.start())
        return false;
    FrmOrvaOptions options;
    options.ports = {sim.devicePath()};
    options.systemPorts = false;
    options.programFolder = folder;
    options.history = history;
    FrmOrva window(options);
    QTimer::singleShot(300, &window, [&] {
        window.password()->TestoPassword->setText(password);
        window.password()->CmdOk->click();
    });
    window.startUp();
    QEventLoop loop;
    QObject::connect(&window, &FrmOrva::programEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(300, &window, [&] {
        pictures(window);
        window.close();
    });
    loop.exec();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    const QString folder = neutralFolder();
    QTemporaryDir scratch; // the pictures' own history, not the user's
    const QString history = scratch.filePath(QStringLiteral("history.sqlite"));
    bool saved = true;
    const auto save = [&](QWidget *w, const QString &name) {
        saved = w->grab().save(out.filePath(name)) && saved;
        QTextStream(stdout) << out.filePath(name) << '\n';
    };
    const auto settle = [] {
        QEventLoop wait;
        QTimer::singleShot(300, &wait, &QEventLoop::quit);
        wait.exec();
    };
    run(QStringLiteral("52917"), folder, history, [&](FrmOrva &window) {
        save(&window, QStringLiteral("page1.png"));
        window.SSTab1->setCurrentIndex(1);
        settle();
        save(&window, QStringLiteral("page2.png"));
        window.SSTab1->setCurrentIndex(0);
        window.TestoNomeOfficina->setText(QStringLiteral("CARROZZERIA BIANCHI"));
        window.TestoIndirizzo1->setText(QStringLiteral("VIA GARIBALDI 8"));
        window.ChkEnForzatura->setChecked(true);
        settle();
        save(&window, QStringLiteral("pending.png"));
        // Leave without the question: put the values back.
        window.TestoNomeOfficina->setText(QStringLiteral("AUTOFFICINA ROSSI"));
        window.TestoIndirizzo1->setText(QStringLiteral("VIA ROMA 12"));
        window.ChkEnForzatura->setChecked(false);
    });
    run(QStringLiteral("27754"), folder, history,
        [&](FrmOrva &window) { save(&window, QStringLiteral("technician.png")); });
    // The window as an Italian desktop shows it.
    Translations::install(app, QLocale(QLocale::Italian, QLocale::Italy));
    run(QStringLiteral("52917"), folder, history,
        [&](FrmOrva &window) { save(&window, QStringLiteral("page1-it.png")); });
    Translations::install(app, QLocale::c());
    {
        TesterSimulator sim;
        sim.start();
        FrmOrvaOptions options;
        options.ports = {sim.devicePath()};
        options.systemPorts = false;
        options.programFolder = folder;
        options.history = history;
        FrmOrva window(options);
        QTimer::singleShot(300, &window, [&] {
            window.password()->TestoPassword->setText(QStringLiteral("52917"));
            save(window.password(), QStringLiteral("password.png"));
            window.close();
        });
        window.startUp();
    }
    return saved ? 0 : 1;
}
