// The driver process of the soak: builds the windows main.cpp builds, over the
// fake D2XX library found beside it, and works them as a busy operator would,
// through clicks, drags and keys, while the device is pulled out and put back.
#include "SoakRun.h"

#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include "app/AppShell.h"
#include "core/Engine.h"
#include "files/ShowFile.h"
#include "support/FakeD2xx.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/windows/HandScanForm.h"
#include "ui/windows/HelpWindow.h"
#include "ui/windows/StaticForm.h"

namespace soak {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

namespace {

constexpr long long Second = 1'000'000'000LL;
constexpr long long Millisecond = 1'000'000LL;

// Flushed line by line, so a crash leaves everything up to its last action.
class EventLog {
public:
    explicit EventLog(const std::string &path) : m_file(std::fopen(path.c_str(), "w")) {}
    ~EventLog()
    {
        if (m_file != nullptr)
            std::fclose(m_file);
    }
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    bool ok() const { return m_file != nullptr; }
    void write(const char *word, const QString &value = {}) { write(monotonicNs(), word, value); }
    void write(long long timeNs, const char *word, const QString &value = {})
    {
        std::fprintf(m_file, "%lld %s%s%s\n", timeNs, word, value.isEmpty() ? "" : " ", value.toUtf8().constData());
        std::fflush(m_file);
    }

private:
    std::FILE *m_file;
};

// Copies every frame the fake library took into frames.log, from its own
// thread every 100 ms, well within the 4096 frames (204 s) the fake keeps.
class FrameCollector {
public:
    FrameCollector(const FakeD2xx &fake, const std::string &path) : m_fake(fake), m_file(std::fopen(path.c_str(), "w"))
    {
        if (m_file != nullptr)
            m_thread = std::thread([this] { loop(); });
    }
    ~FrameCollector()
    {
        stop();
        if (m_file != nullptr)
            std::fclose(m_file);
    }
    FrameCollector(const FrameCollector &) = delete;
    FrameCollector &operator=(const FrameCollector &) = delete;

    bool ok() const { return m_file != nullptr; }
    // Takes the frames written so far and ends the thread.
    void stop()
    {
        if (!m_thread.joinable())
            return;
        m_stop = true;
        m_thread.join();
        drain();
    }
    unsigned long long lost() const { return m_lost; }

private:
    static constexpr unsigned long long Kept = 4096;

    void loop()
    {
        while (!m_stop.load()) {
            drain();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    void drain()
    {
        const unsigned long long count = m_fake.writeCount();
        if (count - m_next > Kept) {
            m_lost += count - m_next - Kept;
            m_next = count - Kept;
        }
        for (; m_next < count; ++m_next) {
            const FakeD2xx::WriteRecord record = m_fake.write(m_next);
            if (record.bytes.empty()) {
                ++m_lost;
                continue;
            }
            std::fprintf(m_file, "%lld %zu %d\n", record.timeNs, record.bytes.size(), wellFormed(record.bytes) ? 1 : 0);
        }
        std::fflush(m_file);
    }
    // FF F0, 513 bytes with each FF doubled as FF F7, FF F1 FF FF.
    static bool wellFormed(const std::vector<std::uint8_t> &b)
    {
        const std::size_t n = b.size();
        return n >= 519 && n <= 1032 && b[0] == 0xFF && b[1] == 0xF0 && b[n - 4] == 0xFF && b[n - 3] == 0xF1 &&
            b[n - 2] == 0xFF && b[n - 1] == 0xFF;
    }

    const FakeD2xx &m_fake;
    std::FILE *m_file;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    unsigned long long m_next = 0;
    std::atomic<unsigned long long> m_lost{0};
};

long statusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == field) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    }
    return -1;
}

// The resident pages of the fake library's own segments. Most of it is the
// fake's record of the last 4096 writes (4.2 MB), which fills up over the
// first 204 s of frames: the soak's instrument, not the program.
long fakeLibraryKb()
{
    struct Segments {
        std::vector<std::pair<std::uintptr_t, std::uintptr_t>> ranges;
    } found;
    dl_iterate_phdr(
        [](dl_phdr_info *info, std::size_t, void *data) {
            const std::string name = info->dlpi_name != nullptr ? info->dlpi_name : "";
            if (!name.ends_with("/libftd2xx.so"))
                return 0;
            const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr) &segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD)
                    continue;
                const std::uintptr_t from = (info->dlpi_addr + segment.p_vaddr) / page * page;
                const std::uintptr_t to =
                    (info->dlpi_addr + segment.p_vaddr + segment.p_memsz + page - 1) / page * page;
                static_cast<Segments *>(data)->ranges.emplace_back(from, to);
            }
            return 0;
        },
        &found);
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::size_t resident = 0;
    std::vector<unsigned char> flags;
    for (const auto &[from, to] : found.ranges) {
        flags.assign((to - from) / page, 0);
        if (mincore(reinterpret_cast<void *>(from), to - from, flags.data()) != 0)
            continue;
        for (unsigned char f : flags)
            resident += f & 1;
    }
    return static_cast<long>(resident * page / 1024);
}

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's quarantine keeps 256 MB of freed blocks resident, so
// there the blocks still in use are the figure that shows a leak.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
long liveHeapKb() { return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024); }
#else
long liveHeapKb() { return -1; }
#endif

// "<program kB> <VmRSS kB> <fake library kB> <RssAnon kB> <live heap kB>": the
// first is VmRSS less the fake's pages; the last only under AddressSanitizer (else -1).
QString residentText()
{
    const long rss = statusKb("VmRSS:");
    const long fake = fakeLibraryKb();
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(rss - fake)
        .arg(rss)
        .arg(fake)
        .arg(statusKb("RssAnon:"))
        .arg(liveHeapKb());
}

// Every box answers at once: show files from the soak's own folder, a random
// Yes or No, a random answer about unsaved edits. Nothing is kept per box, so the answers cost no memory over hours.
class SoakDialogs : public Dialogs {
public:
    SoakDialogs(std::mt19937_64 &rng, QString shows, EventLog &log) : m_rng(rng), m_shows(std::move(shows)), m_log(log)
    {
    }

    bool askYesNo(QWidget *, const QString &, const QString &) override
    {
        m_log.write("box", QStringLiteral("question"));
        return percent(50);
    }
    Unsaved askSaveChanges(QWidget *, const QString &, const QString &) override
    {
        m_log.write("box", QStringLiteral("save changes"));
        return static_cast<Unsaved>(m_rng() % 3);
    }
    void warning(QWidget *, const QString &, const QString &) override
    {
        m_log.write("box", QStringLiteral("warning"));
    }
    void error(QWidget *, const QString &) override { m_log.write("box", QStringLiteral("error")); }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &filter) override
    {
        m_log.write("box", QStringLiteral("open"));
        if (!filter.contains(QStringLiteral("*.kvl")) || percent(10))
            return {};
        if (percent(5))
            return m_shows + QStringLiteral("/missing.kvl");
        const QStringList names = QDir(m_shows).entryList({QStringLiteral("*.kvl")}, QDir::Files, QDir::Name);
        if (names.isEmpty())
            return {};
        return m_shows + QLatin1Char('/') + names.at(static_cast<int>(m_rng() % static_cast<unsigned>(names.size())));
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &defaultSuffix) override
    {
        m_log.write("box", QStringLiteral("save"));
        if (defaultSuffix != QStringLiteral("kvl") || percent(10))
            return {};
        // A few names only: saves replace files, the folder does not grow.
        const QString name = m_shows + QStringLiteral("/show") + QString::number(m_rng() % 4);
        return percent(50) ? name : name + QStringLiteral(".kvl");
    }

private:
    bool percent(unsigned p) { return m_rng() % 100 < p; }

    std::mt19937_64 &m_rng;
    QString m_shows;
    EventLog &m_log;
};

struct Windows {
    TBaseForm &form;
    THandScanForm &handScan;
    TStaticForm &staticPictures;
    FakeD2xx &fake;
};

class Operator {
public:
    Operator(Windows windows, std::mt19937_64 &rng, EventLog &log)
        : m_form(windows.form), m_handScan(windows.handScan), m_static(windows.staticPictures), m_fake(windows.fake),
          m_rng(rng), m_log(log)
    {
    }

    // Every page and window once, so what each builds on first use is there
    // before the memory is first taken (the help window alone is 2.4 MB).
    void warmUp()
    {
        m_log.write("action", QStringLiteral("warmup"));
        for (QTabWidget *tabs : {m_form.pageControlInput(), m_form.pageControlTemp(), m_form.pageControlUst()}) {
            for (int i = tabs->count() - 1; i >= 0; --i) {
                clickTab(*tabs, i);
                QTest::qWait(50);
            }
        }
        trigger("ChaserItem");
        QTest::qWait(100);
        m_static.close();
        trigger("AreaItem");
        QTest::qWait(100);
        mouseDrag(m_handScan.pad(), Qt::LeftButton);
        m_handScan.close();
        trigger("HelpItem");
        QTest::qWait(100);
        if (m_form.helpWindow() != nullptr)
            m_form.helpWindow()->close();
        m_form.activateWindow();
        QTest::qWait(100);
    }

    // Random actions until `endNs`, the device pulled every 10-30 s for 0.5-5 s.
    void run(long long endNs)
    {
        long long nextToggle = monotonicNs() + uniform(10'000, 30'000) * Millisecond;
        long long nextRss = 0;
        bool plugged = true;
        while (monotonicNs() < endNs) {
            const long long now = monotonicNs();
            if (now >= nextToggle) {
                if (plugged) {
                    m_fake.unplug();
                    m_log.write("unplug"); // after the fact: no frame can be later
                    nextToggle = now + uniform(500, 5'000) * Millisecond;
                } else {
                    m_log.write("plug"); // before the fact: the wait for the first frame is not cut short
                    m_fake.plug(1);
                    nextToggle = now + uniform(10'000, 30'000) * Millisecond;
                }
                plugged = !plugged;
            }
            if (now >= nextRss) {
                m_log.write("rss", residentText());
                nextRss = now + 10 * Second;
            }
            act();
            QTest::qWait(uniform(20, 250));
        }
        if (!plugged) {
            // Pulled as long as planned (0.5-5 s), as every other time: a device put back
            // within the same poll is a different case, and not the one the limit is for.
            if (const long long left = nextToggle - monotonicNs(); left > 0)
                QTest::qWait(static_cast<int>(left / Millisecond));
            m_log.write("plug");
            m_fake.plug(1);
        }
        // The last replug gets its time to resume, with the windows still live.
        QTest::qWait(2000);
        m_log.write("rss", residentText());
    }

    // Closes the windows as an operator leaving the program does.
    void finish()
    {
        m_static.close();
        m_handScan.close();
        if (m_form.helpWindow() != nullptr)
            m_form.helpWindow()->close();
        // A random Cancel to the question about unsaved edits keeps the window: ask again.
        while (!m_form.close()) {}
    }

private:
    struct Action {
        const char *name;
        int weight;
        void (Operator::*run)();
    };

    void act()
    {
        static constexpr Action Actions[] = {
            {"scene", 12, &Operator::sceneCommand},
            {"fader", 14, &Operator::fader},
            {"page", 6, &Operator::page},
            {"picture", 12, &Operator::pictureKey},
            {"blackout", 4, &Operator::blackout},
            {"playstop", 6, &Operator::playStop},
            {"tempo", 5, &Operator::tempo},
            {"conveyor", 7, &Operator::conveyor},
            {"static", 6, &Operator::staticPictures},
            {"handscan", 4, &Operator::handScan},
            {"graph", 8, &Operator::graphEdit},
            {"xy", 8, &Operator::beamEdit},
            {"file", 4, &Operator::saveOpen},
            {"snapshot", 3, &Operator::snapshot},
            {"otherpage", 3, &Operator::otherPage},
            {"help", 1, &Operator::help},
        };
        int total = 0;
        for (const Action &a : Actions)
            total += a.weight;
        int pick = uniform(0, total - 1);
        for (const Action &a : Actions) {
            if (pick < a.weight) {
                m_log.write("action", QString::fromLatin1(a.name));
                (this->*a.run)();
                return;
            }
            pick -= a.weight;
        }
    }

    // ---- randomness ----
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool percent(int p) { return uniform(0, 99) < p; }
    template <class T, std::size_t N>
    const T &any(const T (&items)[N])
    {
        return items[uniform(0, static_cast<int>(N) - 1)];
    }
    template <class T>
    T *pickOne(const QList<T *> &list)
    {
        return list.isEmpty() ? nullptr : list.at(uniform(0, static_cast<int>(list.size()) - 1));
    }
    template <class T>
    T *named(const char *name) const
    {
        return m_form.control<T>(name);
    }
    template <class T>
    QList<T *> matching(const QWidget &area, const char *pattern) const
    {
        return area.findChildren<T *>(QRegularExpression(QString::fromLatin1(pattern)));
    }

    // ---- the operator's means ----

    // The tab pages holding `widget` come to the front, through their tab bars.
    bool bringToFront(QWidget *widget)
    {
        if (widget == nullptr || !widget->window()->isVisible())
            return false;
        for (QWidget *w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
            auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget());
            auto *tabs = stack != nullptr ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
            if (tabs != nullptr && tabs->currentWidget() != w)
                clickTab(*tabs, tabs->indexOf(w));
        }
        return widget->isVisible();
    }
    void clickTab(QTabWidget &tabs, int index)
    {
        QTabBar *bar = tabs.tabBar();
        const QRect at = bar->tabRect(index);
        if (bar->isVisible() && !at.isEmpty())
            QTest::mouseClick(bar, Qt::LeftButton, {}, at.center());
        if (tabs.currentIndex() != index)
            tabs.setCurrentIndex(index);
    }
    void click(QAbstractButton *button, Qt::MouseButton mouse = Qt::LeftButton)
    {
        if (!bringToFront(button) || !button->isEnabled())
            return;
        // Check boxes and radio buttons react on their indicator, not on blank space.
        const bool indicator = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
        const QPoint at = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, mouse, {}, at);
    }
    // Pressed, held a while (move and size buttons repeat while held), released.
    void press(QAbstractButton *button)
    {
        if (!bringToFront(button) || !button->isEnabled())
            return;
        if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button) || percent(60)) {
            click(button);
            return;
        }
        const QPoint at = button->rect().center();
        QTest::mousePress(button, Qt::LeftButton, {}, at);
        QTest::qWait(uniform(30, 700));
        QTest::mouseRelease(button, Qt::LeftButton, {}, at);
    }
    void trigger(const char *actionName)
    {
        QAction *item = named<QAction>(actionName);
        if (item != nullptr && item->isEnabled())
            item->trigger();
    }
    // The slider held and moved in a few steps, as a drag.
    void drag(QAbstractSlider *bar, int target)
    {
        if (!bringToFront(bar) || !bar->isEnabled())
            return;
        const int from = bar->value();
        const int steps = uniform(1, 6);
        bar->setSliderDown(true);
        for (int s = 1; s <= steps; ++s) {
            bar->setSliderPosition(from + (target - from) * s / steps);
            QTest::qWait(uniform(5, 30));
        }
        bar->setSliderDown(false);
    }
    void dragAnywhere(QAbstractSlider *bar)
    {
        if (bar != nullptr)
            drag(bar, uniform(bar->minimum(), bar->maximum()));
    }
    // A press, a few moves and a release, now and then starting or ending off the widget.
    void mouseDrag(QWidget *area, Qt::MouseButton button)
    {
        if (!bringToFront(area))
            return;
        const auto somewhere = [&] {
            const int margin = percent(10) ? 30 : 0;
            return QPoint(uniform(-margin, area->width() + margin), uniform(-margin, area->height() + margin));
        };
        QPoint at = somewhere();
        QTest::mousePress(area, button, {}, at);
        for (int n = uniform(0, 8); n > 0; --n) {
            at = somewhere();
            QTest::mouseMove(area, at);
            QTest::qWait(uniform(5, 40));
        }
        QTest::mouseRelease(area, button, {}, at);
    }
    QWindow *keyWindow() const { return m_form.windowHandle(); }
    // The live keys: a focused text or number field would take them, so the operator clicks away first.
    void readyForKeys()
    {
        QWidget *focus = m_form.focusWidget();
        if (focus != nullptr && (qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus)))
            focus->clearFocus();
    }
    void tap(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        if (keyWindow() == nullptr)
            return;
        QTest::keyPress(keyWindow(), key, modifiers);
        QTest::qWait(uniform(10, 80));
        QTest::keyRelease(keyWindow(), key, modifiers);
    }

    // ---- the actions ----

    void sceneCommand()
    {
        static const char *const Items[] = {"CopyPredScena",       "CopyToBufferItem", "NewPasteItem",
                                            "PasteFromBufferItem", "ClearScenaItem",   "DeleteScenaItem",
                                            "InsertScenaItem"};
        static const char *const Buttons[] = {
            "SpeedButtonNewScena",    "SpeedButtonScenaCopy", "SpeedButtonNewScenaPaste", "ButtonScenaPaste",
            "SpeedButtonScenaDelete", "SpeedButtonCOPY",      "SpeedButtonCOPYPREDSCEN",  "SpeedButtonCLEAR",
            "SpeedButtonDELSCEN",     "SpeedButtonAVTOPLUS",  "SpeedButtonScenHand",      "CheckBoxRepeat"};
        static const Qt::Key Keys[] = {Qt::Key_P, Qt::Key_C, Qt::Key_V, Qt::Key_E, Qt::Key_Insert, Qt::Key_Delete};
        switch (uniform(0, 4)) {
        case 0:
            trigger(any(Items));
            break;
        case 1:
            click(named<QAbstractButton>(any(Buttons)));
            break;
        case 2:
            readyForKeys();
            tap(any(Keys), Qt::ControlModifier);
            break;
        case 3:
            dragAnywhere(named<QScrollBar>("ScrollBarStep"));
            break;
        default:
            dragAnywhere(named<QScrollBar>("ScrollBarScenHand"));
            break;
        }
    }

    void fader()
    {
        QWidget *page = m_form.pageControlInput()->widget(0);
        switch (uniform(0, 9)) {
        case 0:
            click(pickOne(matching<QCheckBox>(*page, "^CheckBox\\d+$")));
            break;
        case 1:
            dragAnywhere(pickOne(matching<QScrollBar>(*page, "^ScrollBarRate\\d+$")));
            break;
        case 2:
            click(pickOne(matching<QToolButton>(*page, "^SpeedButton(AllScrl0|Vis|OnVis|OffVis|OffAll|Inv)")));
            break;
        case 3:
            dragAnywhere(named<QScrollBar>(percent(50) ? "ScrollBarLevelAll" : "ScrollBarRateLeuel"));
            break;
        default:
            dragAnywhere(pickOne(matching<QScrollBar>(*page, "^ScrollBar\\d+$")));
            break;
        }
    }

    void page()
    {
        switch (uniform(0, 3)) {
        case 0:
            clickTab(*m_form.pageControlTemp(), uniform(0, m_form.pageControlTemp()->count() - 1));
            break;
        case 1:
            clickTab(*m_form.pageControlUst(), uniform(0, m_form.pageControlUst()->count() - 1));
            break;
        case 2:
            dragAnywhere(m_form.scrolbarVertPos());
            break;
        default:
            clickTab(*m_form.pageControlInput(), uniform(0, m_form.pageControlInput()->count() - 1));
            break;
        }
    }

    void pictureKey()
    {
        static const Qt::Key Keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3,     Qt::Key_4, Qt::Key_5, Qt::Key_6,
                                       Qt::Key_7, Qt::Key_8, Qt::Key_Space, Qt::Key_Z, Qt::Key_X, Qt::Key_C,
                                       Qt::Key_V, Qt::Key_B, Qt::Key_N,     Qt::Key_M};
        readyForKeys();
        if (keyWindow() == nullptr)
            return;
        // Now and then Ctrl is held too, which latches the flashes.
        const bool latch = percent(15);
        if (latch)
            QTest::keyPress(keyWindow(), Qt::Key_Control);
        const int count = uniform(1, 3);
        std::vector<Qt::Key> down;
        for (int n = 0; n < count; ++n) {
            const Qt::Key key = any(Keys);
            QTest::keyPress(keyWindow(), key, latch ? Qt::ControlModifier : Qt::NoModifier);
            down.push_back(key);
            QTest::qWait(uniform(20, 300));
        }
        for (Qt::Key key : down) {
            QTest::keyRelease(keyWindow(), key, latch ? Qt::ControlModifier : Qt::NoModifier);
            QTest::qWait(uniform(5, 60));
        }
        if (latch)
            QTest::keyRelease(keyWindow(), Qt::Key_Control);
        if (percent(10))
            click(pickOne(m_form.findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^CheckBoxChs")))));
    }

    void blackout()
    {
        static const char *const Buttons[] = {"SpeedButtonBlackOut", "SpeedButtonOnScena", "SpeedButtonMacrosOut",
                                              "CheckBoxBlackOut"};
        if (percent(50)) {
            readyForKeys();
            tap(Qt::Key_0);
        } else {
            click(named<QAbstractButton>(any(Buttons)));
        }
    }

    void playStop()
    {
        const bool play = percent(55);
        if (percent(50)) {
            readyForKeys();
            tap(play ? Qt::Key_Equal : Qt::Key_Minus);
        } else {
            click(named<QAbstractButton>(play ? "SpeedButtonPlay" : "SpeedButtonStop"));
        }
    }

    void tempo() { dragAnywhere(m_form.scrollBarTemp()); }

    void conveyor()
    {
        korvanel::ConveyorGroup &group = *m_form.conveyor();
        QToolButton *slot = group.slotButton(uniform(1, korvanel::ConveyorGroup::SlotCount));
        switch (uniform(0, 9)) {
        case 0:
        case 1:
        case 2:
            // The right button chooses the slot's show.
            if (bringToFront(slot)) {
                QTest::mousePress(slot, Qt::RightButton, {}, slot->rect().center());
                QTest::mouseRelease(slot, Qt::RightButton, {}, slot->rect().center());
            }
            break;
        case 3:
            click(named<QAbstractButton>("SpeedButtonKonvHand"));
            click(slot);
            break;
        case 4:
            click(named<QAbstractButton>(percent(50) ? "SpeedButtonKonvSpisBegin" : "SpeedButtonKonvSpis"));
            break;
        case 5:
            click(named<QAbstractButton>("SpeedButtonKonvOff"));
            break;
        case 6:
            if (percent(20))
                click(named<QAbstractButton>("SpeedButtonKonvNew"));
            break;
        default: {
            static const Qt::Key Letters[] = {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R, Qt::Key_T,
                                              Qt::Key_Y, Qt::Key_U, Qt::Key_I, Qt::Key_O, Qt::Key_P,
                                              Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F, Qt::Key_G,
                                              Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L};
            readyForKeys();
            tap(any(Letters));
            break;
        }
        }
    }

    void staticPictures()
    {
        if (!m_static.isVisible()) {
            if (percent(50))
                trigger("ChaserItem");
            else
                click(named<QAbstractButton>("SpeedButtonRECORD"));
            return;
        }
        if (percent(25)) {
            m_static.close();
            m_form.activateWindow();
            return;
        }
        if (percent(20))
            dragAnywhere(m_static.findChild<QScrollBar *>(QStringLiteral("ScrollBar1")));
        else
            click(pickOne(m_static.findChildren<QAbstractButton *>()));
    }

    void handScan()
    {
        if (!m_handScan.isVisible()) {
            if (percent(50))
                trigger("AreaItem");
            else
                click(named<QAbstractButton>("SpeedButtonAREA"));
            return;
        }
        if (percent(25)) {
            m_handScan.close();
            m_form.activateWindow();
            return;
        }
        if (percent(70))
            mouseDrag(m_handScan.pad(), Qt::LeftButton);
        else
            click(pickOne(m_handScan.findChildren<QCheckBox *>()));
    }

    // A tool, a slider, or the mouse on the chart.
    void editPanel(const char *panelName, const char *paintBoxName)
    {
        auto *panel = named<QWidget>(panelName);
        if (panel == nullptr || !bringToFront(panel))
            return;
        switch (uniform(0, 5)) {
        case 0:
        case 1:
        case 2:
            mouseDrag(named<QWidget>(paintBoxName), percent(75) ? Qt::LeftButton : Qt::RightButton);
            break;
        case 3:
            press(pickOne(panel->findChildren<QAbstractButton *>()));
            break;
        case 4:
            dragAnywhere(pickOne(panel->findChildren<QScrollBar *>()));
            break;
        default:
            if (QSpinBox *spin = pickOne(panel->findChildren<QSpinBox *>()); spin != nullptr && bringToFront(spin))
                spin->setValue(uniform(spin->minimum(), spin->maximum()));
            break;
        }
    }
    void graphEdit() { editPanel("GraphEditor", "PaintBoxGrafik"); }
    void beamEdit() { editPanel("BeamEditor", "PaintBoxXY"); }

    void saveOpen()
    {
        static const char *const Items[] = {"SaveItem", "SaveAsItem", "OpenItem", "NewItem"};
        static const char *const Buttons[] = {"SpeedButtonSAVE", "SpeedButtonSAVEAS", "SpeedButtonOPEN",
                                              "SpeedButtonNEW"};
        static const Qt::Key Keys[] = {Qt::Key_S, Qt::Key_W, Qt::Key_O, Qt::Key_N};
        const int which = uniform(0, 3);
        switch (uniform(0, 2)) {
        case 0:
            trigger(Items[which]);
            break;
        case 1:
            click(named<QAbstractButton>(Buttons[which]));
            break;
        default:
            readyForKeys();
            tap(Keys[which], Qt::ControlModifier);
            break;
        }
    }

    void snapshot()
    {
        click(pickOne(
            m_form.findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^SpeedButton(Mem|Undo)[1345]$")))));
    }

    // The block copy and the generators pages: any of their buttons and sliders.
    void otherPage()
    {
        QWidget *page = m_form.pageControlInput()->widget(percent(50) ? 3 : 4);
        if (percent(70))
            press(pickOne(page->findChildren<QAbstractButton *>()));
        else
            dragAnywhere(pickOne(page->findChildren<QScrollBar *>()));
    }

    void help()
    {
        korvanel::HelpWindow *window = m_form.helpWindow();
        if (window != nullptr && window->isVisible()) {
            window->close();
            m_form.activateWindow();
        } else if (percent(50)) {
            readyForKeys();
            tap(Qt::Key_F1);
        } else {
            trigger("HelpItem");
        }
    }

    TBaseForm &m_form;
    THandScanForm &m_handScan;
    TStaticForm &m_static;
    FakeD2xx &m_fake;
    std::mt19937_64 &m_rng;
    EventLog &m_log;
};

// A readable show, one cut short and an empty file: Open and the conveyor meet all three.
void seedShows(const korvanel::Engine &engine, const QString &shows)
{
    const korvanel::FileResult written =
        korvanel::writeShowFile(engine, QFile::encodeName(shows + QStringLiteral("/start.kvl")).toStdString());
    if (!written.ok())
        std::fprintf(stderr, "soak: cannot write the readable show (errno %d)\n", written.systemError);
    QFile shortFile(shows + QStringLiteral("/short.kvl"));
    if (shortFile.open(QIODevice::WriteOnly))
        shortFile.write(QByteArray(100, '\x07'));
    QFile empty(shows + QStringLiteral("/empty.kvl"));
    if (empty.open(QIODevice::WriteOnly))
        empty.close();
}

} // namespace

int runDriver(const Settings &settings, int argc, char **argv)
{
    const QString folder = QString::fromStdString(settings.folder);
    const QString work = folder + QStringLiteral("/work");
    const QString shows = folder + QStringLiteral("/shows");
    if (!QDir().mkpath(work) || !QDir().mkpath(shows) || ::chdir(QFile::encodeName(work).constData()) != 0) {
        std::fprintf(stderr, "soak: cannot use the folder %s\n", settings.folder.c_str());
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppShell::configureApplication();

    EventLog log(settings.folder + "/events.log");
    std::mt19937_64 rng(settings.seed);
    std::unique_ptr<FakeD2xx> fake;
    try {
        fake = std::make_unique<FakeD2xx>();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "soak: %s\n", e.what());
        return 2;
    }
    fake->plug(1);
    FrameCollector frames(*fake, settings.folder + "/frames.log");
    if (!log.ok() || !frames.ok()) {
        std::fprintf(stderr, "soak: cannot write the logs in %s\n", settings.folder.c_str());
        return 2;
    }
    {
        // As main.cpp builds them; the program's folder is work/, so its files stay there.
        auto engine = std::make_unique<korvanel::Engine>();
        TBaseForm form(*engine);
        THandScanForm handScan(form, *form.mainMenu());
        TStaticForm staticPictures(form, *form.mainMenu(), *form.faderPage(), *form.showFiles(), *form.sequencerTab(),
                                   *form.radioGroupRate());
        AppShell shell(*engine, form, work + QStringLiteral("/korvanel"), work + QStringLiteral("/data"));
        form.setDialogs(std::make_unique<SoakDialogs>(rng, shows, log));
        shell.FormCreate();
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form, 5000))
            std::fprintf(stderr, "soak: the main window did not become active\n");
        seedShows(*engine, shows);

        log.write("start");
        Operator op({form, handScan, staticPictures, *fake}, rng, log);
        op.warmUp();
        op.run(monotonicNs() + settings.seconds * Second);
        log.write("end");
        op.finish();
    }
    frames.stop();
    log.write("lost", QString::number(frames.lost()));
    log.write("fake",
              QStringLiteral("%1 %2 %3 %4")
                  .arg(fake->calls("FT_Open"))
                  .arg(fake->calls("FT_Close"))
                  .arg(fake->deviceOpen() ? 1 : 0)
                  .arg(fake->overlaps()));
    log.write("done");
    return 0;
}

} // namespace soak
