#include "MemoryImage.h"

#include <QList>

namespace {

struct Field
{
    const char *key;
    int address100;
    int address102;
    QByteArray value;
};

QByteArray le16(int v)
{
    return QByteArray().append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

QByteArray padded(const char *text, int length)
{
    QByteArray b(text);
    return b.leftJustified(length, ' ', true);
}

const QList<Field> &fields()
{
    static const QList<Field> all = [] {
        QList<Field> f = {
            {"parame_lingua", 0x0004, 0x0004, QByteArray(1, 0)},
            {"parame_marcaa", 0x0010, 0x0010, padded("ORVA", 10)},
            {"parame_modelo", 0x0020, 0x0020, padded("HT-5000 PR", 10)},
            {"parame_model1", 0x002A, 0x002A, padded("OFESSIONAL", 10)},
            {"parame_nomolo", 0x0040, 0x0040, padded("OM-2003-IT-4", 12)},
            {"parame_nomol1", 0x004C, 0x004C, padded("521/B", 12)},
            {"parame_nserie", 0x0060, 0x0060, padded("SN24", 4)},
            {"parame_nseri1", 0x0064, 0x0064, padded("-001187", 16)},
            {"parame_scaden", 0x0080, 0x0080, padded("31122027", 8)},
            {"parame_unitam", 0x0088, 0x0088, padded("0", 1)},
            {"parame_pannel", 0x0089, 0x0089, padded("1", 1)},
            {"parame_protoc", 0x008A, 0x008A, padded("0", 1)},
            {"parame_indapp", 0x0090, 0x0090, padded("01", 2)},
            {"parame_vermct", 0x0092, 0x0092, padded("2.1", 3)},
            {"parame_tifaro", 0x0095, 0x0095, QByteArray(1, 0)},
            {"param_setupsw", 0x0096, 0x0096, le16(5)},
            {"parame_offnom", 0x00A0, 0x00A0, padded("AUTOFFICINA ROSSI", 24)},
            {"parame_offin1", 0x00B8, 0x00B8, padded("VIA ROMA 12", 24)},
            {"parame_offin2", 0x00D0, 0x00D0, padded("20100 MILANO", 24)},
            {"parame_offin3", 0x00E8, 0x00E8, padded("TEL 02 1234567", 24)},
            {"parame_offin4", 0x0100, 0x0100, padded("", 24)},
            {"parame_prninc", 0x0118, 0x0118, QByteArray(1, 1)},
            {"offset_convan", 0x0120, 0x0124, le16(345)},
            {"offset_convab", 0x0122, 0x0126, le16(210)},
            {"txt_en_title1", 0x0200, 0x0200, padded("HEADLIGHT TESTER", 16)},
            {"txt_en_title2", 0x0210, 0x0210, padded("MEASURE", 16)},
            {"txt_en_title3", 0x0220, 0x0220, padded("PRINT", 16)},
            {"txt_en_langid", 0x0230, 0x0230, QByteArray(1, 1)},
        };
        return f;
    }();
    return all;
}

} // namespace

int MemoryImage::addressOf(const QString &version, const QString &key)
{
    const bool v102 = version == QLatin1String("1.02");
    if (key == QLatin1String("parame_verorv"))
        return 0;
    if (key.startsWith(QLatin1String("offset_fdph"))) {
        const int n = key.mid(11).toInt();
        if (n < 1 || n > 17)
            return -1;
        return (v102 ? 0x0140 : 0x0130) + 2 * (n - 1);
    }
    for (const Field &f : fields()) {
        if (key == QLatin1String(f.key))
            return v102 ? f.address102 : f.address100;
    }
    return -1;
}

QByteArray MemoryImage::forVersion(const QString &version)
{
    const bool v102 = version == QLatin1String("1.02");
    QByteArray memory(Size, '\0');
    memory.replace(0, 4, version.toLatin1().leftJustified(4, ' ', true));
    for (const Field &f : fields()) {
        const int address = v102 ? f.address102 : f.address100;
        memory.replace(address, f.value.size(), f.value);
    }
    for (int n = 1; n <= 17; ++n)
        memory.replace(
            addressOf(version, QStringLiteral("offset_fdph%1").arg(n, 2, 10, QLatin1Char('0'))), 2,
            le16(100 + 7 * n));
    return memory;
}
