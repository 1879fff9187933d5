// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: whatever is read, writing it and reading that back gives
// the same settings, and a second write gives the same bytes.
#include "calculators/mod_trafo.h"
#include "core/textfile.h"
#include "fuzz/fuzzcheck.h"

#include <QBuffer>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    QBuffer in(&bytes);
    mod_trafo::Settings s;
    mod_trafo::ReadSettings(in, &s);
    FUZZ_CHECK(!s.efficiencies.isEmpty());
    FUZZ_CHECK(std::isfinite(s.eta.value()) && s.eta.value() > 0);

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    FUZZ_CHECK(mod_trafo::WriteSettings(out, s));
    out.close();

    // Characters the code page cannot hold are not kept by any write; compare
    // with what the file can carry.
    mod_trafo::Settings expected = s;
    expected.eta = mod_trafo::Efficiency::fromText(
        textfile::decode(textfile::encode(s.eta.text())));
    for (QString &e : expected.efficiencies)
        e = textfile::decode(textfile::encode(e));

    mod_trafo::Settings back;
    FUZZ_CHECK(mod_trafo::ReadSettings(textfile::decode(written), &back));
    FUZZ_CHECK(back.eta == expected.eta);
    FUZZ_CHECK(back.efficiencies == expected.efficiencies);
    FUZZ_CHECK(back.coreCode() == s.coreCode() && back.K == s.K);
    FUZZ_CHECK(mod_trafo::settingsFileBytes(back) == written);
    return 0;
}
