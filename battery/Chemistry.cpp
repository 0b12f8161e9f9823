#include "battery/CBatteryCtrl.h"

#include <cstring>

namespace ampora {
namespace {

struct ChemistryEntry {
    const char* code;
    size_t compared; // leading characters that must match, case-sensitive
    const char* name;
};

// The compared prefixes all differ, so at most one entry matches a code.
// "Li-I" stands for "Li-Ir", and "RAM" ignores the fourth character.
// The last three are codes the Linux back end gives for chemistries the kernel reports.
constexpr ChemistryEntry kChemistries[] = {
    {"PbAc", 4, "Lead Acid"},
    {"LION", 4, "Lithium Ion"},
    {"Li-I", 4, "Lithium Iridium"},
    {"NiCd", 4, "Nickel Cadmium"},
    {"NiMH", 4, "Nickel Metal Hydride"},
    {"NiZn", 4, "Nickel Zinc"},
    {"RAM", 3, "Rechargeable Alkaline-Manganese"},
    {"LiPo", 4, "Lithium Polymer"},
    {"LiFe", 4, "Lithium Iron Phosphate"},
    {"LiMn", 4, "Lithium Manganese Oxide"},
};

} // namespace

std::string ChemistryName(const char code[4])
{
    if (!code)
        return {};
    for (const ChemistryEntry& entry : kChemistries) {
        if (std::memcmp(code, entry.code, entry.compared) == 0)
            return entry.name;
    }
    return {};
}

} // namespace ampora
