#include "support/MessageBoxAnswer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswer::MessageBoxAnswer(QMessageBox::StandardButton answer) : MessageBoxAnswer(answer, [] { return true; })
{
}

MessageBoxAnswer::MessageBoxAnswer(QMessageBox::StandardButton answer, std::function<bool()> until)
{
    m_watch.setInterval(5);
    QObject::connect(&m_watch, &QTimer::timeout, [this, answer, until = std::move(until)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !until())
            return;
        m_text = box->text();
        m_title = box->windowTitle();
        box->button(answer)->click();
    });
    m_watch.start();
}
