#include "ui/DialogBuilder.h"

#include "ui/OpaqueLineEdit.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ampora {

QFont DialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    if (QFontInfo(font).family() != font.family()) {
        font = QFont(QStringLiteral("Arial"), 8);
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

QPoint DialogUnitsToPixels(const QFont& font, int x, int y)
{
    // Dialog base units: the average width of the Latin letters and the font height.
    const QFontMetrics fm(font);
    const int baseX = (fm.horizontalAdvance(QStringLiteral(
                           "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) + 26) / 52;
    const int baseY = fm.height();
    return QPoint((x * baseX + 2) / 4, (y * baseY + 4) / 8);
}

namespace {

QWidget* MakeControl(QDialog* dialog, const ControlTemplate& c)
{
    const QString text = QCoreApplication::translate("DialogTemplate", c.text ? c.text : "");
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultButton: {
        auto* b = new QPushButton(text, dialog);
        b->setAutoDefault(false);
        b->setDefault(c.kind == ControlKind::DefaultButton);
        return b;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, dialog);
    case ControlKind::GroupBox: {
        auto* g = new QGroupBox(text, dialog);
        g->setFocusPolicy(Qt::NoFocus);
        return g;
    }
    case ControlKind::Label:
    case ControlKind::LabelRight: {
        auto* l = new QLabel(text, dialog);
        l->setAlignment((c.kind == ControlKind::LabelRight ? Qt::AlignRight : Qt::AlignLeft)
                        | Qt::AlignVCenter);
        return l;
    }
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit: {
        auto* e = new OpaqueLineEdit(text, dialog);
        e->setReadOnly(c.kind == ControlKind::ReadOnlyEdit);
        return e;
    }
    case ControlKind::ComboList:
    case ControlKind::ComboListImages: {
        auto* cb = new QComboBox(dialog);
        cb->setEditable(false);
        if (c.kind == ControlKind::ComboListImages)
            cb->setIconSize(QSize(16, 16));
        return cb;
    }
    case ControlKind::Icon: {
        auto* l = new QLabel(dialog);
        l->setPixmap(ProgramIcon().pixmap(32, 32));
        l->setAlignment(Qt::AlignCenter);
        return l;
    }
    case ControlKind::HiddenFrame: {
        auto* f = new QFrame(dialog);
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        f->setVisible(false);
        return f;
    }
    }
    return nullptr;
}

} // namespace

void BuildDialog(QDialog* dialog, const DialogTemplate& tmpl)
{
    const QFont font = DialogFont();
    dialog->setFont(font);
    dialog->setWindowTitle(QString::fromUtf8(tmpl.caption));
    QWidget* previous = nullptr;
    std::vector<QWidget*> groups;
    for (const ControlTemplate& c : tmpl.controls) {
        QWidget* w = MakeControl(dialog, c);
        if (!w)
            continue;
        if (c.id >= 0)
            w->setObjectName(QString::number(c.id));
        const QPoint pos = DialogUnitsToPixels(font, c.x, c.y);
        const QPoint size = DialogUnitsToPixels(font, c.cx, c.cy);
        w->setGeometry(pos.x(), pos.y(), size.x(), size.y());
        if (c.kind == ControlKind::GroupBox)
            groups.push_back(w);
        if (w->focusPolicy() != Qt::NoFocus && c.kind != ControlKind::Label
            && c.kind != ControlKind::LabelRight && c.kind != ControlKind::Icon
            && c.kind != ControlKind::HiddenFrame) {
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    for (QWidget* g : groups)
        g->lower(); // frames stand behind the controls they surround
    const QPoint client = DialogUnitsToPixels(font, tmpl.cx, tmpl.cy);
    dialog->setFixedSize(client.x(), client.y());
}

QWidget* ControlById(const QWidget* dialog, int id)
{
    if (!dialog)
        return nullptr;
    return dialog->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

bool SetControlText(QWidget* dialog, int controlId, const QString& text)
{
    QWidget* w = ControlById(dialog, controlId);
    if (!w)
        return false;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
    else
        w->setWindowTitle(text);
    return true;
}

void SetFieldTexts(QWidget* dialog, const std::vector<FieldText>& fields)
{
    for (const FieldText& field : fields) {
        if (ControlText(dialog, field.controlId) != field.text)
            SetControlText(dialog, field.controlId, field.text);
    }
}

QString ControlText(const QWidget* dialog, int controlId)
{
    QWidget* w = ControlById(dialog, controlId);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return w ? w->windowTitle() : QString();
}

void ApplyCaptionTable(QWidget* dialog, const std::vector<CaptionPair>& table)
{
    for (const CaptionPair& p : table)
        SetControlText(dialog, p.controlId, LoadQString(p.stringId));
}

} // namespace ampora
