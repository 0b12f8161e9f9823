#pragma once
// Turns a dialog template (resources/DialogTemplate.h) into Qt widgets, converting dialog
// units with the dialog font's metrics (x: average character width / 4, y: height / 8), and
// binds texts to the controls afterwards, each control found by its numeric id.
#include "resources/DialogTemplate.h"
#include "ui/FieldText.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

class QDialog;

namespace ampora {

// Creates the template's controls as children of `dialog`, sizes the dialog, sets the tab
// order and the default button. Each control's objectName is its id; find it with ControlById.
void BuildDialog(QDialog* dialog, const DialogTemplate& tmpl);

// The control with this id inside `dialog`, or null.
QWidget* ControlById(const QWidget* dialog, int id);
template <typename T> T* Control(const QWidget* dialog, int id)
{
    return qobject_cast<T*>(ControlById(dialog, id));
}

// Applies a caption table: for each (string id, control id) pair in order, the string's text
// becomes the control's text; a pair whose control the dialog lacks is skipped.
struct CaptionPair { int stringId; int controlId; };
void ApplyCaptionTable(QWidget* dialog, const std::vector<CaptionPair>& table);

// Sets a control's text whatever its kind (button, label, edit, group box). False when the
// dialog has no such control.
bool SetControlText(QWidget* dialog, int controlId, const QString& text);

// Sets the fields' texts. A field given its own text again is left alone and not painted; the
// template's fields paint what lies under them themselves, so a changed one repaints only itself.
void SetFieldTexts(QWidget* dialog, const std::vector<FieldText>& fields);
QString ControlText(const QWidget* dialog, int controlId);

// The face the templates are laid out for: "MS Sans Serif" 8 pt where it exists, otherwise
// "Arial" 8 pt, which fontconfig gives as a metric-compatible face (Liberation Sans) where
// Arial itself is missing, as the graph's texts are.
QFont DialogFont();

// One dialog unit converted with the dialog's font.
QPoint DialogUnitsToPixels(const QFont& font, int x, int y);

} // namespace ampora
