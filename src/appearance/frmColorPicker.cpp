#include "appearance/frmColorPicker.h"

#include "appearance/Appearance.h"
#include "appearance/ColourField.h"
#include "appearance/frmSkins.h"
#include "display/BringUp.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 129;
constexpr int kBand = 64;

QImage drawGradient()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            image.setPixelColor(x, y, frmColorPicker::gradientColour(x, y).toQColor());
    }
    return image;
}

} // namespace

Colour frmColorPicker::gradientColour(int x, int y)
{
    const int rise = 4 * (x % kBand);
    const int fall = 255 - rise;
    // Red and green of each band; blue grows with the row.
    const int bands[4][2] = {{rise, 0}, {255, rise}, {fall, 255}, {0, fall}};
    const int *band = bands[std::clamp(x / kBand, 0, 3)];
    const auto component = [](int value) { return static_cast<quint32>(std::clamp(value, 0, 255)); };
    return Colour{component(band[0]) | component(band[1]) << 8 | component(2 * y) << 16};
}

frmColorPicker::frmColorPicker(Appearance &appearance)
    : QWidget(nullptr, Qt::Window), CPic1(new QLabel(this)), txtExample(new ColourField("txtExample", this)),
      cmdPick(new QPushButton(QStringLiteral("&Pick"), this)), m_appearance(appearance), m_gradient(drawGradient())
{
    setObjectName(QStringLiteral("frmColorPicker"));
    setWindowTitle(QStringLiteral("Color Picker"));
    CPic1->setObjectName(QStringLiteral("CPic1"));
    CPic1->setPixmap(QPixmap::fromImage(m_gradient));
    CPic1->setFixedSize(kWidth, kHeight);
    CPic1->setCursor(Qt::CrossCursor);
    CPic1->installEventFilter(this);
    cmdPick->setObjectName(QStringLiteral("cmdPick"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(txtExample, 1);
    bottom->addWidget(cmdPick);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CPic1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdPick, &QPushButton::clicked, this, &frmColorPicker::cmdPick_Click);
    CloseOnEscape(*this);
}

void frmColorPicker::open()
{
    m_current = Colour{};
    txtExample->setColour(m_current);
    BringUp(*this, &m_appearance.skins());
}

void frmColorPicker::cmdPick_Click()
{
    if (ColourField *field = m_appearance.skins().fieldForTarget(m_appearance.pickerTarget))
        field->setColour(txtExample->colour());
    close();
}

void frmColorPicker::takeColourAt(QPoint position)
{
    const QPoint inside(std::clamp(position.x(), 0, kWidth - 1), std::clamp(position.y(), 0, kHeight - 1));
    // The mouse stays on the field while the button is held.
    if (inside != position)
        QCursor::setPos(CPic1->mapToGlobal(inside));
    m_current = Colour::fromQColor(m_gradient.pixelColor(inside));
}

bool frmColorPicker::eventFilter(QObject *watched, QEvent *event)
{
    const bool mouseEvent = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
                            event->type() == QEvent::MouseButtonRelease;
    if (watched != CPic1 || !mouseEvent)
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            m_held = true;
            CPic1->grabMouse();
            takeColourAt(mouse->position().toPoint());
        }
        return true;
    case QEvent::MouseMove:
        if (m_held && (mouse->buttons() & Qt::LeftButton))
            takeColourAt(mouse->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        txtExample->setColour(m_current);
        if (m_held)
            CPic1->releaseMouse();
        m_held = false;
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
