#pragma once
// The help file "HelpBattery.hlp" is an HTML document with one anchor per help keyword,
// shown in Ampora's own help window.
#include <QString>
#include <functional>

class QWidget;

namespace ampora {

inline constexpr const char* kHelpFileName = "HelpBattery.hlp";
// A larger help file is refused: it is read whole on the window's thread (50 MB took seconds
// and a quarter of a gigabyte); the shipped one is under 10 kB.
inline constexpr qint64 kMaxHelpFileBytes = 2 * 1024 * 1024;

// Where the help file is looked for: the path set at start-up (SetHelpFilePath), resolved
// against the current directory, the executable's directory and ../share/ampora beside it.
void SetHelpFilePath(const QString& path);
QString ResolveHelpFile();

// Opens the help window at `keyword` ("Battery info", "System info"), or at the contents
// page when keyword is empty. A missing, unreadable or oversized (kMaxHelpFileBytes) help
// file, or one that is not a regular file, shows string 61703 "Failed to launch help." in a
// message box and returns false.
bool ShowHelp(QWidget* parent, const QString& keyword = QString());

// The anchor name of a keyword inside the help file: "Battery info" -> "battery-info".
QString HelpAnchor(const QString& keyword);

} // namespace ampora
