#include "filters/clsFilters.h"

bool clsFilters::FindFilter(quint8, const QString &) const
{
    return false;
}
