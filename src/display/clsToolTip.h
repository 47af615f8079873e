#pragma once

#include "display/Colour.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class ToolTipWindow;
class QWidget;

// A hover tip attached to one widget, the tool: once created it shows after
// DelayTime while the mouse rests on the tool, and hides after VisibleTime or
// when the mouse leaves. It comes back when the mouse returns. The
// properties keep their values across Destroy, so the next Create rebuilds
// the tip with them.
class clsToolTip : public QObject {
    Q_OBJECT
public:
    clsToolTip();
    ~clsToolTip() override;

    // 1 = balloon, anything else = rectangular.
    qint32 Style() const { return m_style; }
    void setStyle(qint32 style) { m_style = style; }
    // Centred under the tool rather than at the mouse.
    bool Centered() const { return m_centered; }
    void setCentered(bool centered) { m_centered = centered; }
    // Title icon: 0 none, 1 information, 2 warning, 3 error.
    qint32 Icon() const { return m_icon; }
    void setIcon(qint32 icon);
    // 0 leaves the system's colour.
    Colour ForeColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    Colour BackColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    QString Title() const { return m_title; }
    void setTitle(const QString &title);
    QString TipText() const { return m_tipText; }
    void setTipText(const QString &text);
    qint32 VisibleTime() const { return m_visibleTime; }
    void setVisibleTime(qint32 milliseconds) { m_visibleTime = milliseconds; }
    qint32 DelayTime() const { return m_delayTime; }
    void setDelayTime(qint32 milliseconds) { m_delayTime = milliseconds; }

    // Builds the tip for a tool in place of any earlier one. The mouse is
    // taken to be on the tool, as callers create tips while it hovers there.
    // Given a spot of the screen (the row the tip tells about), the tip
    // shows beside it instead of under the tool or the mouse. A click on the
    // tool takes the tip down until the mouse leaves and comes back.
    void Create(QWidget *tool, const QRect &spot = {});
    void Destroy();

    // The tip's window while one is built, or null.
    ToolTipWindow *window() const { return m_window.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void waitToShow();
    void showTip();
    void hideTip();
    void applyTitle();

    qint32 m_style = 0;
    bool m_centered = false;
    qint32 m_icon = 0;
    Colour m_foreColor;
    Colour m_backColor;
    QString m_title;
    QString m_tipText;
    qint32 m_visibleTime = 5000;
    qint32 m_delayTime = 300;

    QPointer<QWidget> m_tool;
    std::unique_ptr<ToolTipWindow> m_window;
    QTimer m_delay;
    QTimer m_visible;
    QPoint m_mouse;
    QRect m_spot;
    // The tip timed out; it stays down until the mouse leaves and returns.
    bool m_timedOut = false;
};
