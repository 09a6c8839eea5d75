#include "CliCall.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "ExitStatus.h"
#include "SharedOptions.h"
#include "TesterPrologue.h"
#include "base/RegularFile.h"
#include "commands/Commands.h"
#include "history/HistoryEntry.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>

#include <filesystem>

using CliOutput::fail;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)
};
struct UsageTexts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

const QCommandLineOption In({QStringLiteral("in")},
                            QT_TRANSLATE_NOOP("CliMain", "The document to write."),
                            QStringLiteral("FILE"));

// The same file, by any name or link: a trace must not write over the
// document it reads.
bool sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemAbsoluteFilePath(),
                                       QFileInfo(b).filesystemAbsoluteFilePath(), error) &&
           !error;
}

int write(CliSession &cli, const CliCall &call, AccessLevel level)
{
    const QString inFile = call.parser.value(In);
    // A document is a few kilobytes: a FIFO, a device or anything huge is
    // refused before it can hang the command.
    const Result<QByteArray> contents = RegularFile::read(inFile, 1 << 20);
    if (!contents)
        return fail(ExitBadInput,
                    Texts::tr("cannot read %1: %2").arg(inFile, contents.error().description()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(*contents, &parseError);
    if (!doc.isObject())
        return fail(
            ExitBadInput,
            Texts::tr("%1 is not a parameter document: %2").arg(inFile, parseError.errorString()));
    if (level == AccessLevel::Unknown)
        return fail(ExitAccessRefused, Texts::tr("this password may not change any parameter"));
    cli.setLevel(level);
    const QString device = call.parser.value(SharedOptions::Port);
    if (const int s = cli.begin(device, true))
        return s;
    if (const int s = cli.apply(doc.object(), inFile, level, false))
        return s;
    // Checked once the document is known to be one this password may write.
    const QString serial = cli.session().testerState().serial();
    const QString wanted = TesterState::fromDocument(doc.object()).serial();
    if (!wanted.isEmpty() && wanted != serial && !call.parser.isSet(SharedOptions::OtherTester))
        return fail(ExitBadInput, Texts::tr("%1 holds the serial number %2, not %3 of the tester "
                                            "on %4: nothing was written (--other-tester writes "
                                            "it anyway, also to change the serial number)")
                                      .arg(inFile, wanted, serial, device));
    cli.session().policy().verifyWrites = !call.parser.isSet(SharedOptions::NoVerify);
    return cli.finished(cli.session().send());
}

int run(CliCall &call)
{
    if (const int s = TesterPrologue::check(call))
        return s;
    const QCommandLineParser &parser = call.parser;
    if (!parser.isSet(In))
        return call.usage(UsageTexts::tr("--in FILE is needed"));
    if (parser.isSet(SharedOptions::Trace) &&
        sameFile(parser.value(SharedOptions::Trace), parser.value(In)))
        return call.usage(UsageTexts::tr("--trace names the file --in reads"));
    return TesterPrologue::runWithPassword(
        call, [&](CliSession &cli, AccessLevel level) { return write(cli, call, level); });
}

} // namespace

CliCommand Commands::write()
{
    return {"write",
            "write --port DEVICE --in FILE [--no-verify] [--other-tester]",
            QT_TRANSLATE_NOOP("CliMain", "Write a document's changes, then read them back."),
            QList<QCommandLineOption>{SharedOptions::Port, In, SharedOptions::NoVerify,
                                      SharedOptions::OtherTester} +
                SharedOptions::line(),
            {},
            &run};
}
