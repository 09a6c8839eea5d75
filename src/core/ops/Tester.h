#pragma once

#include "WrittenBytes.h"
#include "base/Result.h"
#include "base/WriteMode.h"
#include "link/TesterLink.h"
#include "params/WriteEncoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

#include <optional>

class OrvaForm;
struct Definition;
struct Session;

// Thrown inside an operation when the tester stops answering or the line
// loses step: the operation unwinds to where it decides what that means (a
// load starts again, a send reports where it stopped).
struct TesterLost
{
    LinkStatus status;
    std::optional<quint16> address; // the address it stopped at, when it was one
};

// The tester's parameters by key: each command finds its key's definitions in
// the parameter file in use and shows in the status line what it waits for.
class Tester
{
public:
    Tester(TesterLink &link, OrvaForm &form, Session &session);

    TesterLink &link() { return m_link; }

    // The connection check with its status text; true when the tester
    // acknowledged. Clears the status line then.
    bool checkConnection();
    // A final check that the line is still in step, with a quiet tail.
    bool confirmInStep();

    // The bytes of a parameter; empty when the file has no usable definition
    // of the key. An error when the parameter file cannot be read. Throws
    // TesterLost.
    Result<QByteArray> readParameter(const QString &key);

    enum class Written { Done, Aborted };
    // Every definition of the key, in file order. Lines with nothing to send
    // are collected in notSent(). Throws TesterLost.
    Result<Written> writeParameter(const QString &value, const QString &key, WriteMode mode);
    // The tester's own bytes back to every definition of their length.
    Result<Written> writeKept(const QString &key, const QByteArray &raw);
    QList<Unsent> takeNotSent();
    // Every definition written since the last clear, in order, with what
    // the tester acknowledged of it.
    const WritePlan &written() const { return m_written; }
    void clearWritten() { m_written.clear(); }
    // A load reads them all again, perhaps from another tester.
    void forgetHeld() { m_held.clear(); }

    // Throws TesterLost when the clock cannot go out in step.
    void sendDateTime(const QDateTime &local);
    // The four-byte reading of a channel; nullopt when Abort was pressed.
    // Throws TesterLost, also when the line does not stay quiet after it.
    std::optional<quint32> readPhotodiode(quint8 channel);
    void startPhotodiodeCalibration();

    // The session's parameter file, read again only when it has changed.
    Result<QStringList> parameterLines();

private:
    Result<Written> writeDefinitions(const QString &key,
                                     const std::function<Encoded(const Definition &)> &encode);

    TesterLink &m_link;
    OrvaForm &m_form;
    Session &m_session;
    QList<Unsent> m_notSent;
    WritePlan m_written;
    // The tester's bytes by address, as last read or acknowledged.
    QHash<quint16, char> m_held;
    std::optional<Result<QStringList>> m_lines;
    QString m_linesPath;
    QDateTime m_linesModified;
    qint64 m_linesSize = -1;
};
