// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <clocale>

#include "dialogs/message_catalogue.h"
#include "main/main_form.h"
#include "ports/event_pump.h"
#include "support/application.h"
#include "support/recording_help.h"
#include "support/scripted_prompts.h"
#include "term/complex.h"

namespace {

QApplication& App() { return EnsureApplication<QApplication>(); }

QStringList MenuTitles(TMainForm& form) {
  QStringList titles;
  for (QAction* action : form.menuBar()->actions()) titles << action->text();
  return titles;
}

// Builds the main window under the translations of a locale and reads what
// a person would see first: the menu bar and the button of the status line.
struct TSeen {
  QStringList Menus;
  QString Support;
  QString Message;
};

TSeen SeenUnder(const QLocale& locale) {
  const auto translators = InstallTranslations(App(), locale);
  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  TMainForm form(prompts, help, pump, QStringList());
  TSeen seen{MenuTitles(form), form.statusBar()->findChild<QPushButton*>("bSupport")->text(),
             TranslateMessage(QStringLiteral("Invalid Term entered for axis 2."))};
  for (const auto& translator : translators) QCoreApplication::removeTranslator(translator.get());
  return seen;
}

TEST(Translations, GermanLocaleShowsGermanWindowsEnglishOrCShowTheOriginalTexts) {
  const struct {
    QLocale Locale;
    QStringList Menus;
    QString Support;
    QString Message;
  } rows[] = {
      {QLocale(QLocale::German, QLocale::Germany),
       {"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"},
       "Unterstützen Sie freie Software!",
       "Ungültiger Term für Achse 2 eingegeben."},
      {QLocale(QLocale::German, QLocale::Austria),
       {"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"},
       "Unterstützen Sie freie Software!",
       "Ungültiger Term für Achse 2 eingegeben."},
      {QLocale::c(),
       {"&File", "&Edit", "&View", "&Help"},
       "Support free software!",
       "Invalid Term entered for axis 2."},
      {QLocale(QLocale::English, QLocale::UnitedStates),
       {"&File", "&Edit", "&View", "&Help"},
       "Support free software!",
       "Invalid Term entered for axis 2."},
  };
  for (const auto& row : rows) {
    const TSeen seen = SeenUnder(row.Locale);
    EXPECT_EQ(seen.Menus.mid(0, 4), row.Menus) << row.Locale.name().toStdString();
    EXPECT_EQ(seen.Support, row.Support) << row.Locale.name().toStdString();
    EXPECT_EQ(seen.Message, row.Message) << row.Locale.name().toStdString();
  }
}

TEST(Translations, MessagesMatchWholeTextsLinesAndFilledInParts) {
  const auto translators = InstallTranslations(App(), QLocale(QLocale::German));
  ASSERT_FALSE(translators.empty());
  const struct {
    const char* English;
    const char* German;
  } rows[] = {
      {"Invalid file.", "Ungültige Datei."},
      // The core joins the lines of a question; each line is translated.
      {"For valid 2D plots, terms have to be entered at least for axis 1 and 2.\n"
       "Do you want to continue anyway?",
       "Für gültige 2D-Darstellungen müssen mindestens für Achse 1 und 2 Terme eingegeben "
       "werden.\nTrotzdem fortfahren?"},
      {"Invalid axis values for logarithmic scaling at axis 3.",
       "Ungültige Achsenwerte für logarithmische Skalierung an Achse 3."},
      // A user's term inside a message stays as typed.
      {"Error at \"x<1\".", "Fehler bei \"x<1\"."},
      // Numbers and unknown texts come back unchanged.
      {"1.5+2i", "1.5+2i"},
      {"A text no catalogue knows.", "A text no catalogue knows."},
  };
  for (const auto& row : rows)
    EXPECT_EQ(TranslateMessage(QString::fromUtf8(row.English)), QString::fromUtf8(row.German))
        << row.English;
  for (const auto& translator : translators) QCoreApplication::removeTranslator(translator.get());
}

TEST(Translations, NumbersKeepTheDecimalPointUnderAGermanLocale) {
  // A German desktop writes 1,5; terms and documents need 1.5.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const auto translators = InstallTranslations(App(), QLocale(QLocale::German));
  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  TMainForm form(prompts, help, pump, QStringList());
  EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1.5"));
  EXPECT_EQ(std::string(std::localeconv()->decimal_point), ".");
  EXPECT_EQ(ComplexToStr(TComplex{1.5, -0.25}), "1.5-0.25*i");
  for (const auto& translator : translators) QCoreApplication::removeTranslator(translator.get());
}

}  // namespace
