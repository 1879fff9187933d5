// SPDX-License-Identifier: GPL-3.0-or-later
// Transistor catalog: loading, searching and typing into the window, each
// against the work it is measured by, on the synthetic full-size catalog.

#include "transistor_synth.h"

#include "catalogs/frm_tranzisztor.h"
#include "catalogs/module1.h"
#include "catalogs/transistormodel.h"
#include "core/appdir.h"
#include "core/textfile.h"
#include "core/userdata.h"

#include <array>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>

namespace {

const char *const kNeedle = "BC";   // in about 14 % of the synthetic names

struct Catalog
{
    QTemporaryDir dir;
    qint64 fileBytes = 0;
    Catalog()
    {
        const auto files = transistor_synth::generate(transistor_synth::kFullSize);
        for (const QByteArray &f : files)
            fileBytes += f.size();
        if (!dir.isValid() || !transistor_synth::writeFiles(dir.path() + QStringLiteral("/Tranzisztor"), files))
            qFatal("cannot write the synthetic catalog");
        appdir::setPath(dir.path());
        userdata::setPath(dir.path() + QStringLiteral("/no-records-of-the-user"));   // as most users have
    }
};

Catalog &catalog()
{
    static Catalog c;
    return c;
}

void loadOrDie()
{
    const Transistor_LoadReport r = Load_Transistor_Data();
    if (!r.ok() || r.records != transistor_synth::kFullSize)
        qFatal("synthetic catalog did not load: %s", qPrintable(r.message()));
}

// The work no loader can avoid: the nineteen files read, each decoded in one
// call. With keep, the decoded texts stay in memory together, as a loaded
// table must hold them (this matters the first time in a process, when that
// memory comes fresh from the system).
qsizetype readAndDecode(bool keep = false)
{
    qsizetype chars = 0;
    std::array<QString, kTransistorFields> kept;
    for (int f = 0; f < kTransistorFields; ++f) {
        QFile file(appdir::file(QStringLiteral("\\Tranzisztor\\") + Transistor_FileName(f)));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the synthetic catalog");
        const QString text = textfile::decode(file.readAll());
        chars += text.size();
        if (keep)
            kept[size_t(f)] = text;
    }
    return chars;
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// The two above in turns, so that a busy machine slows both alike: the ratio
// of their medians.
void BM_LoadAgainstReadAndDecode(benchmark::State &state)
{
    catalog();
    // The first time in a process, both take their memory fresh from the system.
    const auto c0 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(readAndDecode(true));
    const auto c1 = std::chrono::steady_clock::now();
    loadOrDie();
    const auto c2 = std::chrono::steady_clock::now();
    state.counters["first_read_decode_ms"] = std::chrono::duration<double, std::milli>(c1 - c0).count();
    state.counters["first_load_ms"] = std::chrono::duration<double, std::milli>(c2 - c1).count();
    std::vector<double> load, base;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(readAndDecode());
        auto t1 = std::chrono::steady_clock::now();
        loadOrDie();
        auto t2 = std::chrono::steady_clock::now();
        base.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        load.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    state.counters["load_ms"] = median(load);
    state.counters["read_decode_ms"] = median(base);
    state.counters["ratio"] = median(load) / median(base);
    const double table = double(Transistor_Table_Instance().memoryBytes());
    state.counters["table_MB"] = table / 1e6;
    state.counters["files_MB"] = double(catalog().fileBytes) / 1e6;
    state.counters["bytes_ratio"] = table / double(catalog().fileBytes);
}

void BM_SearchAndModel(benchmark::State &state)
{
    catalog();
    loadOrDie();
    TransistorModel model(&Transistor_Table_Instance());
    for (auto _ : state) {
        model.search(QString::fromLatin1(kNeedle));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["matches"] = model.rowCount();
}

void BM_SqliteLike(benchmark::State &state)
{
    catalog();
    loadOrDie();
    const Transistor_Table &t = Transistor_Table_Instance();
    sqlite3 *db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "CREATE TABLE t(name TEXT)", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *ins = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t(rowid, name) VALUES(?1, ?2)", -1, &ins, nullptr);
    for (int s = 0; s < t.size(); ++s) {
        const QByteArray name = t.field(s, 0).toUtf8();
        sqlite3_bind_int(ins, 1, s);
        sqlite3_bind_text(ins, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

    sqlite3_stmt *q = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM t WHERE name LIKE ?1", -1, &q, nullptr);
    const QByteArray pattern = QByteArray("%") + kNeedle + "%";
    std::vector<int> rows;
    for (auto _ : state) {
        rows.clear();
        sqlite3_bind_text(q, 1, pattern.constData(), int(pattern.size()), SQLITE_STATIC);
        while (sqlite3_step(q) == SQLITE_ROW)
            rows.push_back(sqlite3_column_int(q, 0));
        sqlite3_reset(q);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["matches"] = double(rows.size());
    sqlite3_finalize(q);
    sqlite3_close(db);
}

// The second character typed into Text1 of the real window, until the list
// holds the matches and the view has laid them out.
void BM_TypeSecondChar(benchmark::State &state)
{
    catalog();
    frm_tranzisztor w;
    w.show();
    auto *text1 = w.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QTest::keyClick(text1, Qt::Key_B);
    std::vector<double> ms;
    int matches = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        QTest::keyClick(text1, Qt::Key_C);
        QCoreApplication::processEvents();
        matches = w.model()->rowCount();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        state.SetIterationTime(d.count());
        ms.push_back(d.count() * 1e3);
        if (matches < 5000)
            qFatal("typing found %d types", matches);
        QTest::keyClick(text1, Qt::Key_Backspace);   // back to one character: no search
        QCoreApplication::processEvents();
    }
    state.counters["median_ms"] = median(ms);
    state.counters["matches"] = matches;
}

BENCHMARK(BM_LoadAgainstReadAndDecode)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_SearchAndModel)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SqliteLike)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TypeSecondChar)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(41);

// Prints the usual table, then each figure against its target.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median")
                continue;
            Figure &f = m_figures[r.run_name.function_name];
            f.ms = r.GetAdjustedRealTime();   // in the run's unit: ms
            for (const auto &c : r.counters)
                f.counters[c.first] = c.second.value;
        }
    }

    int printSummary() const
    {
        auto ms = [this](const char *name) {
            const auto it = m_figures.find(name);
            return it == m_figures.end() ? 0.0 : it->second.ms;
        };
        auto counter = [this](const char *name, const char *c) {
            const auto it = m_figures.find(name);
            if (it == m_figures.end())
                return 0.0;
            const auto jt = it->second.counters.find(c);
            return jt == it->second.counters.end() ? 0.0 : jt->second;
        };
        int failed = 0;
        auto line = [&failed](const char *what, double value, const char *cmp, double limit, bool ok) {
            std::printf("%-58s %10.3f  (%s %g) %s\n", what, value, cmp, limit, ok ? "ok" : "FAILED");
            failed += ok ? 0 : 1;
        };
        std::printf("\nTransistor catalog, %d records (medians)\n", transistor_synth::kFullSize);
        const double load = counter("BM_LoadAgainstReadAndDecode", "load_ms");
        const double base = counter("BM_LoadAgainstReadAndDecode", "read_decode_ms");
        std::printf("  load %.3f ms, read + decode %.3f ms (taken in turns)\n", load, base);
        const double firstLoad = counter("BM_LoadAgainstReadAndDecode", "first_load_ms");
        const double firstBase = counter("BM_LoadAgainstReadAndDecode", "first_read_decode_ms");
        std::printf("  first in the process: load %.3f ms, read + decode (texts kept) %.3f ms\n",
                    firstLoad, firstBase);
        std::printf("  first load / first (read + decode)                           %.3f  (<= 1.5) %s\n",
                    firstLoad / firstBase, firstLoad / firstBase <= 1.5 ? "ok" : "FAILED");
        if (base > 0)
            line("  load / (read + decode)", load / base, "<=", 1.5, load / base <= 1.5);
        const double search = ms("BM_SearchAndModel"), sqlite = ms("BM_SqliteLike");
        std::printf("  search \"%s\" + model %.3f ms (%.0f matches), SQLite LIKE %.3f ms (%.0f matches)\n",
                    kNeedle, search, counter("BM_SearchAndModel", "matches"), sqlite,
                    counter("BM_SqliteLike", "matches"));
        if (search > 0)
            line("  SQLite LIKE / search", sqlite / search, ">=", 10, sqlite / search >= 10);
        const double typing = counter("BM_TypeSecondChar", "median_ms");
        line("  typing the second character, median ms", typing, "<=", 16, typing > 0 && typing <= 16);
        const char *const loadRun = "BM_LoadAgainstReadAndDecode";
        const double bytes = counter(loadRun, "bytes_ratio");
        std::printf("  table %.2f MB for %.2f MB of files\n", counter(loadRun, "table_MB"),
                    counter(loadRun, "files_MB"));
        line("  table bytes / file bytes", bytes, "<=", 3, bytes > 0 && bytes <= 3);
        return failed;
    }

private:
    struct Figure
    {
        double ms = 0;
        std::map<std::string, double> counters;
    };
    std::map<std::string, Figure> m_figures;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.printSummary() == 0 ? 0 : 1;
}
