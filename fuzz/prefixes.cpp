// SPDX-License-Identifier: GPL-3.0-or-later
// Prefix normalisation: a mantissa in [1, 1000) whose prefix gives back the
// value, within the range of the prefixes an index 0..12.
#include "calculators/mod_rlc.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < sizeof(double))
        return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    const std::optional<mod_RLC::Normalised> n = mod_RLC::qqq(v);
    if (!(v > 0) || !std::isfinite(v)) {
        FUZZ_CHECK(!n);
        return 0;
    }
    FUZZ_CHECK(n);
    FUZZ_CHECK(n->mantissa >= 1 && n->mantissa < 1000);
    // Repeated multiplication may round a value a hair off a range end onto
    // the prefix next to it; only clear cases are pinned.
    const bool inRange = n->index >= 0 && n->index < mod_RLC::kPrefixes;
    if (v >= 1e-18 * (1 + 1e-12) && v < 1e21 * (1 - 1e-12))
        FUZZ_CHECK(inRange);
    else if (v < 1e-18 * (1 - 1e-12) || v >= 1e21 * (1 + 1e-12))
        FUZZ_CHECK(!inRange);
    if (inRange) {
        const double back = mod_RLC::scale(n->mantissa, n->index);
        FUZZ_CHECK(std::fabs(back - v) <= 1e-12 * v);
        FUZZ_CHECK(mod_RLC::exponent(n->index) == -18 + 3 * n->index);
        for (int c = 0; c < 4; ++c)
            FUZZ_CHECK(!mod_RLC::unitSymbol(n->index, c).isEmpty());
    } else {
        FUZZ_CHECK(mod_RLC::shortName(n->index).isEmpty() && mod_RLC::exponent(n->index) == 0);
    }
    return 0;
}
