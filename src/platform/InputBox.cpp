#include "platform/InputBox.h"

#include <QInputDialog>

QString InputBox(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}
