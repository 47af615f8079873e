#pragma once

#include <QLabel>

// A label that acts as a button, underlined as links are: a left click on it
// emits clicked(). The small windows use such labels for their links and
// Close captions.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const char *name, const QString &caption, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
