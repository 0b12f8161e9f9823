#pragma once
// The active resource set: chosen once at start-up. The built-in set is compiled in; the
// optional translation module "TransBat.lng" (a Qt .qm file) replaces the texts it holds.
// Plain Qt Core: ampora-cli's commands load it without Qt Gui.
#include <QString>
#include <QStringList>

namespace ampora {

inline constexpr const char* kTranslationModuleName = "TransBat.lng";

// Looks for the translation module once: in the current directory, beside the executable,
// then the shipped module of the user's language (translations/<lang>/ beside the program, or
// ../share/ampora/translations/<lang>/ when installed). Installs it when it passes the check of
// TranslationCheck.h; a missing, unreadable or damaged file leaves the built-in English set,
// silently. Qt's own translation of the module's language (qtbase_<lang>.qm, from
// Qt's translations folder or translations/ beside the program) comes with it when present.
// Returns the path of the module in force, or an empty string; later calls give the same
// answer without looking again.
QString LoadTranslationModule();
QStringList TranslationModuleDirs();
// Removes the module again (shut-down, tests); the next LoadTranslationModule looks afresh.
void UnloadTranslationModule();

} // namespace ampora
