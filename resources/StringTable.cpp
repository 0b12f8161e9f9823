#include "resources/StringTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace ampora {
namespace {

struct Entry {
    int id;
    struct {
        const char* text;
        const char* key; // the number as text: tells equal English texts apart
    } s;
};

// Keep sorted by number.
constexpr Entry kStrings[] = {
    {101, QT_TRANSLATE_NOOP3("StringTable", "About Ampora...", "101")},
    {102, QT_TRANSLATE_NOOP3("StringTable", "Total capacity:", "102")},
    {103, QT_TRANSLATE_NOOP3("StringTable", "Power source:", "103")},
    {104, QT_TRANSLATE_NOOP3("StringTable", "Battery status:", "104")},
    {105, QT_TRANSLATE_NOOP3("StringTable", "Life left:", "105")},
    {106, QT_TRANSLATE_NOOP3("StringTable", "Time remainig:", "106")},
    {107, QT_TRANSLATE_NOOP3("StringTable", "Total time:", "107")},
    {108, QT_TRANSLATE_NOOP3("StringTable", "Num samples", "108")},
    {109, QT_TRANSLATE_NOOP3("StringTable", "Run time", "109")},
    {110, QT_TRANSLATE_NOOP3("StringTable", "Discharge rate", "110")},
    {111, QT_TRANSLATE_NOOP3("StringTable", "Comparation rate:", "111")},
    {112, QT_TRANSLATE_NOOP3("StringTable", "Start", "112")},
    {113, QT_TRANSLATE_NOOP3("StringTable", "Stop", "113")},
    {114, QT_TRANSLATE_NOOP3("StringTable", "View data", "114")},
    {115, QT_TRANSLATE_NOOP3("StringTable", "Save data", "115")},
    {116, QT_TRANSLATE_NOOP3("StringTable", "Battery info", "116")},
    {117, QT_TRANSLATE_NOOP3("StringTable", "About", "117")},
    {118, QT_TRANSLATE_NOOP3("StringTable", "System info", "118")},
    {119, QT_TRANSLATE_NOOP3("StringTable", "Configuration", "119")},
    {120, QT_TRANSLATE_NOOP3("StringTable", "Help", "120")},
    {121, QT_TRANSLATE_NOOP3("StringTable", "Exit", "121")},
    {123, QT_TRANSLATE_NOOP3("StringTable", "N/A", "123")},
    {124, QT_TRANSLATE_NOOP3("StringTable", "Battery details", "124")},
    {125, QT_TRANSLATE_NOOP3("StringTable", "Monitor info", "125")},
    {126, QT_TRANSLATE_NOOP3("StringTable", "Not present", "126")},
    {127, QT_TRANSLATE_NOOP3("StringTable", "A/C", "127")},
    {128, QT_TRANSLATE_NOOP3("StringTable", "Curent capacity:", "128")},
    {129, QT_TRANSLATE_NOOP3("StringTable", "Volt:", "129")},
    {130, QT_TRANSLATE_NOOP3("StringTable", "Low", "130")},
    {131, QT_TRANSLATE_NOOP3("StringTable", "High", "131")},
    {132, QT_TRANSLATE_NOOP3("StringTable", "Critical", "132")},
    {133, QT_TRANSLATE_NOOP3("StringTable", "Charge", "133")},
    {134, QT_TRANSLATE_NOOP3("StringTable", "No battery", "134")},
    {135, QT_TRANSLATE_NOOP3("StringTable", "Charge:", "135")},
    {136, QT_TRANSLATE_NOOP3("StringTable", "Processor Current Mhz:", "136")},
    {137, QT_TRANSLATE_NOOP3("StringTable", "Ups present:", "137")},
    {138, QT_TRANSLATE_NOOP3("StringTable", "Processor throttling:", "138")},
    {139, QT_TRANSLATE_NOOP3("StringTable", "Processor min throttling:", "139")},
    {140, QT_TRANSLATE_NOOP3("StringTable", "Processor max throttling:", "140")},
    {141, QT_TRANSLATE_NOOP3("StringTable", "Thermal zone:", "141")},
    {142, QT_TRANSLATE_NOOP3("StringTable", "Video display:", "142")},
    {143, QT_TRANSLATE_NOOP3("StringTable", "APM BIOS Power managment:", "143")},
    {144, QT_TRANSLATE_NOOP3("StringTable", "Removal fixed disk dev.:", "144")},
    {145, QT_TRANSLATE_NOOP3("StringTable", "Fan throttle tolerance %:", "145")},
    {146, QT_TRANSLATE_NOOP3("StringTable", "Yes", "146")},
    {147, QT_TRANSLATE_NOOP3("StringTable", "No", "147")},
    {148, QT_TRANSLATE_NOOP3("StringTable", "Status:", "148")},
    {149, QT_TRANSLATE_NOOP3("StringTable", "Manufacture:", "149")},
    {150, QT_TRANSLATE_NOOP3("StringTable", "Device name:", "150")},
    {151, QT_TRANSLATE_NOOP3("StringTable", "Unit Id:", "151")},
    {152, QT_TRANSLATE_NOOP3("StringTable", "Time remaining:", "152")},
    {153, QT_TRANSLATE_NOOP3("StringTable", "Battery temp:", "153")},
    {154, QT_TRANSLATE_NOOP3("StringTable", "Date of manuf:", "154")},
    {155, QT_TRANSLATE_NOOP3("StringTable", "Type of use:", "155")},
    {156, QT_TRANSLATE_NOOP3("StringTable", "Rechargeable:", "156")},
    {157, QT_TRANSLATE_NOOP3("StringTable", "Chemistry:", "157")},
    {158, QT_TRANSLATE_NOOP3("StringTable", "Design capacity:", "158")},
    {159, QT_TRANSLATE_NOOP3("StringTable", "Full charge capacity:", "159")},
    {160, QT_TRANSLATE_NOOP3("StringTable", "Current capacity:", "160")},
    {161, QT_TRANSLATE_NOOP3("StringTable", "Alert levels:", "161")},
    {162, QT_TRANSLATE_NOOP3("StringTable", "Critical Bias:", "162")},
    {163, QT_TRANSLATE_NOOP3("StringTable", "Charge cycles:", "163")},
    {164, QT_TRANSLATE_NOOP3("StringTable", "Voltage:", "164")},
    {165, QT_TRANSLATE_NOOP3("StringTable", "Charge rates:", "165")},
    {166, QT_TRANSLATE_NOOP3("StringTable", "Serial number:", "166")},
    {167, QT_TRANSLATE_NOOP3("StringTable", "Not supported", "167")},
    {168, QT_TRANSLATE_NOOP3("StringTable", "On line", "168")},
    {169, QT_TRANSLATE_NOOP3("StringTable", "Discharging", "169")},
    {170, QT_TRANSLATE_NOOP3("StringTable", "Charging", "170")},
    {171, QT_TRANSLATE_NOOP3("StringTable", "Critical", "171")},
    {172, QT_TRANSLATE_NOOP3("StringTable", "Normal operation", "172")},
    {174, QT_TRANSLATE_NOOP3("StringTable", "Ampora Version 1.0", "174")},
    {175, QT_TRANSLATE_NOOP3("StringTable", "A battery monitor for laptops. Free software.", "175")},
    {177, QT_TRANSLATE_NOOP3("StringTable", "Processor Max Mhz:", "177")},
    {180, QT_TRANSLATE_NOOP3("StringTable", "Battery", "180")},
    {181, QT_TRANSLATE_NOOP3("StringTable", "Unknow", "181")},
    {182, QT_TRANSLATE_NOOP3("StringTable", "Ampora", "182")},
    {184, QT_TRANSLATE_NOOP3("StringTable", "Compare with saved data", "184")},
    {191, QT_TRANSLATE_NOOP3("StringTable", "Status", "191")},
    {192, QT_TRANSLATE_NOOP3("StringTable", "Name", "192")},
    {193, QT_TRANSLATE_NOOP3("StringTable", "Property", "193")},
    {194, QT_TRANSLATE_NOOP3("StringTable", "Curent status", "194")},
    {195, QT_TRANSLATE_NOOP3("StringTable", "Time:", "195")},
    {196, QT_TRANSLATE_NOOP3("StringTable", "Nr. Sample:", "196")},
    {197, QT_TRANSLATE_NOOP3("StringTable", "Running", "197")},
    {198, QT_TRANSLATE_NOOP3("StringTable", "Stoped", "198")},
    {199, QT_TRANSLATE_NOOP3("StringTable", "\tStand by mode detected. \r\nLike result the monitorize will be stoped !", "199")},
    {200, QT_TRANSLATE_NOOP3("StringTable", "It's detected a changing in the Power managment of the computer (Battery was: %s). \r\n", "200")},
    {201, QT_TRANSLATE_NOOP3("StringTable", "\tLike result the settings will be updated", "201")},
    {202, QT_TRANSLATE_NOOP3("StringTable", " and monitories process stopped", "202")},
    {203, QT_TRANSLATE_NOOP3("StringTable", "added", "203")},
    {204, QT_TRANSLATE_NOOP3("StringTable", "removed", "204")},
    // The battery-data file's error messages (where reading failed, which field, what was
    // wrong with it), the names of its fields, and the question before a file is replaced.
    {209, QT_TRANSLATE_NOOP3("StringTable", "An attempt was made to access %1 past its end.", "209")},
    {210, QT_TRANSLATE_NOOP3("StringTable", "While reading the %1.", "210")},
    {211, QT_TRANSLATE_NOOP3("StringTable", "While reading the %1 of battery %2.", "211")},
    {212, QT_TRANSLATE_NOOP3("StringTable", "While reading battery %1.", "212")},
    {213, QT_TRANSLATE_NOOP3("StringTable", "format number", "213")},
    {214, QT_TRANSLATE_NOOP3("StringTable", "battery count", "214")},
    {215, QT_TRANSLATE_NOOP3("StringTable", "run length", "215")},
    {216, QT_TRANSLATE_NOOP3("StringTable", "sample count", "216")},
    {217, QT_TRANSLATE_NOOP3("StringTable", "tick count", "217")},
    {218, QT_TRANSLATE_NOOP3("StringTable", "device name", "218")},
    {219, QT_TRANSLATE_NOOP3("StringTable", "manufacturer", "219")},
    {220, QT_TRANSLATE_NOOP3("StringTable", "serial number", "220")},
    {221, QT_TRANSLATE_NOOP3("StringTable", "unique id", "221")},
    {222, QT_TRANSLATE_NOOP3("StringTable", "chemistry", "222")},
    {223, QT_TRANSLATE_NOOP3("StringTable", "%1 is damaged.", "223")},
    {224, QT_TRANSLATE_NOOP3("StringTable", "The battery count is negative (%1).", "224")},
    {225, QT_TRANSLATE_NOOP3("StringTable", "The file claims %1 batteries but has room for at most %2.", "225")},
    {226, QT_TRANSLATE_NOOP3("StringTable", "The %1 of battery %2 is %3 bytes long; at most %4 are allowed.", "226")},
    {227, QT_TRANSLATE_NOOP3("StringTable", "The sample count is negative (%1).", "227")},
    {228, QT_TRANSLATE_NOOP3("StringTable", "Cannot open %1: %2.", "228")},
    {229, QT_TRANSLATE_NOOP3("StringTable", "Cannot read %1: %2.", "229")},
    {230, QT_TRANSLATE_NOOP3("StringTable", "Cannot save %1: %2.", "230")},
    {231, QT_TRANSLATE_NOOP3("StringTable", "%1 is a folder, a device or a pipe, not a file.", "231")},
    {232, QT_TRANSLATE_NOOP3("StringTable", "%1 ends inside its samples: it claims %2 samples, of which %3 are whole.\nOnly the whole samples are shown.", "232")},
    {233, QT_TRANSLATE_NOOP3("StringTable", "%1 already exists.\nDo you want to replace it?", "233")},
    {234, QT_TRANSLATE_NOOP3("StringTable", "The log %1 cannot be written: %2.\nThe run goes on without it; its samples are kept for Save data.", "234")},
    {235, QT_TRANSLATE_NOOP3("StringTable", "Health:", "235")},
    {61703, QT_TRANSLATE_NOOP3("StringTable", "Failed to launch help.", "61703")},
};

const Entry* Find(int id)
{
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int key) { return e.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? it : nullptr;
}

} // namespace

const char* BuiltInString(int id)
{
    const Entry* e = Find(id);
    return e ? e->s.text : "";
}

QString LoadQString(int id)
{
    const Entry* e = Find(id);
    if (!e)
        return QString();
    return QCoreApplication::translate(kStringTableContext, e->s.text, e->s.key);
}

} // namespace ampora
