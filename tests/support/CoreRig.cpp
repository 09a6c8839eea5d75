#include "CoreRig.h"

#include "TestServer.h"
#include "ops/ParameterDocument.h"

#include <QDir>
#include <QFile>

namespace {

SessionOptions optionsIn(const QTemporaryDir &folder)
{
    // Records kept on this machine go to the rig's own folder, not the
    // user's, nor another test's running beside it.
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
    for (const QString &name : QDir(QStringLiteral(ORVA_DATA_DIR)).entryList({"*.ini"}))
        QFile::copy(QStringLiteral(ORVA_DATA_DIR "/") + name, folder.filePath(name));
    return SessionOptions{folder.path(), {}, false};
}

} // namespace

CoreRig::CoreRig()
    : session(form, optionsIn(folder))
{
    QString error;
    if (!sim.start(&error))
        qFatal("cannot start the simulator: %s", qPrintable(error));
    // As orva-cli wires its session: a tester that does not answer ends the
    // load, and nothing reloads behind the test's back.
    session.policy().giveUpAfterMs = 4000;
    session.policy().reloadWhenNoTester = false;
    session.prepare();
    session.state().accessLevel = [] { return AccessLevel::Administrator; };
}

void CoreRig::useHistory()
{
    const QString url = TestServer::running() ? TestServer::freshDatabase(QStringLiteral("core"))
                                              : folder.filePath(QStringLiteral("history.sqlite"));
    // Opened as both programs open theirs: a server's through this machine's copy.
    QDir(folder.path()).mkpath(QStringLiteral("config/orvaps"));
    QFile settings(folder.filePath(QStringLiteral("config/orvaps/orvaps.ini")));
    settings.open(QIODevice::WriteOnly);
    settings.write(QStringLiteral("[history]\npassword=%1\n").arg(TestServer::password()).toUtf8());
    settings.close();
    auto opened = ServiceHistory::openConfigured(url);
    if (!opened)
        qFatal("%s", qPrintable(opened.error().description()));
    history = std::move(opened.value());
    session.setHistory(history.get());
}

bool CoreRig::start()
{
    if (!session.serial().open(sim.devicePath()))
        return false;
    return session.load().succeeded();
}

void CoreRig::shortLimits()
{
    TesterLink::Limits &l = session.link().limits;
    l.connectionMs = 300;
    l.readMs = 300;
    l.ackMs = 300;
    l.photodiodeMs = 300;
    l.quietMs = 200;
    session.policy().giveUpAfterMs = 1000;
}

HistoryEntry CoreRig::latest() const
{
    const auto entries = history->entries();
    if (!entries || entries->isEmpty())
        return {};
    return entries->first();
}

QJsonObject CoreRig::documentOf(const HistoryEntry &entry, Which which)
{
    return entry.toJson(true).value(which == Which::Before ? "before" : "after").toObject();
}

QJsonObject CoreRig::fields() const
{
    return session.document().value("fields").toObject();
}

QStringList CoreRig::apply(const QJsonObject &fields, AccessLevel level, bool factors)
{
    QJsonObject document = session.document();
    QJsonObject all = document.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        all.insert(it.key(), *it);
    document.insert("fields", all);
    const ParameterDocument::Problems p = ParameterDocument::apply(form, document, level, factors);
    return p.refused + p.invalid;
}
