// SPDX-License-Identifier: GPL-3.0-or-later
// Random use of every window: a seeded monkey clicks, drags, types, turns
// the wheel and presses keys on whatever window is on top (the main window,
// the modeless graph editor, a modal dialog or an open menu), answers every
// box, file chooser and prompt at random through the ports, and after every
// step checks that the document still holds together and that the step
// finished. A failure names the seed and the step and lists the last actions.
//
// The environment steers a run (scripts/monkey.sh sets it):
//   MORVIT_MONKEY_SEED     one seed instead of the fixed ones
//   MORVIT_MONKEY_STEPS    steps per seed
//   MORVIT_MONKEY_SECONDS  a time bound for the whole run; seeds follow one
//                          another from the given one (or 1) until it passes
//   MORVIT_MONKEY_LOG      set: every action is written to stderr
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "document/document.h"
#include "main/main_form.h"
#include "main/window_set.h"
#include "ports/event_pump.h"
#include "ports/prompts.h"
#include "support/application.h"
#include "support/document_check.h"
#include "support/recording_help.h"

namespace {

using TClock = std::chrono::steady_clock;

// A step that has not finished after this long counts as a hang. Generous:
// under the sanitizers a replot of a fine surface takes seconds.
constexpr auto HangLimit = std::chrono::seconds(90);
// Nested modal windows deeper than this are closed rather than explored.
constexpr int MaxModalDepth = 3;

const char* const GoodTerms[] = {"sin(x)*cos(y)", "x",     "x^2+y^2", "exp(-x*x)", "1",
                                 "sqrt(x)",       "ln(x)", "x*i",     "abs(x-y)",  "t",
                                 "2.5e-3",        "-1",    "0",       "10",        "y"};
const char* const BadTerms[] = {"sin(",      "x+*y",       "((((((((((((((((x",
                                "1/0",       "",           "   ",
                                "\xC3\xBC",  "1e999",      "x^1e308",
                                "a+b+c+d",   "-",          "12345678901234567890",
                                "nan",       "inf",        "x;y",
                                "65536",     "2147483648", "-0",
                                "0.0000001", ")",          "sin(x",
                                "\"x\"",     "1e-400",     "x,y"};

// Answers every question at random, as a user clicking anywhere would.
class TMonkeyPrompts final : public Prompts {
 public:
  TMonkeyPrompts(std::mt19937& rng, const QString& folder) : rng_(rng), folder_(folder) {}
  int Questions = 0;
  // Told every file name the monkey answers with, for the failure report.
  std::function<void(const std::string&)> Note = [](const std::string&) {};

  TMessageButton Message(TMessageKind, const std::string&, uint8_t buttons, int) override {
    ++Questions;
    std::vector<TMessageButton> offered;
    for (TMessageButton b : {mbOk, mbYes, mbNo, mbCancel, mbHelp})
      if (buttons & b) offered.push_back(b);
    if (offered.empty()) return mbOk;
    // Help is offered again by the caller: answer it rarely, or the box
    // would come back many times in a row.
    TMessageButton answer = offered[Pick(offered.size())];
    if (answer == mbHelp && Pick(4) != 0) answer = offered.front();
    return answer;
  }
  bool InputText(const std::string&, const std::string&, std::string& value) override {
    ++Questions;
    if (Pick(4) == 0) return false;
    if (Pick(3) != 0) value = RandomTerm();
    return true;
  }
  bool ChooseColor(int32_t& color) override {
    ++Questions;
    if (Pick(3) == 0) return false;
    color = static_cast<int32_t>(rng_() & 0xFFFFFF);
    return true;
  }
  bool ChooseOpenFile(const std::string&, std::string& path) override {
    ++Questions;
    switch (Pick(6)) {
      case 0: return false;
      case 1: path = (folder_ + "/missing.mvf").toStdString(); break;
      case 2: path = (folder_ + "/junk.mvf").toStdString(); break;
      case 3: path = (folder_ + "/saved.mvf").toStdString(); break;
      default: path = Example(); break;
    }
    Note("open " + path);
    return true;
  }
  bool ChooseSaveFile(const std::string&, std::string& path) override {
    ++Questions;
    switch (Pick(5)) {
      case 0: return false;
      case 1: path = "/nonexistent-folder/x.mvf"; break;
      case 2: path = (folder_ + "/saved.png").toStdString(); break;
      case 3: path = (folder_ + "/saved.svg").toStdString(); break;
      default: path = (folder_ + "/saved.mvf").toStdString(); break;
    }
    Note("save as " + path);
    return true;
  }

  std::string RandomTerm() {
    if (Pick(2) == 0) return GoodTerms[Pick(std::size(GoodTerms))];
    return BadTerms[Pick(std::size(BadTerms))];
  }
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }
  std::string AnyDocument() {
    return Pick(4) == 0 ? (folder_ + "/junk.mvf").toStdString() : Example();
  }

 private:
  // Copies of the examples: "Save document" writes back to the file read.
  std::string Example() {
    const QDir examples(folder_ + "/examples");
    const QStringList files = examples.entryList({"*.mvf"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) return "/nonexistent.mvf";
    return examples.filePath(files[static_cast<int>(Pick(files.size()))]).toStdString();
  }

  std::mt19937& rng_;
  QString folder_;
};

// Takes the web addresses the program opens, so that no browser starts.
class TUrlSink final : public QObject {
  Q_OBJECT
 public:
  int Opened = 0;
 public slots:
  void Open(const QUrl&) { ++Opened; }
};

// Aborts the process when a step runs past HangLimit: a hang in the event
// loop cannot be reported from inside it.
class TWatchdog {
 public:
  TWatchdog() : thread_([this] { Watch(); }) {}
  ~TWatchdog() {
    stop_ = true;
    thread_.join();
  }
  void StepStarted(const std::string& where) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      where_ = where;
    }
    started_ = TClock::now().time_since_epoch().count();
  }
  void Idle() { started_ = 0; }

 private:
  void Watch() {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      const auto started = started_.load();
      if (started == 0) continue;
      if (TClock::now() - TClock::time_point(TClock::duration(started)) > HangLimit) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::fprintf(stderr, "monkey: a step did not finish within %lld s\n%s\n",
                     static_cast<long long>(HangLimit.count()), where_.c_str());
        std::abort();
      }
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<TClock::rep> started_{0};
  std::mutex mutex_;
  std::string where_;
  std::thread thread_;
};

struct TRunLimits {
  std::vector<unsigned> Seeds;
  long StepsPerSeed = 0;
  double Seconds = 0;  // 0: no time bound
};

TRunLimits LimitsFromEnvironment() {
  TRunLimits limits;
  const char* seed = std::getenv("MORVIT_MONKEY_SEED");
  const char* steps = std::getenv("MORVIT_MONKEY_STEPS");
  const char* seconds = std::getenv("MORVIT_MONKEY_SECONDS");
  if (seconds != nullptr) limits.Seconds = std::atof(seconds);
  if (limits.Seconds > 0) {
    // Seeds one after another until the time is up.
    const unsigned first =
        seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 1;
    for (unsigned k = 0; k < 100000; ++k) limits.Seeds.push_back(first + k);
    limits.StepsPerSeed = 3000;
  } else {
    if (seed != nullptr)
      limits.Seeds = {static_cast<unsigned>(std::strtoul(seed, nullptr, 10))};
    else
      limits.Seeds = {1, 2, 3, 4};
    limits.StepsPerSeed = 500;
  }
  if (steps != nullptr) limits.StepsPerSeed = std::atol(steps);
  return limits;
}

std::string Describe(const QWidget* w) {
  if (w == nullptr) return "(none)";
  std::string text = w->metaObject()->className();
  if (!w->objectName().isEmpty()) text += " '" + w->objectName().toStdString() + "'";
  if (const auto* button = qobject_cast<const QAbstractButton*>(w))
    if (!button->text().isEmpty()) text += " \"" + button->text().toStdString() + "\"";
  if (w->window() != w) text += " in " + std::string(w->window()->metaObject()->className());
  return text;
}

// One session: a fresh set of windows driven until its steps are spent, the
// time is up or the monkey closed the main window.
class TMonkey {
 public:
  TMonkey(unsigned seed, long steps, TClock::time_point deadline, TWatchdog& watchdog)
      : seed_(seed), rng_(seed), steps_(steps), deadline_(deadline), watchdog_(watchdog) {}

  long StepsDone() const { return done_; }
  bool Failed() const { return failed_; }

  void Run() {
    QTemporaryDir folder;
    {
      QFile junk(folder.filePath("junk.mvf"));
      junk.open(QIODevice::WriteOnly);
      junk.write(QByteArray("\x00\x01garbage[Display]\xFF", 19));
    }
    QDir(folder.path()).mkdir("examples");
    const QDir examples(MORVIT_SOURCE_DIR "/examples");
    for (const QString& name : examples.entryList({"*.mvf"}, QDir::Files, QDir::Name))
      QFile::copy(examples.filePath(name), folder.filePath("examples/" + name));
    prompts_ = std::make_unique<TMonkeyPrompts>(rng_, folder.path());
    prompts_->Note = [this](const std::string& note) { Note(note); };
    while (done_ < steps_ && !failed_ && TClock::now() < deadline_) {
      // Now and then the program starts with a document named on its command line.
      QStringList arguments;
      if (Pick(3) == 0) arguments << QString::fromStdString(prompts_->AnyDocument());
      windows_ = std::make_unique<TWindowSet>(*prompts_, help_, pump_, arguments, true);
      TMainForm& main = windows_->MainForm();
      main.SetSettingsFile(folder.filePath("settings.ini"));
      main.resize(640, 480);
      main.show();
      QEventLoop loop;
      loop_ = &loop;
      QTimer::singleShot(0, &loop, [this] { Step(); });
      loop.exec();
      loop_ = nullptr;
      windows_.reset();
      ++sessions_;
    }
  }

 private:
  std::size_t Pick(std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  void Log(const std::string& action) {
    std::ostringstream line;
    line << "seed " << seed_ << " step " << done_ << ": " << action;
    recent_.push_back(line.str());
    if (std::getenv("MORVIT_MONKEY_LOG") != nullptr)
      std::fprintf(stderr, "%s\n", line.str().c_str());
    if (recent_.size() > 25) recent_.pop_front();
    std::string where;
    for (const std::string& r : recent_) where += "  " + r + "\n";
    watchdog_.StepStarted(where);
  }

  void Note(const std::string& note) {
    recent_.push_back("    (" + note + ")");
    if (std::getenv("MORVIT_MONKEY_LOG") != nullptr)
      std::fprintf(stderr, "    (%s)\n", note.c_str());
  }

  std::string Recent() const {
    std::string text;
    for (const std::string& r : recent_) text += "  " + r + "\n";
    return text;
  }

  // The window a user's input reaches now: an open menu, else the topmost
  // modal dialog, else one of the visible windows.
  QWidget* TopWindow() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) shown.push_back(w);
    if (shown.empty()) return nullptr;
    return shown[Pick(shown.size())];
  }

  int ModalDepth() const {
    int depth = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->isModal()) ++depth;
    return depth;
  }

  template <typename T>
  std::vector<T*> Visible(QWidget* window) {
    std::vector<T*> found;
    if (auto* self = qobject_cast<T*>(window)) found.push_back(self);
    for (T* w : window->findChildren<T*>())
      if (w->isVisible() && w->isEnabled()) found.push_back(w);
    return found;
  }

  QPoint RandomPoint(QWidget* w) {
    return {Between(0, std::max(0, w->width() - 1)), Between(0, std::max(0, w->height() - 1))};
  }

  Qt::MouseButton RandomButton() {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                       Qt::RightButton, Qt::MiddleButton};
    return buttons[Pick(std::size(buttons))];
  }

  void Click(QWidget* w, Qt::MouseButton button, QPoint at, bool twice = false) {
    QPointer<QWidget> target(w);
    QTest::mousePress(w, button, Qt::NoModifier, at);
    if (target) QTest::mouseRelease(target, button, Qt::NoModifier, at);
    if (twice && target) QTest::mouseDClick(target, button, Qt::NoModifier, at);
  }

  void Drag(QWidget* window) {
    // Most drags go to the largest widget: the drawing area, a table.
    const auto widgets = Visible<QWidget>(window);
    QWidget* w = widgets[Pick(widgets.size())];
    if (Pick(2) == 0)
      for (QWidget* candidate : widgets)
        if (candidate != window &&
            candidate->width() * candidate->height() > w->width() * w->height())
          w = candidate;
    QPointer<QWidget> target(w);
    const Qt::MouseButton button = RandomButton();
    QPoint at = RandomPoint(w);
    Log("drag " + Describe(w) + " with button " + std::to_string(button));
    QTest::mousePress(w, button, Qt::NoModifier, at);
    const int moves = Between(1, 6);
    for (int k = 0; k < moves && target; ++k) {
      at += QPoint(Between(-80, 80), Between(-80, 80));
      QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, button,
                       Qt::NoModifier);
      QApplication::sendEvent(target, &move);
    }
    if (target) QTest::mouseRelease(target, button, Qt::NoModifier, at);
  }

  void PressKey(QWidget* window) {
    QWidget* to = window->focusWidget() != nullptr ? window->focusWidget() : window;
    const Qt::Key keys[] = {Qt::Key_Tab,      Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Return,
                            Qt::Key_Enter,    Qt::Key_Escape,    Qt::Key_Delete,  Qt::Key_F1,
                            Qt::Key_Space,    Qt::Key_Up,        Qt::Key_Down,    Qt::Key_Left,
                            Qt::Key_Right,    Qt::Key_Home,      Qt::Key_End,     Qt::Key_PageUp,
                            Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Insert,  Qt::Key_F2};
    const Qt::Key key = keys[Pick(std::size(keys))];
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                               Qt::ShiftModifier, Qt::ControlModifier};
    const Qt::KeyboardModifiers modifier = modifiers[Pick(std::size(modifiers))];
    Log("key " + QKeySequence(key | modifier).toString().toStdString() + " to " + Describe(to));
    QTest::keyClick(to, key, modifier);
  }

  // Alt and a letter: the menus' and the buttons' mnemonics, and whatever
  // else a letter reaches.
  void PressMnemonic(QWidget* window) {
    QWidget* to = window->focusWidget() != nullptr ? window->focusWidget() : window;
    const char letter = static_cast<char>('a' + Pick(26));
    Log(std::string("Alt+") + letter + " to " + Describe(to));
    QTest::keyClick(to, letter, Qt::AltModifier);
  }

  void Wheel(QWidget* window) {
    const auto widgets = Visible<QWidget>(window);
    QWidget* w = widgets[Pick(widgets.size())];
    const QPoint at = RandomPoint(w);
    const int notches = Between(-3, 3);
    Log("wheel " + std::to_string(notches) + " on " + Describe(w));
    QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
  }

  void Type(QWidget* window) {
    QWidget* to = window->focusWidget();
    std::vector<QWidget*> editors;
    for (QWidget* w : Visible<QWidget>(window))
      if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
          qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
          (qobject_cast<QComboBox*>(w) && static_cast<QComboBox*>(w)->isEditable()))
        editors.push_back(w);
    if ((to == nullptr || Pick(2) == 0) && !editors.empty()) to = editors[Pick(editors.size())];
    if (to == nullptr) to = window;
    const std::string text = prompts_->RandomTerm();
    Log("type \"" + text + "\" into " + Describe(to));
    QPointer<QWidget> target(to);
    if (Pick(2) == 0) QTest::keyClick(to, Qt::Key_A, Qt::ControlModifier);  // replace, not append
    // Key by key, as typed; characters beyond ASCII come as text alone.
    for (const QChar ch : QString::fromStdString(text)) {
      if (!target) break;
      const Qt::Key key =
          ch.unicode() < 128 ? static_cast<Qt::Key>(ch.toUpper().unicode()) : Qt::Key_unknown;
      QTest::sendKeyEvent(QTest::Click, target, key, QString(ch), Qt::NoModifier);
    }
    if (target && Pick(2) == 0) QTest::keyClick(target, Qt::Key_Return);
  }

  void ClickButton(QWidget* window) {
    const auto buttons = Visible<QAbstractButton>(window);
    if (buttons.empty()) return ClickAnywhere(window);
    QAbstractButton* button = buttons[Pick(buttons.size())];
    Log("click " + Describe(button));
    Click(button, Qt::LeftButton, button->rect().center());
  }

  void ClickAnywhere(QWidget* window) {
    const auto widgets = Visible<QWidget>(window);
    QWidget* w = widgets[Pick(widgets.size())];
    const Qt::MouseButton button = RandomButton();
    const QPoint at = RandomPoint(w);
    const bool twice = Pick(6) == 0;
    Log(std::string(twice ? "double-click " : "click ") + Describe(w) + " at " +
        std::to_string(at.x()) + "," + std::to_string(at.y()) + " button " +
        std::to_string(button));
    Click(w, button, at, twice);
  }

  void ChangeTab(QWidget* window) {
    const auto bars = Visible<QTabBar>(window);
    if (bars.empty()) return PressKey(window);
    QTabBar* bar = bars[Pick(bars.size())];
    const int index = static_cast<int>(Pick(static_cast<std::size_t>(std::max(1, bar->count()))));
    Log("tab " + std::to_string(index) + " of " + Describe(bar));
    bar->setCurrentIndex(index);
  }

  // A command of the main window's menus and tool bar, as a click on it.
  void TriggerCommand(QMainWindow* main) {
    std::vector<QAction*> actions;
    for (QAction* a : main->findChildren<QAction*>())
      if (a->isEnabled() && !a->isSeparator() && a->menu() == nullptr && !a->text().isEmpty())
        actions.push_back(a);
    if (actions.empty()) return PressKey(main);
    QAction* action = actions[Pick(actions.size())];
    // Exit ends the session; it is chosen only now and then.
    if (action->shortcut() == QKeySequence::Quit && Pick(8) != 0) return PressKey(main);
    Log("command \"" + action->text().toStdString() + "\"");
    action->trigger();
  }

  void CloseTop(QWidget* top) {
    Log("close " + Describe(top));
    if (auto* dialog = qobject_cast<QDialog*>(top))
      dialog->reject();
    else
      top->close();
  }

  void Act() {
    QWidget* top = TopWindow();
    if (top == nullptr) return;
    if (ModalDepth() > MaxModalDepth && top->isModal()) return CloseTop(top);
    auto* main = qobject_cast<QMainWindow*>(top);
    const std::size_t roll = Pick(100);
    if (main != nullptr && roll < 22) return TriggerCommand(main);
    if (roll < 40) return ClickAnywhere(top);
    if (roll < 52) return ClickButton(top);
    if (roll < 60) return Drag(top);
    if (roll < 75) return PressKey(top);
    if (roll < 79) return PressMnemonic(top);
    if (roll < 84) return Wheel(top);
    if (roll < 94) return Type(top);
    if (roll < 98) return ChangeTab(top);
    return CloseTop(top);
  }

  void Check(const char* when) {
    if (failed_) return;
    TMainForm& main = windows_->MainForm();
    const std::string fault = DocumentFault(main.Doc(), main.CurrentDisplay(),
                                            main.TabControl()->count(), main.isVisible());
    if (fault.empty()) return;
    failed_ = true;
    ADD_FAILURE() << "seed " << seed_ << " step " << done_ << " (" << when << "): " << fault
                  << "\nlast actions:\n"
                  << Recent() << "rerun: scripts/monkey.sh 60 " << seed_;
  }

  bool Finished() const {
    return failed_ || done_ >= steps_ || TClock::now() >= deadline_ ||
           (windows_ && !windows_->MainForm().isVisible());
  }

  // Each step first arranges the next one: when this step opens a modal
  // dialog, the next steps run inside the dialog's own event loop.
  void Step() {
    if (Finished()) return Unwind();
    QTimer::singleShot(0, loop_, [this] { Step(); });
    ++done_;
    Act();
    Check("after the step");
    watchdog_.Idle();
  }

  // Closes menus and modal dialogs from the top down, then ends the session.
  void Unwind() {
    QWidget* open = QApplication::activePopupWidget();
    if (open == nullptr) open = QApplication::activeModalWidget();
    if (open != nullptr && ++unwinding_ < 500) {
      CloseTop(open);
      QTimer::singleShot(0, loop_, [this] { Unwind(); });
      return;
    }
    if (open != nullptr) {
      failed_ = true;
      ADD_FAILURE() << "seed " << seed_ << ": " << Describe(open) << " does not close\n"
                    << Recent();
    }
    Check("at the end of the session");
    watchdog_.Idle();
    unwinding_ = 0;
    loop_->quit();
  }

  unsigned seed_;
  std::mt19937 rng_;
  long steps_;
  TClock::time_point deadline_;
  TWatchdog& watchdog_;
  long done_ = 0;
  int sessions_ = 0;
  int unwinding_ = 0;
  bool failed_ = false;
  std::deque<std::string> recent_;
  std::unique_ptr<TMonkeyPrompts> prompts_;
  TRecordingHelp help_;
  NoEventPump pump_;
  std::unique_ptr<TWindowSet> windows_;
  QEventLoop* loop_ = nullptr;
};

// The offscreen platform's notes on what it cannot do would fill the log.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

TEST(Monkey, RandomUseKeepsTheDocumentWhole) {
  qInstallMessageHandler(QuietPlatformNotes);
  QApplication& app = EnsureApplication<QApplication>();
  // Closing the main window must not end the event loops the test runs.
  app.setQuitOnLastWindowClosed(false);
  TUrlSink urls;
  QDesktopServices::setUrlHandler("http", &urls, "Open");
  QDesktopServices::setUrlHandler("https", &urls, "Open");
  QDesktopServices::setUrlHandler("mailto", &urls, "Open");

  const TRunLimits limits = LimitsFromEnvironment();
  const auto start = TClock::now();
  const auto deadline =
      limits.Seconds > 0
          ? start + std::chrono::milliseconds(static_cast<long long>(limits.Seconds * 1000))
          : TClock::time_point::max();
  TWatchdog watchdog;
  long steps = 0;
  int seeds = 0;
  for (unsigned seed : limits.Seeds) {
    if (TClock::now() >= deadline) break;
    TMonkey monkey(seed, limits.StepsPerSeed, deadline, watchdog);
    monkey.Run();
    steps += monkey.StepsDone();
    ++seeds;
    if (monkey.Failed()) break;
  }
  const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
  std::printf("monkey: %d seeds (from %u), %ld steps in %.1f s\n", seeds, limits.Seeds.front(),
              steps, seconds);
  QDesktopServices::unsetUrlHandler("http");
  QDesktopServices::unsetUrlHandler("https");
  QDesktopServices::unsetUrlHandler("mailto");
  EXPECT_GT(steps, 0);
}

}  // namespace

#include "monkey_test.moc"
