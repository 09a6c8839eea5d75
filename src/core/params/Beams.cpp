#include "Beams.h"

#include "Catalogue.h"

namespace {

constexpr BeamInfo Table[] = {
    {Beam::Low, "low", Control::CmdCalibraAna, Control::CmdInterrompiAna,
     Control::TestoLuxAnaCampione, Control::TestoBitAnaScheda, Control::TestoAnaConv},
    {Beam::High, "high", Control::CmdCalibraAbb, Control::CmdInterrompiAbb,
     Control::TestoLuxAbbCampione, Control::TestoBitAbbScheda, Control::TestoAbbConv},
};

} // namespace

const BeamInfo &Beams::info(Beam beam)
{
    return Table[beam == Beam::Low ? 0 : 1];
}

QString Beams::name(Beam beam)
{
    return QString::fromLatin1(info(beam).name);
}

std::optional<Beam> Beams::byName(const QString &name)
{
    for (const BeamInfo &row : Table)
        if (name == QLatin1String(row.name))
            return row.beam;
    return std::nullopt;
}

QString Beams::factorKey(Beam beam)
{
    return Catalogue::keysOf(info(beam).factor).value(0);
}

quint8 Beams::channel(Beam beam, bool firstLampType)
{
    if (beam == Beam::High)
        return 9;
    return firstLampType ? 11 : 7;
}
