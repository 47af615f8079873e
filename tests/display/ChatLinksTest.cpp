#include "display/ChatLinks.h"
#include "profiles/frmMain.h"
#include "support/ChannelFixture.h"
#include "support/WaitUntil.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Each link as "written -> opened".
QStringList linksIn(const QString &text)
{
    QStringList found;
    for (const ChatLink &link : FindLinks(text))
        found << text.mid(link.start, link.length) + QStringLiteral(" -> ") + link.target.toString(QUrl::FullyEncoded);
    return found;
}

TEST(ChatLinks, OnlyWebAddressesAtTheStartOfAWordAreLinks)
{
    const struct {
        QString text;
        QStringList links;
    } cases[] = {
        {"see http://example.com/page now", {"http://example.com/page -> http://example.com/page"}},
        {"HTTPS://Example.com/A?b=1#c.", {"HTTPS://Example.com/A?b=1#c -> https://example.com/A?b=1#c"}},
        {"www.example.org, and", {"www.example.org -> https://www.example.org"}},
        {"(https://en.example/wiki/Foo_(bar))", {"https://en.example/wiki/Foo_(bar) -> https://en.example/wiki/Foo_(bar)"}},
        {"<https://a.example/x>", {"https://a.example/x -> https://a.example/x"}},
        {"a http://one.example b \"www.two.example\"",
         {"http://one.example -> http://one.example", "www.two.example -> https://www.two.example"}},
        {QStringLiteral("https://b\u00FCcher.example/stra\u00DFe"),
         {QStringLiteral("https://b\u00FCcher.example/stra\u00DFe -> https://xn--bcher-kva.example/stra%C3%9Fe")}},
        {"javascript:alert(1) file:///etc/passwd data:text/html,hi", {}},
        {"javascript:http://evil.example xhttp://a.example", {}},
        // What the text shows could differ from what opens.
        {QStringLiteral("https://a.example/\u202Egnp.exe"), {}},
        {QStringLiteral("https://a.example/\u200Bx"), {}},
        {QStringLiteral("https://a.example/\u0001x"), {}},
        {QStringLiteral("https://a.example/\uFDD0x"), {}},
        {"http:// www. https://, https://a.example/%zz", {}},
        // A long tail of closing brackets is dropped as a short one is.
        {QStringLiteral("https://a.example/x") + QString(5000, u')'), {"https://a.example/x -> https://a.example/x"}},
        {"https://a.example/(x))]}.", {"https://a.example/(x) -> https://a.example/(x)"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(linksIn(c.text), c.links) << c.text.toStdString();
}

class ChatLinksTest : public ChannelFixture {
protected:
    QTextEdit &pane = *window.rtbChat;
    QTemporaryDir browserFolder;
    QByteArray path = qgetenv("PATH");

    void SetUp() override
    {
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { qputenv("PATH", path); }
    // A browser on the PATH that writes down each address it is given.
    QString recordingBrowser() const
    {
        const QString opened = browserFolder.filePath(QStringLiteral("opened"));
        QFile script(browserFolder.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + opened.toUtf8() + "'\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        return opened;
    }
    // The middle of the text in the pane's last line, in viewport points.
    QPoint pointOf(const QString &text) const
    {
        const QTextBlock line = app.profile(kAlpha).pane().lastBlock().previous();
        QTextCursor at(line);
        at.setPosition(line.position() + static_cast<int>(line.text().indexOf(text) + text.size() / 2));
        return pane.cursorRect(at).center();
    }
    static QString addressesIn(const QString &record)
    {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

TEST_F(ChatLinksTest, ALinkShowsItsAddressAndAClickOpensItInTheBrowser)
{
    const QString record = recordingBrowser();
    qputenv("PATH", browserFolder.path().toUtf8());
    const QString line = QStringLiteral("look at www.example.org/a?b=c now");
    app.profile(kAlpha).AddChat({line});
    EXPECT_TRUE(test.chatText(kAlpha).contains(line)) << "the text itself is unchanged";

    const QPoint link = pointOf(QStringLiteral("www.example.org/a?b=c"));
    QTest::mouseMove(pane.viewport(), link);
    EXPECT_EQ(pane.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QHelpEvent tip(QEvent::ToolTip, link, pane.viewport()->mapToGlobal(link));
    QApplication::sendEvent(pane.viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("https://www.example.org/a?b=c"));

    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOf(QStringLiteral("look")));
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, link);
    ASSERT_TRUE(WaitUntil([&] { return !addressesIn(record).isEmpty(); }));
    EXPECT_EQ(addressesIn(record), QStringLiteral("https://www.example.org/a?b=c\n")) << "plain text opens nothing";
    QTest::mouseMove(pane.viewport(), pointOf(QStringLiteral("now")));
    EXPECT_NE(pane.viewport()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ChatLinksTest, MarkupFromTheServerStaysTextAndAMissingBrowserIsTold)
{
    qputenv("PATH", browserFolder.path().toUtf8());
    app.profile(kAlpha).AddChat({QStringLiteral("<a href=\"javascript:x\">y</a> https://a.example/")});
    const QTextBlock line = app.profile(kAlpha).pane().lastBlock().previous();
    QStringList anchors;
    for (auto it = line.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isAnchor())
            anchors << it.fragment().charFormat().anchorHref();
    }
    EXPECT_EQ(anchors, QStringList{QStringLiteral("https://a.example/")});
    EXPECT_TRUE(line.text().contains(QStringLiteral("<a href=\"javascript:x\">y</a>")));

    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOf(QStringLiteral("https://a.example/")));
    EXPECT_TRUE(test.chatText(kAlpha).contains(QStringLiteral("No web browser could be started for https://a.example/.")));
}

} // namespace
