// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A synthetic dictionary for benchmarks and stress tests: rows lines of
// "magyar,english,deutsch" made of syllables with accented letters, the same
// for every call.
namespace dictionary_synth {

constexpr int kRows = 5001;

QString generate(int rows = kRows);

} // namespace dictionary_synth
