// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// A synthetic transistor catalog of realistic shape (type-name prefixes, field
// lengths, codes, code page 1250 with CR LF), for benchmarks and stress tests
// only: it is never the shipped catalog.
namespace transistor_synth {

constexpr int kFullSize = 46126;
constexpr uint64_t kSeed = 0x4b6f6e6472697831ull;

// The nineteen files' bytes (f00 .. f18); the same seed gives the same bytes.
std::array<QByteArray, 19> generate(int records, uint64_t seed = kSeed);

// Writes them as dir/f00.txt .. dir/f18.txt; false on a write error.
bool writeFiles(const QString &dir, const std::array<QByteArray, 19> &files);

} // namespace transistor_synth
