#include "Harness.h"

#include "CliRun.h"

#include "FrmPassword.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

Harness::Harness()
{
    QStandardPaths::setTestModeEnabled(true); // backups go to a test folder
    QString error;
    if (!sim.start(&error))
        qFatal("cannot start the simulator: %s", qPrintable(error));
    for (const QString &name : QDir(QStringLiteral(ORVA_DATA_DIR)).entryList({"*.ini"}))
        QFile::copy(QStringLiteral(ORVA_DATA_DIR "/") + name, folder.filePath(name));
}

void Harness::writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(contents);
}

void Harness::editFile(const QString &name, const std::function<QString(const QString &)> &edit)
{
    QFile in(folder.filePath(name));
    in.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = in.readAll().split('\n');
    in.close();
    QByteArray out;
    for (QByteArray line : lines) {
        if (line.isEmpty())
            continue;
        line.chop(line.endsWith('\r') ? 1 : 0);
        const QString edited = edit(QString::fromLatin1(line));
        if (!edited.isNull())
            out += edited.toLatin1() + "\r\n";
    }
    writeFile(name, out);
}

FrmOrva &Harness::create(const QStringList &ports, const QString &history)
{
    FrmOrvaOptions options;
    options.ports = ports.isEmpty() ? QStringList{sim.devicePath()} : ports;
    options.systemPorts = false;
    options.programFolder = folder.path();
    options.history =
        history.isEmpty() ? folder.filePath(QStringLiteral("history.sqlite")) : history;
    window = std::make_unique<FrmOrva>(options, &prompts);
    QObject::connect(window.get(), &FrmOrva::programEnded, [this](int s) { endedWith = s; });
    return *window;
}

void Harness::shortLimits()
{
    TesterLink::Limits &limits = window->tester().link().limits;
    limits.connectionMs = 300;
    limits.quietMs = 300;
    limits.readMs = 600;
    limits.ackMs = 500;
    limits.photodiodeMs = 700;
}

bool Harness::start(const QString &password, int deadlineMs, const QStringList &ports)
{
    if (!window)
        create(ports);
    FrmOrva *w = window.get();
    QTimer::singleShot(0, w, [w, password] {
        w->password()->TestoPassword->setText(password);
        w->password()->CmdOk->click();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, w, [this, w] {
        timedOut = true;
        w->close();
    });
    watchdog.start(deadlineMs);
    w->startUp();
    return watchdog.isActive() && w->session().parametersLoaded;
}

bool Harness::click(const QString &button, int deadlineMs)
{
    FrmOrva *w = window.get();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, w, [this, w] {
        timedOut = true;
        w->close();
    });
    watchdog.start(deadlineMs);
    auto *b = w->findChild<QPushButton *>(button);
    for (int page = 0; b && page < w->SSTab1->count(); ++page) // show the button's page
        if (w->SSTab1->widget(page)->isAncestorOf(b))
            w->SSTab1->setCurrentIndex(page);
    if (!b || !b->isVisible() || !b->isEnabled())
        return false;
    b->click();
    return watchdog.isActive();
}

void Harness::whenFrames(char command, int count, std::function<void()> action)
{
    // Act from the event loop, as a user's click would.
    onFrames(sim, command, count, [this, action] { QTimer::singleShot(0, &sim, action); });
}

int frameAddress(const QByteArray &frame)
{
    return frame.size() >= 3 ? (quint8(frame.at(1)) << 8) | quint8(frame.at(2)) : -1;
}
