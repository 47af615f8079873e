#include "channel/ChannelFlags.h"

#include <utility>

using namespace Qt::StringLiterals;

QString DescribeChannelFlags(quint32 flags)
{
    static const std::pair<quint32, QString> kWords[] = {
        {0x4000, u"redirected, "_s}, {0x0004, u"restricted, "_s}, {0x0002, u"moderated, "_s},
        {0x0001, u"public, "_s},     {0x0008, u"silent, "_s},     {0x0010, u"system, "_s},
        {0x0020, u"product-specific, "_s}, {0x1000, u"global, "_s},
    };
    QString words;
    for (const auto &[bit, word] : kWords) {
        if (flags & bit)
            words += word;
    }
    return words.isEmpty() ? u"private, "_s : words;
}
