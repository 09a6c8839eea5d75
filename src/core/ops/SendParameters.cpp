#include "SendParameters.h"

#include "LoadParameters.h"
#include "OrvaForm.h"
#include "Session.h"
#include "TransferProgress.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/Frames.h"
#include "link/OrvaError.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"

#include <QDateTime>

namespace {

const QString AbortButton = QStringLiteral("CmdInterrompiParametri");
const QString ConnectionTitle = QStringLiteral("ORVA connection ...");

// Writes everything; stops where the tester stopped acknowledging, once the
// user has been told.
void writeAll(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    Equipment &eq = ctx.equipment;
    const auto report = [&](const WriteOutcome &o) {
        if (o.status != WriteOutcome::NoAck)
            return true;
        form.critical(ConnectionTitle,
                      QStringLiteral("Transmission Parameters INCOMPLETE: ORVA equipment did not "
                                     "acknowledge address %1h and stopped answering.\r\n"
                                     "The equipment now holds only part of the new parameters: "
                                     "check the connection and the power supply, then SEND the "
                                     "parameters AGAIN.")
                          .arg(o.address));
        return false;
    };

    QString language = form.currentText(QStringLiteral("ListaLingua"));
    const QString languageKey = form.currentText(QStringLiteral("ListaLingua1"));
    qint64 total = 0;
    try {
        total = ParameterFile::bytesToWrite(ParameterFile::readLines(ctx.session.parameterFilePath),
                                            QStringList{languageKey} + Catalogue::sendKeys());
    } catch (const OrvaError &) {
        // the writes themselves report a missing file
    }
    const TransferProgress progress(ctx, total);
    if (!report(eq.writeParameter(language, languageKey, QStringLiteral("2"))))
        return;
    for (const CatalogueEntry &e : Catalogue::entries()) {
        const QString mode = e.writeMode();
        if (mode.isEmpty())
            continue;
        QString value = composeValue(form, e);
        if (!report(eq.writeParameter(value, e.key, mode)))
            return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    form.setText(QStringLiteral("TestoData"),
                 Frames::dateTimeText(now, Frames::systemDateSeparator()));
    eq.sendDateTime(now);
}

} // namespace

QString composeValue(const OrvaForm &form, const CatalogueEntry &e)
{
    switch (e.kind) {
    case ParamKind::Text:
        return form.text(e.control);
    case ParamKind::TextHead:
        return form.text(e.control).left(e.split);
    case ParamKind::TextTail:
        return form.text(e.control).mid(e.split);
    case ParamKind::Date: {
        QString joined;
        for (const QString &field : Catalogue::dateControls())
            joined += form.text(field);
        return joined;
    }
    case ParamKind::LanguageIndex:
    case ParamKind::DigitIndex:
    case ParamKind::ByteIndex:
        return QString::number(form.currentIndex(e.control));
    case ParamKind::Switches: {
        int bits = 0;
        const QStringList &boxes = Catalogue::switchControls();
        for (int bit = 0; bit < boxes.size(); ++bit)
            bits |= form.isChecked(boxes[bit]) ? 1 << bit : 0;
        return QString::number(bits);
    }
    case ParamKind::CheckByte:
        return form.isChecked(e.control) ? QStringLiteral("1") : QStringLiteral("0");
    case ParamKind::Factor:
        return form.text(e.control);
    }
    return {};
}

void SendParameters(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    AbortFlag &abort = ctx.equipment.abortFlag();
    form.lockAllControls();
    form.setShown(AbortButton, true);
    if (ctx.equipment.checkConnection() == QByteArray(1, Frames::Ack)) {
        form.setStatus(QStringLiteral("Wait sending parameters to Equipment ...."));
        form.aboutToWrite();
        try {
            writeAll(ctx);
        } catch (const OrvaError &e) {
            // The port went away mid-send.
            form.critical(ConnectionTitle,
                          QStringLiteral("Transmission Parameters INCOMPLETE: %1\r\nReconnect the "
                                         "equipment and SEND the parameters AGAIN.")
                              .arg(e.description()));
        }
        form.setStatus(QString());
    } else {
        form.setShown(AbortButton, false);
        abort.clear();
        form.critical(ConnectionTitle,
                      QStringLiteral("Transmission Parameters FAILED because ORVA equipment is not "
                                     "connected or is power off !\r\nWait a new connection and SET "
                                     "new parameters AGAIN ...."));
        LoadParameters(ctx);
    }
    form.beep();
    form.setShown(AbortButton, false);
    abort.clear();
    form.applyAccessLevel();
}
