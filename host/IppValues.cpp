#include "host/IppValues.h"

namespace host {

QStringList ippValues(ipp_attribute_t* attribute)
{
    QStringList values;
    for (int i = 0; i < ippGetCount(attribute); ++i) {
        switch (ippGetValueTag(attribute)) {
        case IPP_TAG_INTEGER:
        case IPP_TAG_ENUM:
            values << QString::number(ippGetInteger(attribute, i));
            break;
        case IPP_TAG_BOOLEAN:
            values << QString::fromLatin1(ippGetBoolean(attribute, i) ? "true" : "false");
            break;
        case IPP_TAG_RANGE: {
            int upper = 0;
            const int lower = ippGetRange(attribute, i, &upper);
            values << QStringLiteral("%1-%2").arg(lower).arg(upper);
            break;
        }
        default: {
            const char* text = ippGetString(attribute, i, nullptr);
            values << QString::fromUtf8(text ? text : "");
        }
        }
    }
    return values;
}

} // namespace host
