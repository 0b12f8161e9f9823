#pragma once
// The string table: every user-visible text by number, looked up when it is needed so the
// translation module (a QTranslator installed at start-up) can replace it. A number the
// module lacks falls back to the built-in English text; an unknown number gives "".
#include <QString>

namespace ampora {

QString LoadQString(int id);

// The built-in English text, never translated (for tests and the translation files).
const char* BuiltInString(int id);

// Translation context and disambiguation used for entry `id` (lupdate sees the same).
inline constexpr const char* kStringTableContext = "StringTable";

} // namespace ampora
