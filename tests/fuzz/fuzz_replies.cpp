// Decoding what the tester sends back, and the checks of typed values.
#include "access/FieldRules.h"
#include "link/Frames.h"
#include "ops/LuxCalibration.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = ValueCodec::text(reply);
    (void)ValueCodec::byteCode(reply);
    if (const auto n = ValueCodec::number16(reply); n && (*n < 0 || *n > 65535))
        __builtin_trap();
    (void)ValueCodec::digitIndex(reply);
    const QString form = ValueCodec::fileNameForm(text).value_or(QString());
    if (form.contains(u'/') || form.contains(u'\\') || form.contains(u'.'))
        __builtin_trap(); // never a path out of the program's folder
    for (int length = 0; length <= 4; ++length) {
        if (ValueCodec::printable(reply, length).size() > length)
            __builtin_trap();
    }
    (void)Frames::decodeReading(reply);
    Definition d;
    d.address = text;
    (void)d.start();
    for (const Control field : {Control::TestoGiornoScadenza, Control::TestoMeseScadenza,
                                Control::TestoAnnoScadenza, Control::TestoLuxAnaCampione})
        (void)FieldRules::checked(field, text);
    if (reply.size() >= 4) {
        const auto factor = conversionFactor(Frames::decodeReading(reply), text.mid(4));
        if (factor && (*factor < 0 || *factor > 32767))
            __builtin_trap();
    }
    return 0;
}
