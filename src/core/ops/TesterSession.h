#pragma once

#include "LuxCalibration.h"
#include "OpContext.h"
#include "Outcome.h"
#include "Session.h"
#include "Tester.h"
#include "link/AbortFlag.h"
#include "link/PortCatalogue.h"
#include "link/SerialLink.h"
#include "link/TesterLink.h"

#include <QJsonObject>
#include <QStringList>

class OrvaForm;

struct SessionOptions
{
    QString programFolder;   // where the parameter files are
    QStringList ports;       // devices offered first, in order
    bool systemPorts = true; // then the system's serial devices
};

// One tester session, wired once for both front ends: the port and its
// probe, the abort flag, the program-wide state, the tester's commands and
// the operations, acting on a form.
class TesterSession
{
public:
    TesterSession(OrvaForm &form, const SessionOptions &options);
    TesterSession(const TesterSession &) = delete;
    TesterSession &operator=(const TesterSession &) = delete;

    SerialLink &serial() { return m_serial; }
    AbortFlag &abortFlag() { return m_abort; }
    TesterLink &link() { return m_link; }
    Session &state() { return m_state; }
    const Session &state() const { return m_state; }
    OpPolicy &policy() { return m_policy; }
    const PortCatalogue &ports() const { return m_ports; }

    // The start-up state: the default parameter file, the flags cleared, the
    // fields at their neutral values and the lamp types listed.
    void prepare();
    // "Com n": closes the port in use and opens that one.
    Result<> openPort(std::optional<int> number);

    Outcome load();
    Outcome send();
    Outcome calibrate(Beam beam);
    Outcome calibratePhotodiode();

    // The form's values as a parameter document.
    QJsonObject document() const;
    // The document of the last completed load; empty before one.
    QJsonObject lastRead() const { return m_lastRead; }

private:
    OrvaForm &m_form;
    PortCatalogue m_ports;
    SerialLink m_serial;
    AbortFlag m_abort;
    TesterLink m_link;
    Session m_state;
    Tester m_tester;
    OpPolicy m_policy;
    OpContext m_ctx;
    QJsonObject m_lastRead;
};
