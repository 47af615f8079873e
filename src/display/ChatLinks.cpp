#include "display/ChatLinks.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Longer runs are not taken for addresses.
constexpr qsizetype kLongestAddress = 2000;

const QLatin1String kStarts[] = {QLatin1String("https://"), QLatin1String("http://"), QLatin1String("www.")};

bool opensWord(const QString &text, qsizetype at)
{
    if (at == 0)
        return true;
    const QChar before = text.at(at - 1);
    return before.isSpace() || before.category() == QChar::Punctuation_Open || before == u'<' || before == u'"' ||
           before == u'\'';
}

bool endsRun(QChar ch)
{
    return ch.isSpace() || ch == u'<' || ch == u'>' || ch == u'"';
}

// Characters that could make the text shown differ from the address opened.
bool hidesSomething(const QString &run)
{
    for (qsizetype i = 0; i < run.size(); ++i) {
        const QChar ch = run.at(i);
        if (ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format || ch.isNonCharacter())
            return true;
        if (ch.isHighSurrogate() && i + 1 < run.size() && run.at(i + 1).isLowSurrogate()) {
            const char32_t point = QChar::surrogateToUcs4(ch, run.at(i + 1));
            if (QChar::category(point) == QChar::Other_Format || QChar::isNonCharacter(point))
                return true;
            ++i;
        } else if (ch.isSurrogate()) {
            return true;
        }
    }
    return false;
}

// Drops what ends a sentence, and brackets that close what the address did
// not open. The brackets are counted once and the counts follow the end as
// it moves, so a server's long tail of them costs no more than its length.
qsizetype withoutTrailingPunctuation(const QString &text, qsizetype start, qsizetype end)
{
    constexpr char16_t kOpening[] = {u'(', u'[', u'{'};
    constexpr char16_t kClosing[] = {u')', u']', u'}'};
    qsizetype opened[3] = {};
    qsizetype closed[3] = {};
    for (qsizetype i = start; i < end; ++i) {
        for (int kind = 0; kind < 3; ++kind) {
            opened[kind] += text.at(i) == kOpening[kind] ? 1 : 0;
            closed[kind] += text.at(i) == kClosing[kind] ? 1 : 0;
        }
    }
    while (end > start) {
        const QChar last = text.at(end - 1);
        if (QStringLiteral(".,;:!?'*").contains(last)) {
            --end;
            continue;
        }
        const auto kind = std::find(std::begin(kClosing), std::end(kClosing), last.unicode()) - std::begin(kClosing);
        if (kind < 3 && closed[kind] > opened[kind]) {
            --closed[kind];
            --end;
            continue;
        }
        return end;
    }
    return end;
}

std::optional<QUrl> webAddress(const QString &written)
{
    const bool bare = written.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
    const QUrl url(bare ? QStringLiteral("https://") + written : written, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return std::nullopt;
    const QString host = url.host(QUrl::FullyEncoded);
    if (host.isEmpty() || (bare && host.size() <= 4))
        return std::nullopt;
    return url;
}

} // namespace

std::vector<ChatLink> FindLinks(const QString &text)
{
    std::vector<ChatLink> links;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype start = -1;
        for (qsizetype i = at; i < text.size() && start < 0; ++i) {
            for (const QLatin1String &opening : kStarts) {
                if (QStringView(text).mid(i).startsWith(opening, Qt::CaseInsensitive) && opensWord(text, i)) {
                    start = i;
                    break;
                }
            }
        }
        if (start < 0)
            break;
        qsizetype end = start;
        while (end < text.size() && !endsRun(text.at(end)))
            ++end;
        at = end;
        const qsizetype kept = withoutTrailingPunctuation(text, start, end);
        const QString written = text.mid(start, kept - start);
        if (written.size() > kLongestAddress || hidesSomething(written))
            continue;
        if (const std::optional<QUrl> url = webAddress(written))
            links.push_back({start, kept - start, *url});
    }
    return links;
}

std::optional<QUrl> LinkTarget(const QString &href)
{
    if (href.startsWith(QLatin1String("www."), Qt::CaseInsensitive) || hidesSomething(href))
        return std::nullopt;
    return webAddress(href);
}

void InsertWithLinks(QTextCursor &cursor, const QString &text, const QTextCharFormat &format)
{
    qsizetype written = 0;
    for (const ChatLink &link : FindLinks(text)) {
        if (link.start > written)
            cursor.insertText(text.mid(written, link.start - written), format);
        QTextCharFormat anchor = format;
        anchor.setAnchor(true);
        anchor.setAnchorHref(link.target.toString(QUrl::FullyEncoded));
        anchor.setFontUnderline(true);
        cursor.insertText(text.mid(link.start, link.length), anchor);
        written = link.start + link.length;
    }
    if (written < text.size())
        cursor.insertText(text.mid(written), format);
}
