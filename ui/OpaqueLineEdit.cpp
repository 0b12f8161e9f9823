#include "ui/OpaqueLineEdit.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace ampora {

// The application's style, with the panel of an opaque field taken from the field's kept image.
class KeptPanelStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto draw = [&](QPainter* target) {
            QProxyStyle::drawPrimitive(element, option, target, widget);
        };
        auto* field = dynamic_cast<const OpaqueLineEdit*>(widget);
        if (element != PE_PanelLineEdit || !field || !field->DrawKeptPanel(option, painter, draw))
            draw(painter);
    }
};

namespace {

// One proxy for all fields, over a second instance of the application's style (made by its
// name, so it looks the same). None where the style has no name to make it by, or where a
// style sheet is in force: the fields then keep the application's style as it is.
QStyle* SharedKeptPanelStyle()
{
    static QPointer<QStyle> shared;
    if (!shared && qApp && qApp->styleSheet().isEmpty()) {
        if (QStyle* base = QStyleFactory::create(QApplication::style()->name())) {
            shared = new KeptPanelStyle(base); // takes the base
            shared->setParent(qApp);
        }
    }
    return shared;
}

} // namespace

OpaqueLineEdit::OpaqueLineEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    // Only the dialog's own controls know all that lies under them.
    setAttribute(Qt::WA_OpaquePaintEvent, parent && parent->isWindow());
    if (QStyle* style = SharedKeptPanelStyle())
        setStyle(style);
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
        m_panel = QImage();
        update();
        break;
    default:
        break;
    }
    return QLineEdit::event(event);
}

void OpaqueLineEdit::paintEvent(QPaintEvent* event)
{
    if (testAttribute(Qt::WA_OpaquePaintEvent)) { // set only while the parent is a window
        if (m_backdrop.isNull() || m_active != isActiveWindow()
            || m_backdrop.devicePixelRatio() != devicePixelRatioF()) {
            DrawBackdrop();
            m_panel = QImage();
        }
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

bool OpaqueLineEdit::DrawKeptPanel(const QStyleOption* option, QPainter* painter,
                                   const std::function<void(QPainter*)>& drawPanel) const
{
    if (!testAttribute(Qt::WA_OpaquePaintEvent) || m_backdrop.isNull() || painter->device() != this)
        return false;
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const PanelKey key{option->rect, static_cast<int>(option->state), option->direction,
                       option->palette.cacheKey(), frame ? frame->lineWidth : -1,
                       frame ? frame->midLineWidth : -1, frame ? static_cast<int>(frame->features) : -1};
    if (m_panel.isNull() || key != m_panelKey) {
        // Drawn as the field's own paint would draw it: over the same pixels, with a painter
        // set up as the field sets up its painters.
        m_panel = m_backdrop.copy();
        QPainter kept(&m_panel);
        initPainter(&kept);
        drawPanel(&kept);
        m_panelKey = key;
    }
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(0, 0, m_panel);
    painter->restore();
    return true;
}

} // namespace ampora
