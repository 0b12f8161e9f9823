#pragma once
// Dialog templates as data: each control with its id, kind, position and size in dialog
// units and its template text. ui/DialogBuilder turns a template into Qt widgets.
#include <vector>

namespace ampora {

enum class ControlKind {
    PushButton,      // plain push button
    DefaultButton,   // the default push button (Enter)
    CheckBox,        // automatic check box
    GroupBox,
    Label,           // static text, left aligned
    LabelRight,      // static text, right aligned
    Edit,            // single-line edit, bordered, scrolls horizontally
    ReadOnlyEdit,    // the same, read-only
    ComboList,       // drop-down list
    ComboListImages, // drop-down list whose items carry an image
    Icon,            // the program icon
    HiddenFrame,     // hidden etched frame (a layout marker)
};

struct ControlTemplate {
    int id;            // -1 for controls without an id
    ControlKind kind;
    int x, y, cx, cy;  // dialog units
    const char* text;  // the template's own text (placeholder until initialisation)
};

struct DialogTemplate {
    int id;
    int cx, cy;        // client size in dialog units
    const char* caption;
    std::vector<ControlTemplate> controls; // template order = tab order
};

// The templates of the active resource set: 100 About, 102 main, 129 System info,
// 182 Battery info. Null for an unknown number.
const DialogTemplate* FindDialogTemplate(int id);

} // namespace ampora
