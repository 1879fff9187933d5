// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/cli.h"

namespace cli {

// The manual page (troff) of kondrix-cli in "en" or "hu", written from the
// same command table as --help: the build installs its output, so the page
// lists exactly the commands the program has. Empty for another language.
QString manPage(const Registry &registry, const QString &language);

} // namespace cli
