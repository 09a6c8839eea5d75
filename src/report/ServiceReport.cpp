#include "ServiceReport.h"

#include "access/Passwords.h"
#include "base/Control.h"
#include "params/Catalogue.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ServiceReport)
};

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString field(const TesterState &state, Control c)
{
    return TesterState::shown(state.value(c));
}

// The tester's state after the visit: the last one known.
TesterState lastState(const QList<HistoryEntry> &entries)
{
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (!it->after.isEmpty())
            return it->after;
        if (!it->before.isEmpty())
            return it->before;
    }
    return {};
}

// How far a write went, in the words of the person who signs.
QString outcomeWords(HistoryEntry::Ending outcome)
{
    using Ending = HistoryEntry::Ending;
    switch (outcome) {
    case Ending::Done:
        return Texts::tr("written");
    case Ending::Mismatch:
        return Texts::tr("NOT written: the tester reads back otherwise");
    case Ending::Unverified:
        return Texts::tr("not confirmed by a read-back");
    case Ending::Incomplete:
        return Texts::tr("stopped part way");
    case Ending::Aborted:
        return Texts::tr("aborted part way");
    case Ending::Interrupted:
    case Ending::Started:
        return Texts::tr("interrupted");
    case Ending::Declined:
    case Ending::Failed:
    case Ending::Imported:
        break;
    }
    return HistoryEntry::endingName(outcome);
}

QString calibrationRow(const HistoryEntry &e)
{
    const HistoryEntry::Calibration &c = *e.calibration;
    return Texts::tr("<tr><td>%1 beam</td><td>%2 lux</td><td>%3</td><td>%4 &rarr; %5</td>"
                     "<td>%6</td></tr>")
        .arg(c.beam == Beam::Low ? Texts::tr("Low") : Texts::tr("High"), escaped(c.referenceLux))
        .arg(c.reading)
        .arg(escaped(c.oldFactor))
        .arg(c.newFactor)
        .arg(escaped(c.confirmed ? outcomeWords(e.outcome) : HistoryEntry::endingName(e.outcome)));
}

} // namespace

QList<HistoryEntry> ServiceReport::visit(const QList<HistoryEntry> &entries, const QString &serial,
                                         const QDate &day)
{
    QList<HistoryEntry> found;
    for (const HistoryEntry &e : entries)
        if (e.serial == serial && e.at.toLocalTime().date() == day)
            found.append(e);
    std::sort(found.begin(), found.end(),
              [](const HistoryEntry &a, const HistoryEntry &b) { return a.id < b.id; });
    return found;
}

QString ServiceReport::html(const QList<HistoryEntry> &entries)
{
    if (entries.isEmpty())
        return {};
    const HistoryEntry &first = entries.first();
    const TesterState state = lastState(entries);
    QStringList levels;
    QString changes, calibrations;
    for (const HistoryEntry &e : entries) {
        // A read asks no password: the levels are those of the writes.
        if (e.kind != HistoryEntry::Kind::Read && e.level &&
            !levels.contains(Access::levelShown(*e.level)))
            levels.append(Access::levelShown(*e.level));
        if (e.calibration) {
            calibrations += calibrationRow(e);
            // A factor written whole is the row above; one cut part way is
            // listed with what the tester holds.
            if (e.outcome == HistoryEntry::Ending::Done ||
                e.outcome == HistoryEntry::Ending::Declined)
                continue;
        }
        if (e.kind == HistoryEntry::Kind::Read)
            continue;
        const QString time = e.at.toLocalTime().toString(QStringLiteral("HH:mm"));
        const QStringList lines = e.changes();
        if (lines.isEmpty() && e.outcome != HistoryEntry::Ending::Done && !e.before.isEmpty()) {
            // A write that went wrong is listed even where no change is known.
            const QString what = e.after.isEmpty()
                                     ? Texts::tr("what the tester holds is not known: read it")
                                     : Texts::tr("no parameter changed");
            changes += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                           .arg(time, escaped(what), escaped(outcomeWords(e.outcome)));
        }
        for (const QString &change : lines) {
            // The field by the caption the window gives it.
            const QString name = change.section(u':', 0, 0);
            const auto control = Controls::byField(name);
            const QString shown =
                (control ? Controls::caption(*control) : name) + change.mid(name.size());
            changes += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                           .arg(time,
                                escaped(shown).replace(QStringLiteral(" -&gt; "),
                                                       QStringLiteral(" &rarr; ")),
                                escaped(outcomeWords(e.outcome)));
        }
    }
    QString workshop = escaped(field(state, Control::TestoNomeOfficina));
    for (const Control line : Catalogue::AddressLines)
        if (const QString text = field(state, line); !text.isEmpty())
            workshop += QStringLiteral("<br>") + escaped(text);
    const QString expiry = QStringLiteral("%1/%2/%3")
                               .arg(field(state, Control::TestoGiornoScadenza),
                                    field(state, Control::TestoMeseScadenza),
                                    field(state, Control::TestoAnnoScadenza));
    const QString none = QStringLiteral("<p><i>none</i></p>");
    return Texts::tr("<h2>ORVA headlight tester: service report</h2>"
                     "<p><b>Date:</b> %1</p>"
                     "<table cellpadding=3><tr><td><b>Tester</b></td><td>%2, serial number %3<br>"
                     "firmware %4, parameter file %5</td></tr>"
                     "<tr><td><b>Workshop</b></td><td>%6</td></tr></table>"
                     "<h3>Parameters changed</h3>%7"
                     "<h3>Calibrations</h3>%8"
                     "<p><b>Expiry date:</b> %9</p>"
                     "<p><b>Access level:</b> %10</p>"
                     "<p><br><br>Name: ______________________________ &nbsp; "
                     "Signature: ______________________________</p>")
        .arg(first.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd")), escaped(first.model),
             escaped(first.serial), escaped(first.firmware), escaped(first.parameterFile), workshop,
             changes.isEmpty() ? none
                               : Texts::tr("<table border=1 cellspacing=0 cellpadding=3>"
                                           "<tr><th>Time</th><th>Parameter: old &rarr; "
                                           "new</th><th>Outcome</th></tr>%1</table>")
                                     .arg(changes),
             calibrations.isEmpty()
                 ? none
                 : Texts::tr("<table border=1 cellspacing=0 cellpadding=3><tr><th>Beam</th>"
                             "<th>Reference</th><th>Reading</th><th>Factor old &rarr; "
                             "new</th><th></th></tr>%1</table>")
                       .arg(calibrations),
             escaped(expiry), escaped(levels.join(QStringLiteral(", "))));
}

Result<QByteArray> ServiceReport::pdf(const QList<HistoryEntry> &entries)
{
    if (entries.isEmpty())
        return OrvaError(70, Texts::tr("The service history has no entry for this report."));
    // Without a font the report would be a blank page to sign.
    if (QFontDatabase::families().isEmpty())
        return OrvaError(70, Texts::tr("No font is installed to print the report with: install "
                                       "the system's standard fonts."));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        writer.setTitle(Texts::tr("Service report %1").arg(entries.first().serial));
        writer.setCreator(QStringLiteral("OrvaPS"));
        QTextDocument document;
        QFont font = document.defaultFont();
        font.setPointSizeF(9);
        document.setDefaultFont(font);
        document.setHtml(html(entries));
        document.print(&writer);
    }
    return bytes;
}
