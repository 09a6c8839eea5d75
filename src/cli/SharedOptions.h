#pragma once

#include <QCommandLineOption>

// The options more than one command offers, with one meaning everywhere.
// A description names the option's default as %1.
namespace SharedOptions {

extern const QCommandLineOption Port;
extern const QCommandLineOption Timeout;
extern const QCommandLineOption Trace;
extern const QCommandLineOption History;
extern const QCommandLineOption NoHistory;
extern const QCommandLineOption NoVerify;
extern const QCommandLineOption OtherTester;
extern const QCommandLineOption Serial;
extern const QCommandLineOption Json;

// What every command that talks to the tester offers after its own options.
QList<QCommandLineOption> line(bool noHistory = true);

} // namespace SharedOptions
