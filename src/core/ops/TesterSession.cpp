#include "TesterSession.h"

#include "LoadParameters.h"
#include "ParameterDocument.h"
#include "PhotodiodeCalibration.h"
#include "ResetParameterFields.h"
#include "SendParameters.h"
#include "access/ListRules.h"
#include "form/OrvaForm.h"
#include "params/Catalogue.h"

TesterSession::TesterSession(OrvaForm &form, const SessionOptions &options)
    : m_form(form)
    , m_ports(options.ports, options.systemPorts)
    , m_link(m_serial, m_abort)
    , m_tester(m_link, form, m_state)
    , m_ctx{form, m_tester, m_state, m_policy}
{
    m_state.programFolder = options.programFolder;
    m_state.parameterFilePath = m_state.defaultFile();
    m_form.listChanged = [this](Control list) {
        ListRules::listChanged(m_form, m_state.parametersLoaded, list);
    };
}

void TesterSession::prepare()
{
    m_state.parameterFilePath = m_state.defaultFile();
    m_abort.clear();
    m_state.parametersLoaded = false;
    ResetParameterFields(m_form);
    m_form.setItems(Control::ListaTipoFaro, Catalogue::lampTypes());
    m_form.setCurrentIndex(Control::ListaTipoFaro, 0);
}

Result<> TesterSession::openPort(std::optional<int> number)
{
    m_serial.close();
    const auto device = number ? m_ports.device(*number) : std::nullopt;
    if (!device)
        return OrvaError(ErrorNumber::InvalidPortNumber,
                         QStringLiteral("Invalid port number: no serial device has this number."));
    return m_serial.open(*device);
}

Outcome TesterSession::load()
{
    const Outcome o = LoadParameters(m_ctx);
    if (o.succeeded())
        m_lastRead = document();
    return o;
}

Outcome TesterSession::send()
{
    return SendParameters(m_ctx);
}

Outcome TesterSession::calibrate(Beam beam)
{
    return LuxCalibration(m_ctx, beam);
}

Outcome TesterSession::calibratePhotodiode()
{
    return PhotodiodeCalibration(m_ctx);
}

QJsonObject TesterSession::document() const
{
    return ParameterDocument::fromForm(m_form, m_state);
}
