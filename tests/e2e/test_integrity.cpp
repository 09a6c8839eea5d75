// Faults of the line against every operation: each ends within its bound and
// either reports success with exactly the tester's values, or reports
// failure; the tester ends up holding nothing the user did not ask for.
#include "CliRun.h"
#include "Harness.h"
#include "MemoryImage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

enum class Fault {
    None,
    LateCheckAnswer, // the first connection check is answered half its limit late
    BytesLeftOnLine, // bytes wait on the line before the program opens it
    ExtraByte,       // one byte too many after a reply, mid-load
    NoiseBurst,      // a burst of noise, mid-load
    SilentMidway,    // the tester stops answering part way, and is back later
    KilledWriter,    // a writer was killed mid-send just before
};

enum class Op { WindowLoad, Read, Write, Calibrate };

} // namespace

Q_DECLARE_METATYPE(Fault)

namespace {

const int TimeoutSeconds = 4;
// Half the program's own limits (those: test_link), so each wait for a
// silent tester is half as long; a late reply stays late for the check and
// in time for the rest, as it is with the program's own.
const QList<std::pair<QString, int>> HalfLimits = {{"connectionMs", 500},
                                                   {"quietMs", 500},
                                                   {"replyMs", 1000},
                                                   {"acknowledgeMs", 1500},
                                                   {"readingMs", 2500}};
const int LateCheckMs = 750;
const QByteArray Admin = "52917\n";

struct Run
{
    CliRun cli; // its simulator is the tester
    Harness window;
    QJsonObject edited;
    QStringList args;
    // The frames the line carried at its real rate; -1: none.
    qsizetype pacedFrames = -1;

    explicit Run(Op op)
    {
        // Firmware 1.02 keeps its factors elsewhere than the default file
        // says: a shifted version text would send a write to the wrong place.
        cli.setLimits(HalfLimits);
        cli.sim.memory() = MemoryImage::forVersion(QStringLiteral("1.02"));
        cli.sim.setReading(9, 7700);
        if (op == Op::Write) {
            edited = CliRun::with(cli.read(), QStringLiteral("manufacturer"), "ACME");
            edited = CliRun::with(edited, QStringLiteral("garageName"), "NEW GARAGE");
            cli.sim.clearFrames();
            args = {"write", "--in", cli.document(edited)};
        } else if (op == Op::Calibrate) {
            args = {"calibrate", "--beam", "high", "--lux", "35", "--yes"};
        } else {
            args = {"read"};
        }
        args << "--timeout" << QString::number(TimeoutSeconds);
    }

    // A write of the values the tester holds, killed at its tenth byte, with
    // the tester pacing the line so its answers are still on their way.
    void killAWriter()
    {
        const QString doc = cli.document(cli.read(), "killed.json");
        cli.sim.clearFrames();
        // Paced from its first byte written: its read before proves nothing here.
        onFrames(cli.sim, 'W', 1, [this] { cli.sim.setPaced(true); });
        QProcess writer;
        writer.setProcessEnvironment(cli.environment()); // never the user's own history
        writer.start(CliRun::program(), {"write", "--in", doc, "--port", cli.sim.devicePath()});
        writer.write(Admin);
        writer.closeWriteChannel();
        onFrames(cli.sim, 'W', 10, [&writer] { writer.kill(); });
        QSignalSpy finished(&writer, &QProcess::finished);
        QVERIFY(finished.wait(20000));
        cli.sim.setPaced(false);
    }

    void inject(Fault fault, Op op)
    {
        // The frame at which a mid-operation fault strikes, by operation.
        const char command = op == Op::Write ? 'W' : op == Op::Calibrate ? 'F' : 'R';
        const int midway = op == Op::Write ? 30 : op == Op::Calibrate ? 1 : 40;
        switch (fault) {
        case Fault::None:
        case Fault::KilledWriter:
            break;
        case Fault::LateCheckAnswer:
            // At the line's pace the late answer and the next check's own
            // come one byte time apart, not in one read. Once the operation
            // is past its checks, the pace proves nothing more.
            cli.sim.setPaced(true);
            cli.sim.delayNextCheckAnswer(LateCheckMs);
            onFrames(cli.sim, 'R', 1, [this] {
                cli.sim.setPaced(false);
                pacedFrames = cli.sim.frames().size();
            });
            break;
        case Fault::BytesLeftOnLine:
            cli.sim.sendUnasked(QByteArray::fromHex("0606520006"));
            QTRY_VERIFY_WITH_TIMEOUT(!cli.sim.isSending(), 2000); // on the line
            break;
        case Fault::ExtraByte:
            onFrames(cli.sim, 'R', 40, [this] { cli.sim.appendToNextReply('1'); });
            break;
        case Fault::NoiseBurst:
            onFrames(cli.sim, 'R', 40,
                     [this] { cli.sim.sendUnasked(QByteArray::fromHex("06f3319a06003c")); });
            break;
        case Fault::SilentMidway:
            onFrames(cli.sim, command, midway, [this] {
                cli.sim.setPowered(false);
                // Back for the next connection check, if the operation asks.
                onFrames(cli.sim, 0x01, int(cli.sim.framesStartingWith(0x01).size()) + 1,
                         [this] { cli.sim.setPowered(true); });
            });
            break;
        }
    }
};

// What a fault-free run of the operation leaves: its document (reads) or the
// tester's memory (writes).
struct Reference
{
    QJsonObject document;
    QByteArray memory;
};

QJsonObject withoutTime(QJsonObject doc)
{
    doc.remove(QStringLiteral("readAt"));
    return doc;
}

Reference reference(Op op)
{
    Run r(op);
    const CliResult result = r.cli.run(r.args, Admin);
    return {withoutTime(QJsonDocument::fromJson(result.out).object()), r.cli.sim.memory()};
}

// How long the line itself needs for the first `paced` frames the tester
// received, which it carried at the real line rate (10 bits a byte at 2400
// baud).
qint64 wireMs(const TesterSimulator &sim, qsizetype paced)
{
    qint64 bytes = 0;
    for (const QByteArray &f : sim.frames().first(std::max<qsizetype>(paced, 0)))
        bytes += f.size() + (f.at(0) == 'F' ? 4 : f.at(0) == 'D' || f.at(0) == 'C' ? 0 : 1);
    return bytes * 10 * 1000 / 2400;
}

void addFaults()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("none") << Fault::None;
    QTest::newRow("late check answer") << Fault::LateCheckAnswer;
    QTest::newRow("bytes left on the line") << Fault::BytesLeftOnLine;
    QTest::newRow("extra byte mid-load") << Fault::ExtraByte;
    QTest::newRow("noise burst mid-load") << Fault::NoiseBurst;
    QTest::newRow("silent midway") << Fault::SilentMidway;
    QTest::newRow("writer killed before") << Fault::KilledWriter;
}

} // namespace

class TestIntegrity : public QObject
{
    Q_OBJECT
private slots:
    void windowLoad_data() { addFaults(); }
    void windowLoad();
    void read_data() { addFaults(); }
    void read() { runCli(Op::Read); }
    void write_data() { addFaults(); }
    void write() { runCli(Op::Write); }
    void calibrate_data() { addFaults(); }
    void calibrate() { runCli(Op::Calibrate); }

private:
    void runCli(Op op);
};

void TestIntegrity::windowLoad()
{
    QFETCH(Fault, fault);
    static const Reference clean = reference(Op::Read);
    Run r(Op::Read);
    if (fault == Fault::KilledWriter)
        r.killAWriter();
    const QByteArray before = r.cli.sim.memory();
    r.inject(fault, Op::Read);
    // The window waits for the tester for as long as it takes; it must end
    // with the tester's true values. Its limits come from the same settings.
    r.cli.shareSettingsWithWindows();
    QVERIFY(r.window.start(QStringLiteral("52917"), 20000, {r.cli.sim.devicePath()}));
    const QJsonObject shown = withoutTime(r.window.window->tester().document());
    QCOMPARE(shown.value("fields"), clean.document.value("fields"));
    QCOMPARE(shown.value("parameterFile"), clean.document.value("parameterFile"));
    QCOMPARE(r.cli.sim.memory(), before);
}

void TestIntegrity::runCli(Op op)
{
    QFETCH(Fault, fault);
    Run r(op);
    static QHash<Op, Reference> references;
    if (!references.contains(op))
        references.insert(op, reference(op));
    const Reference clean = references.value(op);
    if (fault == Fault::KilledWriter)
        r.killAWriter();
    const QByteArray before = r.cli.sim.memory();
    r.inject(fault, op);
    const CliResult result = r.cli.run(r.args, Admin, 40000);
    QVERIFY2(result.status >= 0, "crashed or hung");
    // No longer than the line needs, the time limit and a few seconds.
    const qint64 bound = wireMs(r.cli.sim, r.pacedFrames) + (TimeoutSeconds + 6) * 1000;
    QVERIFY2(result.ms < bound, qPrintable(QStringLiteral("%1 ms").arg(result.ms)));
    const QByteArray after = r.cli.sim.memory();
    if (op == Op::Read) {
        QCOMPARE(after, before);
        if (result.status == 0) {
            QCOMPARE(withoutTime(QJsonDocument::fromJson(result.out).object()), clean.document);
        } else {
            QVERIFY2(!result.err.isEmpty(), "a failure must say what went wrong");
        }
        return;
    }
    // Every byte is either as it was or as the fault-free run left it.
    const QByteArray &wanted = clean.memory;
    for (int a = 0; a < after.size(); ++a)
        if (after.at(a) != before.at(a) && after.at(a) != wanted.at(a))
            QFAIL(qPrintable(QStringLiteral("address %1h holds %2h, asked for %3h (was %4h)")
                                 .arg(a, 4, 16, QLatin1Char('0'))
                                 .arg(quint8(after.at(a)), 2, 16, QLatin1Char('0'))
                                 .arg(quint8(wanted.at(a)), 2, 16, QLatin1Char('0'))
                                 .arg(quint8(before.at(a)), 2, 16, QLatin1Char('0'))));
    if (result.status == 0) {
        QCOMPARE(after, wanted);
    } else {
        QVERIFY2(!result.err.isEmpty(), "a failure must say what went wrong");
    }
}

QTEST_MAIN(TestIntegrity)
#include "test_integrity.moc"
