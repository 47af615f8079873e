#include "support/InputBoxAnswer.h"

#include <QApplication>
#include <QInputDialog>

InputBoxAnswer::InputBoxAnswer(QString answer)
{
    m_watch.setInterval(5);
    QObject::connect(&m_watch, &QTimer::timeout, [this, answer = std::move(answer)] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_title = box->windowTitle();
        m_prompt = box->labelText();
        box->setTextValue(answer);
        box->accept();
    });
    m_watch.start();
}
