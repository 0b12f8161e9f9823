#pragma once
// One value field of a dialog: the control it goes to and its text. Every dialog fills its
// value fields as a list of these (the main panel's nine, Battery info's, System info's) and
// hands the list to SetFieldTexts (ui/DialogBuilder.h). Plain data, no widget.
#include <QString>

namespace ampora {

struct FieldText {
    int controlId;
    QString text;
    bool operator==(const FieldText&) const = default;
};

} // namespace ampora
