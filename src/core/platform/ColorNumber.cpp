#include "core/platform/ColorNumber.h"

bool IsColorNumber(const QVariant& value)
{
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok && number >= -0x80000000LL && number <= 0xFFFFFFFFLL;
}

OleColor OleColorFromVariant(const QVariant& value, OleColor fallback)
{
    return IsColorNumber(value) ? static_cast<OleColor>(value.toLongLong()) : fallback;
}
