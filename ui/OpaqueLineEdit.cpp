#include "ui/OpaqueLineEdit.h"

#include <QApplication>
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
        m_kept.Clear();
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
        const QImage& backdrop = m_kept.Backdrop(*this);
        QPainter painter(this); // clipped to the region being painted
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, backdrop);
    }
    QLineEdit::paintEvent(event);
}

bool OpaqueLineEdit::DrawKeptPanel(const QStyleOption* option, QPainter* painter,
                                   const std::function<void(QPainter*)>& drawPanel) const
{
    if (!testAttribute(Qt::WA_OpaquePaintEvent) || !m_kept.HasBackdrop() || painter->device() != this)
        return false;
    // Drawn as the field's own paint would draw it: over the same pixels, with a painter set
    // up as the field sets up its painters.
    const QImage& panel = m_kept.Panel(*option, [&](QPainter* kept) {
        initPainter(kept);
        drawPanel(kept);
    });
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(0, 0, panel);
    painter->restore();
    return true;
}

} // namespace ampora
