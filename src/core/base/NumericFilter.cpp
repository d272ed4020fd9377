#include "NumericFilter.h"

namespace quillon {

bool NumericFilter::accepts(TNumericalType type, QChar c, QStringView text, int caret)
{
    if ((c >= u'0' && c <= u'9') || c == u'\b')
        return true;
    const bool signedType = type == TNumericalType::DecimalSigned || type == TNumericalType::DoubleSigned;
    const bool doubleType = type == TNumericalType::DoubleUnSigned || type == TNumericalType::DoubleSigned;
    if (c == u'-')
        return signedType && caret == 0;
    if (c == u'.')
        return doubleType && !text.contains(u'.');
    return false;
}

} // namespace quillon
