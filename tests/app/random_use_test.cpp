// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random use of the whole program: toolbar clicks, mouse clicks, keys,
// typed and pasted texts, wheel turns and resizes sent to whatever window is
// in front, thousands of times. Fails on a hang, a modal window left open or
// a label showing inf/nan; crashes and undefined behaviour are caught by the
// sanitizer build. Reproduce a failure with
//   KONDRIX_RANDOM_SEED=<seed> KONDRIX_RANDOM_EVENTS=<n> random_use_test
// (KONDRIX_RANDOM_SEED may list several seeds separated by commas.)

#include "app/frm_head.h"
#include "support/windowtest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolBar>
#include <QWheelEvent>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include <pthread.h>
#include <unistd.h>
#include <time.h>

#if defined(__SANITIZE_ADDRESS__)
#define KONDRIX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KONDRIX_ASAN 1
#endif
#endif
#ifdef KONDRIX_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The last actions, readable from the hang watchdog and the crash handlers.
class ActionLog
{
public:
    void begin(unsigned seed, int events)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_seed = seed;
        m_events = events;
        m_lines.clear();
    }
    void add(int step, const QString &what)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.push_back(std::to_string(step) + ": " + what.left(200).toStdString());
        if (m_lines.size() > 20)
            m_lines.pop_front();
        // Kept ready for the crash handlers, which must not allocate.
        const std::string text = dumpUnlocked();
        const size_t n = std::min(text.size(), sizeof(m_ready) - 1);
        std::memcpy(m_ready, text.data(), n);
        m_ready[n] = 0;
        m_readySize = n;
    }
    std::string dump()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return dumpUnlocked();
    }
    void writeReady() const { (void)!::write(2, m_ready, m_readySize); }

private:
    std::string dumpUnlocked() const
    {
        std::string s = "random use: seed " + std::to_string(m_seed) + ", "
                        + std::to_string(m_events) + " events; last actions:\n";
        for (const std::string &l : m_lines)
            s += "  " + l + "\n";
        return s;
    }

    std::mutex m_mutex;
    char m_ready[8192] = {};
    size_t m_readySize = 0;
    unsigned m_seed = 0;
    int m_events = 0;
    std::deque<std::string> m_lines;
};

ActionLog g_log;

void dumpOnDeath()
{
    g_log.writeReady();
}

extern "C" void crashHandler(int sig)
{
    dumpOnDeath();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

using Clock = std::chrono::steady_clock;

// Aborts with the log when the user-interface thread stops turning its
// event loop: busy for longer than the limit of its own processor time (so a
// loaded machine does not count), or blocked for twenty times the limit.
class HangWatchdog
{
public:
    explicit HangWatchdog(std::chrono::milliseconds limit) : m_limit(limit)
    {
        pthread_getcpuclockid(pthread_self(), &m_guiClock);
        beat();
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { beat(); });
        m_timer.start();
        m_thread = std::thread([this] { run(); });
    }
    ~HangWatchdog()
    {
        m_stop = true;
        m_thread.join();
    }
    void beat()
    {
        m_beat = Clock::now().time_since_epoch().count();
        m_beatCpu = guiCpuMs();
    }
    std::chrono::milliseconds longestGap() const { return std::chrono::milliseconds(m_longest.load()); }

private:
    void run()
    {
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const auto last = Clock::time_point(Clock::duration(m_beat.load()));
            const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - last);
            const long long busy = guiCpuMs() - m_beatCpu.load();
            if (busy > m_longest)
                m_longest = busy;
            if (busy > m_limit.count() + 100 || gap > 20 * m_limit) {
                const std::string s = "random use: event loop stuck for "
                                      + std::to_string(gap.count()) + " ms (" + std::to_string(busy)
                                      + " ms busy)\n" + g_log.dump();
                std::fwrite(s.data(), 1, s.size(), stderr);
                std::abort();
            }
        }
    }

    long long guiCpuMs() const
    {
        timespec ts{};
        clock_gettime(m_guiClock, &ts);
        return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
    }

    std::chrono::milliseconds m_limit;
    clockid_t m_guiClock{};
    std::atomic<long long> m_beatCpu{0};
    QTimer m_timer;
    std::atomic<Clock::rep> m_beat{0};
    std::atomic<long long> m_longest{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

const QStringList &nastyTexts()
{
    static const QStringList texts = [] {
        QStringList t = {
            QString(), QStringLiteral("0"), QStringLiteral("-0"), QStringLiteral("1e400"),
            QStringLiteral("-1e400"), QStringLiteral("1e-400"), QStringLiteral("NaN"),
            QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-inf"),
            QStringLiteral("Infinity"), QStringLiteral(",,,"), QStringLiteral("..."),
            QStringLiteral("0x"), QStringLiteral("0xFFFFFFFFFFFFFFFFFFFF"), QStringLiteral("&H"),
            QStringLiteral("&HFFFFFFFFFFFFFFFFF"), QStringLiteral("&O777777777777777777777777"),
            QStringLiteral(","), QStringLiteral("."), QStringLiteral("-"), QStringLiteral("+"),
            QStringLiteral("E"), QStringLiteral("1E"), QStringLiteral("1E+"), QStringLiteral("1D308"),
            QStringLiteral("9.99999999999999E+307"), QStringLiteral("4,7"), QStringLiteral("4.7k"),
            QStringLiteral("2k2"), QStringLiteral("R47"), QStringLiteral("0,000000001"),
            QStringLiteral("-5"), QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("10"),
            QStringLiteral("100000000000000000000"), QStringLiteral("18446744073709551616"),
            QStringLiteral("9223372036854775807"), QStringLiteral("-9223372036854775808"),
            QStringLiteral("2147483648"), QStringLiteral("1111111111111111111111111111111111111111111111111111111111111111111"),
            QStringLiteral("FFFF"), QStringLiteral("zz"), QStringLiteral("  12  "), QStringLiteral("\t"),
            QStringLiteral("1 2 3"), QStringLiteral("\"a,b\""), QStringLiteral("%s%n%d"),
            QStringLiteral("<b>x</b>"), QStringLiteral("BC547"), QStringLiteral("bc"),
            QStringLiteral("1N4148"), QStringLiteral("2N"), QStringLiteral("AA"), QStringLiteral("103"),
            QStringLiteral("4R7"), QStringLiteral("R"), QStringLiteral("01A"), QStringLiteral("0R"),
            QString::fromUtf8("ellenállás"), QString::fromUtf8("tűrés"), QString::fromUtf8("ŐŰőű"),
            QString::fromUtf8("árvíztűrő tükörfúrógép"), QString::fromUtf8("Ω µF ×÷"),
            QString::fromUtf8("日本語"), QString::fromUtf8("😀🔥"), QString::fromUtf8("\u202Eabc"),
            QString(QChar(0)), QStringLiteral("a\nb"), QStringLiteral("\r\n"),
        };
        t.append(QString(5000, QLatin1Char('9')));
        t.append(QString(100000, QLatin1Char('x')));
        t.append(QStringLiteral("1") + QString(400, QLatin1Char('0')));
        t.append(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1"));
        t.append(QString(3000, QChar(0x0151)));
        return t;
    }();
    return texts;
}

struct Key
{
    Qt::Key key;
    const char *text;   // UTF-8
};

const Key kKeys[] = {
    {Qt::Key_K, "k"},         {Qt::Key_K, "K"},        {Qt::Key_Left, ""},      {Qt::Key_Right, ""},
    {Qt::Key_Up, ""},         {Qt::Key_Down, ""},      {Qt::Key_Return, "\r"},  {Qt::Key_Enter, "\r"},
    {Qt::Key_Escape, "\x1b"}, {Qt::Key_Tab, "\t"},     {Qt::Key_Backtab, ""},   {Qt::Key_PageUp, ""},
    {Qt::Key_PageDown, ""},   {Qt::Key_Home, ""},      {Qt::Key_End, ""},       {Qt::Key_Delete, ""},
    {Qt::Key_Backspace, "\b"}, {Qt::Key_Space, " "},   {Qt::Key_Comma, ","},    {Qt::Key_Period, "."},
    {Qt::Key_Minus, "-"},     {Qt::Key_Plus, "+"},     {Qt::Key_E, "e"},        {Qt::Key_H, "&"},
    {Qt::Key_0, "0"},         {Qt::Key_1, "1"},        {Qt::Key_2, "2"},        {Qt::Key_5, "5"},
    {Qt::Key_9, "9"},         {Qt::Key_A, "a"},        {Qt::Key_F, "F"},        {Qt::Key_R, "R"},
    {Qt::Key_Z, "z"},         {Qt::Key(0x151), "ő"},   {Qt::Key(0x171), "ű"},   {Qt::Key(0x150), "Ő"},
    {Qt::Key(0x170), "Ű"},    {Qt::Key_Aacute, "á"},   {Qt::Key_F1, ""},        {Qt::Key_F4, ""},
    {Qt::Key_Insert, ""},     {Qt::Key_Asterisk, "*"}, {Qt::Key_Slash, "/"},    {Qt::Key_Ampersand, "&"},
};

QString describe(const QWidget *w)
{
    if (!w)
        return QStringLiteral("(none)");
    QString s = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                          : w->objectName();
    // The tool window it belongs to, else its top-level window.
    const QWidget *top = w->window();
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const ToolWindow *>(p)) {
            top = p;
            break;
        }
    }
    if (top != w)
        s += QLatin1Char('@') + (top->objectName().isEmpty()
                                     ? QString::fromLatin1(top->metaObject()->className())
                                     : top->objectName());
    return s;
}

// A label showing a number that went wrong.
bool showsInfOrNan(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("(^|[^\\p{L}])(inf|nan|infinity)($|[^\\p{L}])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

// QTest::mouseClick sends the release to the widget even when the press
// deleted it; a handler may well close its window on a press.
void click(QWidget *w, Qt::MouseButton button, Qt::KeyboardModifiers mods = {}, QPoint pos = {})
{
    QPointer<QWidget> guard(w);
    QTest::mousePress(w, button, mods, pos);
    if (guard)
        QTest::mouseRelease(w, button, mods, pos);
}

class Driver : public QObject
{
public:
    Driver(frm_head &head, WindowTestEnv &env, unsigned seed, int events)
        : m_head(head), m_env(env), m_rng(seed), m_seed(seed), m_events(events)
    {
    }

    // Runs the events; returns the problems found.
    QStringList run()
    {
        connect(&m_head, &frm_head::programEnding, this, [this] { ++m_endings; });
        g_log.begin(m_seed, m_events);
        QTimer::singleShot(0, this, [this] { step(); });
        while (!m_done) {
            m_loop.exec();
            if (!m_done) {
                // The program asked to end (exit button, menu, close box): that
                // stops every event loop. Clear the request and go on.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
                QCoreApplication::exec();
                if (!m_head.isVisible())
                    m_head.show();
                if (m_pendingEnding && m_endings == 0)
                    m_problems.append(QStringLiteral("ending the program did not say so"));
                m_pendingEnding = false;
                m_endings = 0;
            }
        }
        return m_problems;
    }

    int steps() const { return m_step; }
    qint64 slowestStepMs() const { return m_slowest; }
    int modalsOpened() const { return m_modals; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    template<class T> const T &pickOf(const QList<T> &l) { return l.at(pick(int(l.size()))); }

    void log(const QString &what)
    {
        g_log.add(m_step, what);
        if (m_trace)
            std::fprintf(stderr, "%d: %s\n", m_step, qPrintable(what));
    }

    void fail(const QString &what)
    {
        if (m_problems.size() < 20)
            m_problems.append(what + QLatin1Char('\n') + QString::fromStdString(g_log.dump()));
    }

    void step()
    {
        if (m_done)
            return;
        // Schedule the next step first: when this one opens a modal window,
        // the next ones run inside its event loop and drive it.
        QTimer::singleShot(0, this, [this] { step(); });

        QWidget *modal = QApplication::activeModalWidget();
        QWidget *popup = QApplication::activePopupWidget();
        if (modal)
            m_env.expectModal([](QWidget *) {});   // ours: the driver closes it

        // A modal window just closed and its event loop is winding down with
        // the step that opened it still under way: wait, as a user's next
        // input would, until that step has returned.
        if (m_active > 0 && !modal && !popup)
            return;
        if (m_step >= m_events) {
            finish(modal, popup);
            return;
        }
        ++m_step;
        ++m_active;
        QElapsedTimer t;
        t.start();
        if (popup)
            drivePopup(popup);
        else if (modal)
            driveModal(modal);
        else
            driveMain();
        --m_active;
        m_slowest = std::max(m_slowest, t.elapsed());
        if (m_step % 8 == 0)
            checkLabels();
    }

    void finish(QWidget *modal, QWidget *popup)
    {
        if (popup) {
            log(QStringLiteral("end: Escape on popup ") + describe(popup));
            QTest::keyClick(popup, Qt::Key_Escape);
            if (++m_closeTries > 5)
                popup->close();
            return;
        }
        if (modal) {
            ++m_closeTries;
            if (m_closeTries == 1) {
                log(QStringLiteral("end: Escape on ") + describe(modal));
                QTest::keyClick(modal, Qt::Key_Escape);
            } else if (m_closeTries == 2) {
                log(QStringLiteral("end: close ") + describe(modal));
                modal->close();
            } else {
                fail(QStringLiteral("modal window left open: %1 \"%2\"")
                         .arg(modal->objectName(), modal->windowTitle()));
                modal->hide();
                if (auto *d = qobject_cast<QDialog *>(modal))
                    d->reject();
                m_closeTries = 0;
            }
            return;
        }
        m_done = true;
        m_loop.quit();
    }

    QList<QWidget *> children(QWidget *top)
    {
        QList<QWidget *> out;
        const auto all = top->findChildren<QWidget *>();
        for (QWidget *w : all) {
            if (w->isVisible() && w->window() == top->window() && w->width() > 0 && w->height() > 0)
                out.append(w);
        }
        return out;
    }

    // The tool window in front, or the main window itself.
    QWidget *frontWindow()
    {
        QList<QWidget *> tops;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !w->isMinimized() && !(w->windowType() == Qt::Popup)
                && !(w->windowType() == Qt::ToolTip))
                tops.append(w);
        }
        QMdiSubWindow *sub = m_head.workspace()->activeSubWindow();
        if (sub && sub->widget() && !sub->isMinimized() && chance(0.75))
            return sub->widget();
        if (tops.isEmpty())
            return &m_head;
        return pickOf(tops);
    }

    void driveMain()
    {
        const int r = pick(1000);
        if (r < 70)
            toolbarClick();
        else if (r < 75)
            endProgram();
        else if (r < 95)
            resizeSomething();
        else if (r < 100)
            closeTool();
        else
            driveWindow(frontWindow());
    }

    void driveModal(QWidget *modal)
    {
        if (modal != m_lastModal) {
            m_lastModal = modal;
            ++m_modals;
        }
        const int r = pick(100);
        if (r < 8) {
            log(QStringLiteral("Escape on modal ") + describe(modal));
            QTest::keyClick(modal, Qt::Key_Escape);
        } else if (r < 12) {
            const auto buttons = modal->findChildren<QAbstractButton *>();
            if (!buttons.isEmpty()) {
                QAbstractButton *b = pickOf(buttons);
                log(QStringLiteral("click button ") + describe(b) + QStringLiteral(" on modal"));
                if (b->isVisible())
                    click(b, Qt::LeftButton);
            }
        } else if (r < 14) {
            log(QStringLiteral("close box of modal ") + describe(modal));
            modal->close();
        } else {
            driveWindow(modal);
        }
    }

    void drivePopup(QWidget *popup)
    {
        const int r = pick(10);
        if (r < 2) {
            log(QStringLiteral("Escape on popup ") + describe(popup));
            QTest::keyClick(popup, Qt::Key_Escape);
        } else if (r < 5) {
            const Qt::Key k = pickOf(QList<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Return,
                                                    Qt::Key_PageDown, Qt::Key_End});
            log(QStringLiteral("key %1 on popup ").arg(int(k), 0, 16) + describe(popup));
            QTest::keyClick(popup, k);
        } else {
            const QPoint p(pick(std::max(1, popup->width())), pick(std::max(1, popup->height())));
            QWidget *at = popup->childAt(p);
            QWidget *target = at ? at : popup;
            const QPoint local = at ? at->mapFrom(popup, p) : p;
            log(QStringLiteral("click popup %1 at %2,%3").arg(describe(target)).arg(p.x()).arg(p.y()));
            click(target, Qt::LeftButton, {}, local);
        }
    }

    void toolbarClick()
    {
        if (chance(0.3)) {   // the calculation menu opens tools too
            const QList<QAction *> items = m_head.findChild<QMenu *>(QStringLiteral("mnu_calc"))->actions();
            QAction *a = pickOf(items);
            log(QStringLiteral("menu ") + a->objectName());
            a->trigger();
            return;
        }
        auto *tb = m_head.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        QList<QAction *> buttons;
        for (QAction *a : tb->actions()) {
            if (!a->isSeparator() && a->data().toString() != QString::fromUtf8("Kilép"))
                buttons.append(a);
        }
        QAction *a = pickOf(buttons);
        QWidget *b = tb->widgetForAction(a);
        log(QStringLiteral("toolbar ") + a->data().toString());
        if (b && b->isVisible())
            click(b, Qt::LeftButton);
        else
            a->trigger();   // scrolled out of a narrow window: as from the extension menu
    }

    void endProgram()
    {
        m_pendingEnding = true;
        switch (pick(3)) {
        case 0: {
            auto *tb = m_head.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
            log(QStringLiteral("toolbar Kilép"));
            tb->findChild<QAction *>(QString::fromUtf8("Kilép"))->trigger();
            break;
        }
        case 1:
            log(QStringLiteral("menu Kilépés"));
            m_head.findChild<QAction *>(QStringLiteral("mnu_exit"))->trigger();
            break;
        default:
            log(QStringLiteral("close box of the main window"));
            m_head.close();
            break;
        }
    }

    void closeTool()
    {
        QMdiSubWindow *sub = m_head.workspace()->activeSubWindow();
        if (!sub)
            return;
        log(QStringLiteral("close box of ") + describe(sub->widget()));
        sub->close();
    }

    QSize randomSize()
    {
        switch (pick(6)) {
        case 0:
            return QSize(pick(3), pick(3));
        case 1:
            return QSize(3000 + pick(2000), 2000 + pick(2000));
        default:
            return QSize(50 + pick(1200), 30 + pick(900));
        }
    }

    void resizeSomething()
    {
        QMdiSubWindow *sub = m_head.workspace()->activeSubWindow();
        QWidget *top = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w != &m_head && w->windowType() != Qt::Popup
                && w->windowType() != Qt::ToolTip)
                top = w;
        }
        QWidget *w = &m_head;
        const int which = pick(10);
        if (which < 6 && sub)
            w = sub;
        else if (which < 8 && top)
            w = top;
        switch (pick(8)) {
        case 0:
            log(QStringLiteral("maximise ") + describe(w));
            w->showMaximized();
            break;
        case 1:
            log(QStringLiteral("minimise ") + describe(w));
            w->showMinimized();
            break;
        case 2:
            log(QStringLiteral("restore ") + describe(w));
            w->showNormal();
            break;
        default: {
            const QSize s = randomSize();
            log(QStringLiteral("resize %1 to %2x%3").arg(describe(w)).arg(s.width()).arg(s.height()));
            w->resize(s);
            break;
        }
        }
    }

    // Clicks, keys, texts and wheel turns inside one window.
    void driveWindow(QWidget *win)
    {
        if (!win || !win->isVisible())
            return;
        const QList<QWidget *> kids = children(win);
        const int r = pick(100);
        if (r < 25) {
            clickAt(win, QPoint(pick(std::max(1, win->width())), pick(std::max(1, win->height()))));
        } else if (r < 50 && !kids.isEmpty()) {
            clickWidget(pickOf(kids));
        } else if (r < 72) {
            pressKeys(win, kids);
        } else if (r < 85) {
            typeText(win, kids);
        } else if (r < 93 && !kids.isEmpty()) {
            wheel(pickOf(kids));
        } else if (!kids.isEmpty()) {
            dragScrollBar(kids);
        }
    }

    void mouse(QWidget *target, const QPoint &local, const QString &where)
    {
        const int kind = pick(20);
        const Qt::MouseButton button =
            kind == 0 ? Qt::RightButton : (kind == 1 ? Qt::MiddleButton : Qt::LeftButton);
        const bool twice = pick(5) == 0;
        log(QStringLiteral("%1 %2 %3 at %4,%5")
                .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"))
                .arg(int(button))
                .arg(where)
                .arg(local.x())
                .arg(local.y()));
        QPointer<QWidget> guard(target);
        click(target, button, {}, local);
        if (twice && guard)
            QTest::mouseDClick(target, button, {}, local);
    }

    void clickAt(QWidget *win, const QPoint &p)
    {
        QWidget *at = win->childAt(p);
        QWidget *target = at ? at : win;
        mouse(target, at ? at->mapFrom(win, p) : p, describe(target));
    }

    void clickWidget(QWidget *w)
    {
        // A row of a list rather than the blank space below the rows.
        if (auto *view = qobject_cast<QAbstractItemView *>(w->parentWidget());
            view && view->viewport() == w && view->model() && view->model()->rowCount() > 0
            && chance(0.8)) {
            const int rows = view->model()->rowCount();
            const int row = chance(0.3) ? rows - 1 : pick(std::min(rows, 2000));
            const QModelIndex idx = view->model()->index(row, 0);
            if (chance(0.5))
                view->scrollTo(idx);
            const QRect rect = view->visualRect(idx);
            if (rect.isValid() && w->rect().intersects(rect)) {
                const QPoint c = rect.intersected(w->rect()).center();
                mouse(w, c, describe(view) + QStringLiteral(" row %1").arg(row));
                return;
            }
        }
        mouse(w, QPoint(pick(std::max(1, w->width())), pick(std::max(1, w->height()))), describe(w));
    }

    QWidget *keyTarget(QWidget *win, const QList<QWidget *> &kids)
    {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->window() == win->window() && focus->isVisible() && chance(0.7))
            return focus;
        if (!kids.isEmpty() && chance(0.8)) {
            QWidget *w = pickOf(kids);
            if (w->focusPolicy() != Qt::NoFocus)
                w->setFocus(Qt::MouseFocusReason);
            return w;
        }
        return win;
    }

    void pressKeys(QWidget *win, const QList<QWidget *> &kids)
    {
        QPointer<QWidget> target = keyTarget(win, kids);
        const int n = 1 + (chance(0.3) ? pick(8) : 0);
        for (int i = 0; i < n && target && target->isVisible(); ++i) {
            const Key &k = kKeys[pick(int(std::size(kKeys)))];
            const Qt::KeyboardModifier someMods[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
            const int m = pick(20);
            const Qt::KeyboardModifiers mods = m < 3 ? someMods[m] : Qt::NoModifier;
            QString text = QString::fromUtf8(k.text);
            if (mods & (Qt::ControlModifier | Qt::AltModifier))
                text.clear();
            log(QStringLiteral("key 0x%1 \"%2\" mods %3 to %4")
                    .arg(int(k.key), 0, 16)
                    .arg(text)
                    .arg(int(mods), 0, 16)
                    .arg(describe(target)));
            QTest::sendKeyEvent(QTest::Click, target, k.key, text, mods);
        }
    }

    void typeText(QWidget *win, const QList<QWidget *> &kids)
    {
        QList<QWidget *> edits;
        for (QWidget *w : kids) {
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w)
                || qobject_cast<QPlainTextEdit *>(w))
                edits.append(w);
        }
        if (edits.isEmpty()) {
            pressKeys(win, kids);
            return;
        }
        QPointer<QWidget> edit = pickOf(edits);
        edit->setFocus(Qt::MouseFocusReason);
        const QString text = pickOf(nastyTexts());
        const bool replace = chance(0.6);
        const bool paste = text.size() > 40 || chance(0.2);
        log(QStringLiteral("%1 %2 \"%3\"%4 into %5")
                .arg(paste ? QStringLiteral("paste") : QStringLiteral("type"))
                .arg(replace ? QStringLiteral("over") : QStringLiteral("adding"))
                .arg(text.left(30))
                .arg(text.size() > 30 ? QStringLiteral("... (%1 chars)").arg(text.size()) : QString())
                .arg(describe(edit)));
        if (replace)
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (!edit)
            return;
        if (paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        for (const QChar ch : text) {
            if (!edit || !edit->isVisible())
                return;
            const int code = ch.toUpper().unicode();
            const Qt::Key key = ch == QLatin1Char('\n') ? Qt::Key_Return : Qt::Key(code);
            QTest::sendKeyEvent(QTest::Click, edit, key, QString(ch), Qt::NoModifier);
        }
    }

    void wheel(QWidget *w)
    {
        const QPoint local(pick(std::max(1, w->width())), pick(std::max(1, w->height())));
        const int delta = (pick(2) ? 120 : -120) * (1 + pick(chance(0.1) ? 50 : 3));
        log(QStringLiteral("wheel %1 on %2").arg(delta).arg(describe(w)));
        QWheelEvent e(QPointF(local), QPointF(w->mapToGlobal(local)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    void dragScrollBar(const QList<QWidget *> &kids)
    {
        QList<QWidget *> bars;
        for (QWidget *w : kids) {
            if (qobject_cast<QScrollBar *>(w))
                bars.append(w);
        }
        QWidget *w = bars.isEmpty() ? pickOf(kids) : pickOf(bars);
        QPointer<QWidget> guard(w);
        const QPoint from(pick(std::max(1, w->width())), pick(std::max(1, w->height())));
        const QPoint to(pick(std::max(1, w->width() * 3)) - w->width(),
                        pick(std::max(1, w->height() * 3)) - w->height());
        log(QStringLiteral("drag on %1 from %2,%3 to %4,%5")
                .arg(describe(w))
                .arg(from.x())
                .arg(from.y())
                .arg(to.x())
                .arg(to.y()));
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        if (guard)
            QTest::mouseMove(w, (from + to) / 2);
        if (guard)
            QTest::mouseMove(w, to);
        if (guard)
            QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }

    void checkLabels()
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            // Some windows echo the typed text: only a value the user did not
            // type counts.
            bool typed = false;
            for (QLineEdit *e : top->findChildren<QLineEdit *>()) {
                if (!e->isReadOnly() && (e->text().contains(QLatin1String("inf"), Qt::CaseInsensitive)
                                         || e->text().contains(QLatin1String("nan"), Qt::CaseInsensitive)))
                    typed = true;
            }
            if (typed)
                continue;
            for (QLabel *l : top->findChildren<QLabel *>()) {
                if (l->isVisible() && showsInfOrNan(l->text())) {
                    fail(QStringLiteral("label %1 shows \"%2\"").arg(describe(l), l->text()));
                    return;
                }
            }
            for (QLineEdit *e : top->findChildren<QLineEdit *>()) {
                if (e->isVisible() && e->isReadOnly() && showsInfOrNan(e->text())) {
                    fail(QStringLiteral("read-only box %1 shows \"%2\"").arg(describe(e), e->text()));
                    return;
                }
            }
        }
    }

    frm_head &m_head;
    WindowTestEnv &m_env;
    std::mt19937 m_rng;
    unsigned m_seed;
    int m_events;
    int m_step = 0;
    int m_closeTries = 0;
    int m_active = 0;   // steps under way (more than one inside a modal window)
    int m_endings = 0;
    int m_modals = 0;
    bool m_pendingEnding = false;
    const bool m_trace = qEnvironmentVariableIsSet("KONDRIX_RANDOM_TRACE");
    bool m_done = false;
    qint64 m_slowest = 0;
    QWidget *m_lastModal = nullptr;
    QEventLoop m_loop;
    QStringList m_problems;
};

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

} // namespace

class RandomUseTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QTemporaryDir emptyPath;

private Q_SLOTS:
    void initTestCase()
    {
        // The About window's system information button would start a real
        // program found on the search path.
        qputenv("PATH", emptyPath.path().toLocal8Bit());
        for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
            std::signal(sig, crashHandler);
#ifdef KONDRIX_ASAN
        __sanitizer_set_death_callback(dumpOnDeath);
#endif
    }

    void random_use()
    {
        QList<unsigned> seeds;
        const QString seedText = qEnvironmentVariable("KONDRIX_RANDOM_SEED");
        for (const QString &s : seedText.split(QLatin1Char(','), Qt::SkipEmptyParts))
            seeds.append(s.trimmed().toUInt());
        if (seeds.isEmpty())
            seeds.append(20261207u);
#ifdef KONDRIX_ASAN
        const int stallFactor = 4;   // the sanitizers slow everything down several times
#else
        const int stallFactor = 1;
#endif
        const int events = envInt("KONDRIX_RANDOM_EVENTS", 2000);
        const std::chrono::milliseconds limit(envInt("KONDRIX_RANDOM_STALL_MS", 1000 * stallFactor));

        QStringList problems;
        for (unsigned seed : seeds) {
            env.resetAppDir();
            QElapsedTimer t;
            t.start();
            qInfo("random use: seed %u, %d events", seed, events);
            frm_head head;
            head.show();
            QVERIFY(QTest::qWaitForWindowExposed(&head));
            HangWatchdog watchdog(limit);
            Driver driver(head, env, seed, events);
            problems += driver.run();
            QApplication::processEvents();
            qInfo("random use: seed %u done in %lld ms; slowest step %lld ms, longest busy stretch of the event loop "
                  "%lld ms, %d modal windows driven, %lld desktop requests",
                  seed, t.elapsed(), driver.slowestStepMs(),
                  static_cast<long long>(watchdog.longestGap().count()), driver.modalsOpened(),
                  static_cast<long long>(env.openedUrls.size()));
            env.openedUrls.clear();
            env.playedSounds.clear();
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w != &head && w->isVisible() && w->windowType() != Qt::ToolTip)
                    w->close();
            }
            QApplication::processEvents();
        }
        for (const QString &p : env.takeProblems())
            problems.append(p + QLatin1Char('\n') + QString::fromStdString(g_log.dump()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

KONDRIX_TEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
