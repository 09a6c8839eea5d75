// The three parameter-file readers on arbitrary contents and keys. Input:
// the key on the first line, the list tag on the second, then the file.
#include "params/ParameterFile.h"
#include "params/WriteEncoding.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype first = input.indexOf('\n');
    const qsizetype second = first < 0 ? -1 : input.indexOf('\n', first + 1);
    const QString key = QString::fromLatin1(input.left(first < 0 ? 13 : first));
    const QString tag = second < 0 ? QStringLiteral("lang")
                                   : QString::fromLatin1(input.mid(first + 1, second - first - 1));
    const QStringList lines = ParameterFile::splitLines(second < 0 ? input : input.mid(second + 1));

    if (const auto d = ParameterFile::findForRead(lines, key))
        (void)d->usable();
    for (const Definition &d : ParameterFile::findForWrite(lines, key)) {
        for (const WriteMode mode : {WriteMode::Number, WriteMode::Text, WriteMode::FromFile}) {
            const Encoded e = WriteEncoding::encode(d, key, mode);
            if (e.bytes && e.bytes->size() != d.length)
                __builtin_trap(); // a write fills exactly its definition's bytes
        }
    }
    const ListLines l = ParameterFile::listLines(lines, tag);
    if (tag == QLatin1String("lang") && l.items.size() != l.keys.size())
        __builtin_trap(); // the key list must stay index-aligned with the items
    return 0;
}
