#include "channel/ChatNames.h"

using namespace Qt::StringLiterals;

QString GetAccountName(const QString &name)
{
    if (!name.contains(u'*'))
        return name;
    return name.section(u'*', 1, 1);
}

QString GetNamePrefix(const QString &product)
{
    return product == u"VD2D"_s || product == u"PX2D"_s ? u"*"_s : QString();
}
