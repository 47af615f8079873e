#include "display/ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const char *name, const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont link = font();
    link.setUnderline(true);
    setFont(link);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}
