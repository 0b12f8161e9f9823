#include "ui/FieldBackdrop.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>

namespace ampora {

void FieldBackdrop::Clear()
{
    m_backdrop = QImage();
    m_panel = QImage();
}

const QImage& FieldBackdrop::Backdrop(const QWidget& field)
{
    if (m_backdrop.isNull() || m_active != field.isActiveWindow()
        || m_backdrop.devicePixelRatio() != field.devicePixelRatioF()) {
        DrawBackdrop(field);
        m_panel = QImage();
    }
    return m_backdrop;
}

// What the window paints under the field, its parent: the background, then every earlier
// sibling (they lie beneath it) with its children, each clipped to the field. The image has
// the format of the window's pixels, so every blend is the same.
void FieldBackdrop::DrawBackdrop(const QWidget& field)
{
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    if (QBackingStore* store = field.window()->backingStore()) {
        if (QPaintDevice* device = store->paintDevice(); device && device->devType() == QInternal::Image)
            format = static_cast<QImage*>(device)->format();
    }
    const qreal ratio = field.devicePixelRatioF();
    m_backdrop = QImage((QSizeF(field.size()) * ratio).toSize(), format);
    m_backdrop.setDevicePixelRatio(ratio);
    m_backdrop.fill(Qt::transparent);
    m_active = field.isActiveWindow();

    QPainter painter(&m_backdrop);
    // Draws the part of `w` under the field; `origin` is the field's top left in w.
    auto drawUnder = [&](QWidget* w, QPoint origin, QWidget::RenderFlags flags) {
        const QRect part = QRect(origin, field.size()) & w->rect();
        if (!part.isEmpty()) // render() puts the part's top left at the offset given
            w->render(&painter, part.topLeft() - origin, QRegion(part), flags);
    };
    // The window's background, then the window's children that were placed before the field.
    QWidget* parent = field.parentWidget();
    drawUnder(parent, field.pos(), QWidget::DrawWindowBackground);
    for (QObject* child : parent->children()) {
        if (child == &field)
            break; // the later siblings lie above the field
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || sibling->isWindow() || !sibling->isVisible())
            continue;
        QWidget::RenderFlags flags = QWidget::DrawChildren;
        if (sibling->autoFillBackground())
            flags |= QWidget::DrawWindowBackground;
        drawUnder(sibling, field.pos() - sibling->pos(), flags);
    }
}

const QImage& FieldBackdrop::Panel(const QStyleOption& option, const std::function<void(QPainter*)>& drawPanel)
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
    const PanelKey key{option.rect, static_cast<int>(option.state), option.direction,
                       option.palette.cacheKey(), frame ? frame->lineWidth : -1,
                       frame ? frame->midLineWidth : -1, frame ? static_cast<int>(frame->features) : -1};
    if (m_panel.isNull() || key != m_panelKey) {
        m_panel = m_backdrop.copy();
        QPainter kept(&m_panel);
        drawPanel(&kept);
        m_panelKey = key;
    }
    return m_panel;
}

} // namespace ampora
