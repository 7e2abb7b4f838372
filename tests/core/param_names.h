// SPDX-License-Identifier: GPL-3.0-or-later
// Table rows print as their name, so test listings stay readable. The rows
// live in each test file's unnamed namespace; this joins it so that the
// printer finds PrintTo by argument-dependent lookup.
#pragma once

#include <ostream>

namespace {

template <class Row>
requires requires(const Row& r) {
    r.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

} // namespace
