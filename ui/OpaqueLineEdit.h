#pragma once
// A line edit that paints what lies under it itself, so that a change of its text repaints
// only the field. A plain field is not opaque: its rounded corners blend with what is behind
// it, so every repaint of it first paints the window's background and every frame behind it
// (the style draws a group box's frame and its shaded inside on each paint, however small the
// clip). This one keeps those pixels: on its first paint, and again after anything that can
// change them (its size or place, the style, the palette, the window's activation, the
// screen's pixel ratio), it draws the window and the widgets beneath it, clipped to its own
// rectangle, into an image; later paints copy the image and draw the field over it, and the
// widgets behind it are not painted at all. The pixels are the same either way.
// The style's panel of the field (its rounded frame and base, a good half of a field's paint)
// is kept the same way: drawn once over the kept pixels, for the options the style is given
// (size, state, palette, direction), and copied while they stay the same. The style stays
// the application's; only its panel of these fields goes through a proxy that asks the field.
// It is opaque only as a direct child of a window (as the controls of a dialog template are);
// elsewhere, or with Qt::WA_OpaquePaintEvent cleared, it is a plain field.
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>

#include <functional>
#include <tuple>

class QStyleOption;

namespace ampora {

class OpaqueLineEdit : public QLineEdit {
public:
    explicit OpaqueLineEdit(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class KeptPanelStyle;
    void DrawBackdrop();
    // Draws the style's panel from the kept image, made first with `drawPanel` when the
    // options changed. False (nothing drawn) while the field is plain or has no backdrop, or
    // when the painter is not the field's own.
    bool DrawKeptPanel(const QStyleOption* option, QPainter* painter,
                       const std::function<void(QPainter*)>& drawPanel) const;

    QImage m_backdrop; // what lies under the field; null when it must be drawn anew
    bool m_active = false; // the window's activation the backdrop was drawn with
    // The backdrop with the panel over it, and the options it was drawn with.
    using PanelKey = std::tuple<QRect, int, int, qint64, int, int, int>;
    mutable QImage m_panel;
    mutable PanelKey m_panelKey;
};

} // namespace ampora
