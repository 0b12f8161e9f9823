#pragma once
// A line edit that paints what lies under it itself, so that a change of its text repaints
// only the field. A plain field is not opaque: its rounded corners blend with what is behind
// it, so every repaint of it first paints the window's background and every frame behind it
// (the style draws a group box's frame and its shaded inside on each paint, however small the
// clip). This one keeps those pixels (FieldBackdrop: what they depend on and when they are
// drawn again): later paints copy them and draw the field over them, and the widgets behind
// it are not painted at all. The pixels are the same either way.
// The style's panel of the field (its rounded frame and base, a good half of a field's paint)
// is kept the same way. The style stays the application's; only its panel of these fields
// goes through a proxy that asks the field.
// It is opaque only as a direct child of a window (as the controls of a dialog template are);
// elsewhere, or with Qt::WA_OpaquePaintEvent cleared, it is a plain field.
#include "ui/FieldBackdrop.h"

#include <QLineEdit>

#include <functional>

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
    // Draws the style's panel from the kept image, made first with `drawPanel` when the
    // options changed. False (nothing drawn) while the field is plain or has no backdrop, or
    // when the painter is not the field's own.
    bool DrawKeptPanel(const QStyleOption* option, QPainter* painter,
                       const std::function<void(QPainter*)>& drawPanel) const;

    mutable FieldBackdrop m_kept;
};

} // namespace ampora
