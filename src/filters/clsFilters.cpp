#include "filters/clsFilters.h"

#include "filters/FilterFile.h"
#include "filters/WildcardMatch.h"
#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"

namespace {

bool matches(const QString &entry, const QString &text)
{
    const QString filter = entry.toLower();
    if (!filter.contains(u'*'))
        return text.contains(filter);
    switch (WildcardMatch(text, QLatin1Char('*') + filter + QLatin1Char('*'))) {
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

void clsFilters::LoadFilters()
{
    m_messages = QStringList{QString()};
    m_users = QStringList{QString()};
    const Settings &settings = app().settings();
    const QString &name = app().record(ProfileIndex()).Name;
    const QStringList messages = FilterFile::read(FilterFile::path(settings, name, FilterFile::Kind::Messages));
    if (!messages.isEmpty())
        m_messages = messages;
    const QStringList users = FilterFile::read(FilterFile::path(settings, name, FilterFile::Kind::Users));
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
