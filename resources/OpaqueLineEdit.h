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
// It is opaque only as a direct child of a window (as the controls of a dialog template are);
// elsewhere, or with Qt::WA_OpaquePaintEvent cleared, it is a plain field.
#include <QImage>
#include <QLineEdit>

namespace ampora {

class OpaqueLineEdit : public QLineEdit {
public:
    explicit OpaqueLineEdit(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void DrawBackdrop();
    QImage m_backdrop; // what lies under the field; null when it must be drawn anew
    bool m_active = false; // the window's activation the backdrop was drawn with
};

} // namespace ampora
