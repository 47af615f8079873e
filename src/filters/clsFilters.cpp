#include "filters/clsFilters.h"

#include "display/ChatItem.h"
#include "filters/FilterFile.h"
#include "filters/WildcardMatch.h"
#include "platform/Failure.h"
#include "profiles/Profile.h"

namespace {

bool isPattern(const QString &entry)
{
    return entry.contains(u'*');
}

QString asPattern(const QString &entry)
{
    return QLatin1Char('*') + entry.toLower() + QLatin1Char('*');
}

bool matches(const QString &entry, const QString &text)
{
    if (!isPattern(entry))
        return text.contains(entry.toLower());
    switch (WildcardMatch(text, asPattern(entry))) {
    case WildcardResult::Match:
        return true;
    case WildcardResult::NoMatch:
        return false;
    case WildcardResult::Malformed:
        break;
    }
    throw Failure(kInvalidPatternNumber, QString::fromLatin1(kInvalidPatternText) + QStringLiteral(": ") + entry);
}

} // namespace

QString clsFilters::Problem(const QString &entry)
{
    if (!FilterFile::storesExactly(entry))
        return QStringLiteral("\"%1\" has characters a filter file cannot hold as they are.").arg(entry);
    if (isPattern(entry) && WildcardMatch(QStringView(), asPattern(entry)) == WildcardResult::Malformed)
        return QStringLiteral("\"%1\" is not a valid pattern: every \"[\" needs its \"]\", and a range such as "
                              "\"a-z\" must run upwards.")
            .arg(entry);
    return {};
}

QStringList clsFilters::usable(const QStringList &entries)
{
    QStringList kept;
    for (const QString &entry : entries) {
        const QString problem = Problem(entry);
        if (problem.isEmpty()) {
            kept << entry;
        } else if (!m_reported.contains(entry)) {
            m_reported.insert(entry);
            profile().AddChat({Rgb(0xBD3D3D), QStringLiteral("The filter ") + problem + QStringLiteral(" It is not used.")});
        }
    }
    return kept;
}

void clsFilters::LoadFilters()
{
    m_messages = QStringList{QString()};
    m_users = QStringList{QString()};
    const Settings &settings = profile().settings();
    const QString &name = profile().record().Name;
    const QStringList messages = usable(FilterFile::read(FilterFile::path(settings, name, FilterFile::Kind::Messages)));
    if (!messages.isEmpty())
        m_messages = messages;
    const QStringList users = usable(FilterFile::read(FilterFile::path(settings, name, FilterFile::Kind::Users)));
    if (!users.isEmpty())
        m_users = users;
}

bool clsFilters::FindFilter(quint8 filterType, const QString &message) const
{
    if (filterType != kMessages && filterType != kUsers)
        return false;
    const QString text = message.toLower();
    for (const QString &entry : filterType == kMessages ? m_messages : m_users) {
        if (!entry.isEmpty() && matches(entry, text))
            return true;
    }
    return false;
}
