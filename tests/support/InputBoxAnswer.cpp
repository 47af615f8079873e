#include "support/InputBoxAnswer.h"

#include <QApplication>
#include <QInputDialog>

InputBoxAnswer::InputBoxAnswer(QStringList answers) : m_answers(std::move(answers))
{
    m_watch.setInterval(5);
    QObject::connect(&m_watch, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box || m_answers.isEmpty())
            return;
        m_titles << box->windowTitle();
        m_prompts << box->labelText();
        const QString answer = m_answers.takeFirst();
        if (answer.isEmpty()) {
            box->reject();
            return;
        }
        box->setTextValue(answer);
        box->accept();
    });
    m_watch.start();
}
