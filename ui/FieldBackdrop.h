#pragma once
// The kept pixels of one opaque field (OpaqueLineEdit): what lies under it, and the style's
// panel (its rounded frame and base) drawn over that.
//
// The backdrop depends on the window's background and the siblings placed before the field
// (each clipped to the field's rectangle), the field's size and place, the window's
// activation and the screen's pixel ratio. It is drawn on the first paint after Clear(); the
// field clears it on any event that can change those pixels (resize, move, new parent, style,
// palette, font, activation, enabled state), and Backdrop() draws it again by itself when the
// window's activation or the pixel ratio differ from those it was drawn with.
// The panel depends on the backdrop and on the style options it is drawn for (rectangle,
// state, direction, palette, frame widths and features): it is drawn again when the backdrop
// was, or when the options differ from the last ones.
#include <QImage>
#include <QStyleOption>

#include <functional>
#include <tuple>

class QWidget;

namespace ampora {

class FieldBackdrop {
public:
    // Forgets both pictures; the next paint draws them anew.
    void Clear();
    bool HasBackdrop() const { return !m_backdrop.isNull(); }

    // What lies under `field` (a direct child of a window), drawn first when there is none
    // or it no longer matches the window's activation or the pixel ratio.
    const QImage& Backdrop(const QWidget& field);
    // The backdrop with the panel for `option` over it; `drawPanel` draws the panel into the
    // painter it is given and is called only when the panel must be made. Needs a backdrop.
    const QImage& Panel(const QStyleOption& option, const std::function<void(QPainter*)>& drawPanel);

private:
    void DrawBackdrop(const QWidget& field);

    QImage m_backdrop;
    bool m_active = false; // the window's activation the backdrop was drawn with
    using PanelKey = std::tuple<QRect, int, int, qint64, int, int, int>;
    QImage m_panel;
    PanelKey m_panelKey;
};

} // namespace ampora
