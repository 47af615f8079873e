#include "update/frmAbout.h"

#include "display/BringUp.h"
#include "display/ClickableLabel.h"
#include "display/modOutput.h"

#include <QLabel>
#include <QVBoxLayout>

frmAbout::frmAbout()
    : QWidget(nullptr, Qt::Window), lblClose(new ClickableLabel("lblClose", QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tarnwell"));
    auto *layout = new QVBoxLayout(this);
    const auto line = [this, layout](const QString &text, bool bold = false) {
        auto *label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        QFont font = label->font();
        font.setBold(bold);
        label->setFont(font);
        layout->addWidget(label);
    };
    line(QStringLiteral("Tarnwell"), true);
    line(GetVersion());
    line(QStringLiteral("Tarnwell is a multi-profile Binary Battle.net bot. It is designed to give a appealing and "
                        "enjoyable look while chatting on Battle.net"));
    line(QStringLiteral("Contributors:"), true);
    line(QStringLiteral("The Tarnwell developers - programming and design"));
    line(QStringLiteral("Everyone who tried the test versions - testing and ideas"));
    layout->addWidget(lblClose, 0, Qt::AlignRight);
    resize(340, 200);
    connect(lblClose, &ClickableLabel::clicked, this, &QWidget::close);
    CloseOnEscape(*this);
}
