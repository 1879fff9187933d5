// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <gtest/gtest.h>

// Every logic test runs under the Hungarian settings the program is made for.
namespace {
class HungarianLocale : public ::testing::Environment
{
public:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary)); }
};
const auto *const g_env = ::testing::AddGlobalTestEnvironment(new HungarianLocale);
} // namespace
