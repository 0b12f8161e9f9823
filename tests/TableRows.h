#pragma once
// Rows of table-driven tests print as their name, so test listings stay readable.
#include <ostream>
#include <string_view>

namespace ampora {
namespace {

template <typename Row>
    requires requires(const Row& row) { std::string_view(row.name); }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace
} // namespace ampora
