#pragma once
// Every message box of Ampora goes through here, so tests can answer them without a person.
#include <QMessageBox>
#include <QString>
#include <functional>

namespace ampora {

// Shows a modal message box; returns the button pressed.
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Replaces the message box (tests); an empty function restores the real one.
using MessageBoxHook = std::function<QMessageBox::StandardButton(
    QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace ampora
