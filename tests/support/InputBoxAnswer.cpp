#include "support/InputBoxAnswer.h"

#include <QApplication>
#include <QInputDialog>

InputBoxAnswer::InputBoxAnswer(QStringList answers) : m_answers(std::move(answers))
{
    m_watch.setInterval(5);
    QObject::connect(&m_watch, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_titles << box->windowTitle();
        m_prompts << box->labelText();
        m_defaults << box->textValue();
        box->setTextValue(m_answers.size() > 1 ? m_answers.takeFirst() : m_answers.value(0));
        box->accept();
    });
    m_watch.start();
}
