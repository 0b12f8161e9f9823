#include "resources/OpaqueLineEdit.h"

#include <QBackingStore>
#include <QEvent>
#include <QPainter>

namespace ampora {

OpaqueLineEdit::OpaqueLineEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    // Only the dialog's own controls know all that lies under them.
    setAttribute(Qt::WA_OpaquePaintEvent, parent && parent->isWindow());
}

bool OpaqueLineEdit::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::ParentChange:
        setAttribute(Qt::WA_OpaquePaintEvent, parentWidget() && parentWidget()->isWindow());
        [[fallthrough]];
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::ActivationChange:
    case QEvent::EnabledChange:
        m_backdrop = QImage();
        update();
        break;
    default:
        break;
    }
    return QLineEdit::event(event);
}

void OpaqueLineEdit::paintEvent(QPaintEvent* event)
{
    if (testAttribute(Qt::WA_OpaquePaintEvent)) {
        if (m_backdrop.isNull() || m_active != isActiveWindow()
            || m_backdrop.devicePixelRatio() != devicePixelRatioF())
            DrawBackdrop();
        QPainter painter(this); // clipped to the region being painted
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_backdrop);
    }
    QLineEdit::paintEvent(event);
}

// What the window paints under the field, its parent: the background, then every earlier
// sibling (they lie beneath it) with its children, each clipped to the field. The image has
// the format of the window's pixels, so every blend is the same.
void OpaqueLineEdit::DrawBackdrop()
{
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    if (QBackingStore* store = window()->backingStore()) {
        if (QPaintDevice* device = store->paintDevice(); device && device->devType() == QInternal::Image)
            format = static_cast<QImage*>(device)->format();
    }
    const qreal ratio = devicePixelRatioF();
    m_backdrop = QImage((QSizeF(size()) * ratio).toSize(), format);
    m_backdrop.setDevicePixelRatio(ratio);
    m_backdrop.fill(Qt::transparent);
    m_active = isActiveWindow();

    QPainter painter(&m_backdrop);
    // Draws the part of `w` under the field; `origin` is the field's top left in w.
    auto drawUnder = [&](QWidget* w, QPoint origin, QWidget::RenderFlags flags) {
        const QRect part = QRect(origin, size()) & w->rect();
        if (!part.isEmpty()) // render() puts the part's top left at the offset given
            w->render(&painter, part.topLeft() - origin, QRegion(part), flags);
    };
    // The window's background, then the window's children that were placed before the field.
    QWidget* parent = parentWidget();
    drawUnder(parent, pos(), QWidget::DrawWindowBackground);
    for (QObject* child : parent->children()) {
        if (child == this)
            break; // the later siblings lie above the field
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || sibling->isWindow() || !sibling->isVisible())
            continue;
        QWidget::RenderFlags flags = QWidget::DrawChildren;
        if (sibling->autoFillBackground())
            flags |= QWidget::DrawWindowBackground;
        drawUnder(sibling, pos() - sibling->pos(), flags);
    }
}

} // namespace ampora
