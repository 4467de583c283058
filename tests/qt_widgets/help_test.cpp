// SPDX-License-Identifier: GPL-3.0-or-later
// The help as the program shows it: the file the build writes beside the
// program, its topics, links and pictures, and the search of the help window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <set>

#include "qt_widgets/help_viewer.h"
#include "qt_widgets/help_window.h"
#include "support/application.h"

namespace {

QApplication& App() { return EnsureApplication<QApplication>(); }

QString HelpText() {
  QFile file(QDir(MORVIT_HELP_DIR).filePath("morvit.chm"));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

// Every anchor name of the document as the help window reads it.
std::set<QString> AnchorNames(const QTextDocument& document) {
  std::set<QString> names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
      for (const QString& name : fragment.fragment().charFormat().anchorNames()) names.insert(name);
  return names;
}

// The context numbers that the program's windows ask the help for, read from
// the sources, so that a window given a new number cannot go without a topic.
std::set<int> ContextNumbersInSources() {
  std::set<int> numbers;
  const QRegularExpression definition(R"(constexpr int \w*Context\s*=\s*(\d+))");
  QDirIterator files(QString(MORVIT_SOURCE_DIR) + "/src", {"*.h", "*.cpp"}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    if (!file.open(QIODevice::ReadOnly)) continue;
    auto matches = definition.globalMatch(QString::fromUtf8(file.readAll()));
    while (matches.hasNext()) numbers.insert(matches.next().captured(1).toInt());
  }
  return numbers;
}

TEST(Help, EveryTopicTheProgramUsesOpensAtItsAnchor) {
  App();
  std::set<int> contexts = ContextNumbersInSources();
  // The help command and the windows' own numbers.
  for (int known : {1, 10, 11, 20, 40, 50, 70, 999}) EXPECT_TRUE(contexts.count(known)) << known;
  THelpViewer viewer(MORVIT_HELP_DIR, {});
  ASSERT_TRUE(viewer.HelpFileExists());
  for (int context : contexts) {
    SCOPED_TRACE(context);
    viewer.ShowTopic(context);
    THelpWindow* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    const QString anchor = QString("topic%1").arg(context);
    EXPECT_EQ(window->Browser()->source().fragment(), anchor);
    EXPECT_TRUE(AnchorNames(*window->Browser()->document()).count(anchor));
  }
  viewer.CloseAll();
}

TEST(Help, EveryLinkAndPictureResolves) {
  App();
  const QString help = HelpText();
  ASSERT_FALSE(help.isEmpty()) << "no help file in " << MORVIT_HELP_DIR;
  QTextBrowser browser;
  browser.setSource(QUrl::fromLocalFile(QDir(MORVIT_HELP_DIR).filePath("morvit.chm")));
  const std::set<QString> anchors = AnchorNames(*browser.document());

  int links = 0;
  auto hrefs = QRegularExpression(R"re(href="([^"]*)")re").globalMatch(help);
  while (hrefs.hasNext()) {
    const QString target = hrefs.next().captured(1);
    ++links;
    if (target.startsWith("https://")) continue;
    if (target.startsWith('#')) {
      EXPECT_TRUE(anchors.count(target.mid(1)))
          << "link to a missing anchor: " << target.toStdString();
    } else {
      EXPECT_TRUE(QFileInfo::exists(QDir(MORVIT_HELP_DIR).filePath(target)))
          << "link to a missing file: " << target.toStdString();
    }
  }
  int pictures = 0;
  auto images = QRegularExpression(R"re(<img src="([^"]*)")re").globalMatch(help);
  while (images.hasNext()) {
    const QString picture = images.next().captured(1);
    ++pictures;
    EXPECT_TRUE(QFileInfo(QDir(MORVIT_HELP_DIR).filePath(picture)).size() > 0)
        << "missing picture: " << picture.toStdString();
  }
  // The contents alone link to every topic, and every task has its picture.
  EXPECT_GT(links, 30);
  EXPECT_GE(pictures, 9);
  // The command-line page was put in from the reference.
  EXPECT_TRUE(anchors.count("cli"));
  EXPECT_TRUE(anchors.count("cli-render"));
  EXPECT_FALSE(help.contains("<!-- command-line reference -->"));
}

struct TSearchCase {
  const char* Text;
  bool Found;
  const char* Topic;  // the heading of the part holding the first place
};

TEST(Help, SearchFindsWordsAcrossAllTopics) {
  App();
  THelpWindow window;
  window.Browser()->setSource(QUrl::fromLocalFile(QDir(MORVIT_HELP_DIR).filePath("morvit.chm")));
  auto* matches = window.findChild<QLabel*>("lMatches");
  ASSERT_NE(matches, nullptr);
  const TSearchCase cases[] = {
      {"arccot", true, "The functions"},
      {"ARCCOT", true, "The functions"},  // letter case
                                          // is ignored
      {"Simpson", true, "Task: the calculator"},
      {"no such word here", false, ""},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    window.Search(c.Text);
    EXPECT_EQ(window.MatchCount() > 0, c.Found);
    if (c.Found) {
      EXPECT_EQ(window.Browser()->textCursor().selectedText().toLower(), QString(c.Text).toLower());
      EXPECT_TRUE(matches->text().contains(QString("in \"%1\"").arg(c.Topic)))
          << matches->text().toStdString();
    } else if (*c.Text != '\0') {
      EXPECT_EQ(matches->text(), "No match");
    }
  }
}

TEST(Help, EnterWalksThroughEveryPlaceAndWrapsRound) {
  App();
  THelpWindow window;
  window.Browser()->setSource(QUrl::fromLocalFile(QDir(MORVIT_HELP_DIR).filePath("morvit.chm")));
  window.Search("variable table");
  const int count = window.MatchCount();
  ASSERT_GT(count, 3);  // in the tasks, the graph input, the calculator, ...
  std::set<int> positions;
  std::set<QString> topics;
  auto* matches = window.findChild<QLabel*>("lMatches");
  for (int k = 0; k < count; ++k) {
    positions.insert(window.Browser()->textCursor().selectionStart());
    topics.insert(matches->text().section(" in ", 1));
    window.FindNext();
  }
  EXPECT_EQ(static_cast<int>(positions.size()), count);
  EXPECT_GT(topics.size(), 3u);
  // After the last place comes the first again; backwards from the first, the last.
  EXPECT_EQ(window.Browser()->textCursor().selectionStart(), *positions.begin());
  window.FindNext(true);
  EXPECT_EQ(window.Browser()->textCursor().selectionStart(), *positions.rbegin());
}

// Typed into the field as a user types: each letter searches anew, Enter
// goes on to the next place and Shift+Enter back.
TEST(Help, TheSearchFieldAnswersTheKeyboard) {
  App();
  THelpWindow window;
  window.Browser()->setSource(QUrl::fromLocalFile(QDir(MORVIT_HELP_DIR).filePath("morvit.chm")));
  auto* field = window.findChild<QLineEdit*>("eSearch");
  ASSERT_NE(field, nullptr);
  QTest::keyClicks(field, "torus");
  ASSERT_GT(window.MatchCount(), 1);
  const int first = window.Browser()->textCursor().selectionStart();
  QTest::keyClick(field, Qt::Key_Return);
  const int second = window.Browser()->textCursor().selectionStart();
  EXPECT_GT(second, first);
  QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(window.Browser()->textCursor().selectionStart(), first);
  EXPECT_EQ(field->text(), "torus");  // Enter is no text
  field->clear();
  EXPECT_EQ(window.MatchCount(), 0);
  EXPECT_TRUE(window.Browser()->extraSelections().isEmpty());
}

}  // namespace
