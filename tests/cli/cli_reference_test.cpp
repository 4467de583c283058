// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line reference: the one text behind --help and the manual's
// command-line page.
#include "cli/cli_reference.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace {

// Every subcommand that morvit-cli runs is described, and its --help says
// what the reference says.
TEST(CliReference, DescribesEverySubcommand) {
  for (const std::string& name : CliCommandNames()) {
    SCOPED_TRACE(name);
    const TCliReferenceBlock* entry = FindCliReferenceCommand(CliReference(), name);
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->Synopsis.empty());
    EXPECT_FALSE(entry->Summary.empty());
    EXPECT_FALSE(entry->Body.empty()) << "the manual needs more than the summary";
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({name, "--help"}, out, err), ExitOk);
    EXPECT_EQ(out.str(),
              "usage: morvit-cli " + name + " " + entry->Synopsis + "\n  " + entry->Summary + "\n");
  }
}

TEST(CliReference, OverallHelpListsTheSubcommandsInTheirOrder) {
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"--help"}, out, err), ExitOk);
  const std::string help = out.str();
  EXPECT_EQ(help.rfind("usage: morvit-cli SUBCOMMAND ARGUMENTS...\n"
                       "       morvit-cli --help | SUBCOMMAND --help\n\nSubcommands:\n"
                       "  parse TERM\n"
                       "      Compiles TERM; prints ok or invalid, then the tree in prefix form.\n",
                       0),
            0u)
      << help;
  size_t last = 0;
  for (const std::string& name : CliCommandNames()) {
    const size_t at = help.find("\n  " + name + " ");
    ASSERT_NE(at, std::string::npos) << name;
    EXPECT_GT(at, last) << name;
    last = at;
  }
}

TEST(CliReference, ReadsSectionsCommandsAndComments) {
  const TCliReference reference = ParseCliReference(
      "% a comment\n"
      "# The command line\n"
      "\n"
      "Intro text.\r\n"
      "## run FILE [--fast]\n"
      "Runs FILE.\n"
      "More about it.\n"
      "\n"
      "- an item\n"
      "## bare\n"
      "\n"
      "Summary after a blank line.\n");
  ASSERT_EQ(reference.size(), 3u);
  EXPECT_FALSE(reference[0].IsCommand);
  EXPECT_EQ(reference[0].Title, "The command line");
  EXPECT_EQ(reference[0].Body, (std::vector<std::string>{"Intro text."}));
  EXPECT_TRUE(reference[1].IsCommand);
  EXPECT_EQ(reference[1].Title, "run");
  EXPECT_EQ(reference[1].Synopsis, "FILE [--fast]");
  EXPECT_EQ(reference[1].Summary, "Runs FILE.");
  EXPECT_EQ(reference[1].Body, (std::vector<std::string>{"More about it.", "", "- an item"}));
  EXPECT_EQ(reference[2].Title, "bare");
  EXPECT_EQ(reference[2].Synopsis, "");
  EXPECT_EQ(reference[2].Summary, "Summary after a blank line.");
}

struct THtmlCase {
  const char* Text;
  const char* Html;
};

TEST(CliReference, HtmlOfTheBody) {
  const THtmlCase cases[] = {
      {"Two lines\nof one paragraph.", "<p>Two lines\nof one paragraph.</p>\n"},
      {"First.\n\nSecond.", "<p>First.</p>\n<p>Second.</p>\n"},
      {"Type `a<b & c`.", "<p>Type <tt>a&lt;b &amp; c</tt>.</p>\n"},
      {"An `open code", "<p>An <tt>open code</tt></p>\n"},
      {"- one\n- two\n  more", "<ul>\n<li>one</li>\n<li>two\nmore</li>\n</ul>\n"},
      {"    x <y>\n    z\nText.", "<pre>x &lt;y&gt;\nz</pre>\n<p>Text.</p>\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const TCliReference reference = ParseCliReference(std::string("# Title\n") + c.Text + "\n");
    EXPECT_EQ(CliReferenceHtml(reference),
              std::string("<h2><a name=\"cli\"></a>Title</h2>\n") + c.Html);
  }
}

TEST(CliReference, HtmlShowsOnlyTheSubcommandsGiven) {
  const TCliReference reference =
      ParseCliReference("# Commands\n## one A\nFirst.\n## two B\nSecond.\n");
  const std::string all = CliReferenceHtml(reference);
  EXPECT_NE(all.find("<a name=\"cli-one\"></a>"), std::string::npos);
  EXPECT_NE(all.find("<tt>morvit-cli two B</tt>"), std::string::npos);
  const std::string some = CliReferenceHtml(reference, {"two"});
  EXPECT_EQ(some.find("cli-one"), std::string::npos);
  EXPECT_NE(some.find("<p>Second.</p>"), std::string::npos);
}

struct TRoffCase {
  const char* Text;
  const char* Roff;
};

// Roff reads a leading dot as a request and a backslash as an escape; a
// manual page must show both as typed.
TEST(CliReference, ManPageOfTheBody) {
  const TRoffCase cases[] = {
      {"Plain text.", ".PP\nPlain text.\n"},
      {".starts with a dot", ".PP\n\\&.starts with a dot\n"},
      {"a\\b and -x", ".PP\na\\eb and \\-x\n"},
      {"Type `x^2`.", ".PP\nType \\fBx^2\\fR.\n"},
      {"- item", ".IP \\(bu 2\nitem\n"},
      {"    .example", ".PP\n.RS\n.nf\n\\&.example\n.fi\n.RE\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const std::string roff =
        CliReferenceManPage(ParseCliReference(std::string("# T\n") + c.Text + "\n"));
    const std::string head = ".SH DESCRIPTION\n";
    const size_t at = roff.find(head);
    ASSERT_NE(at, std::string::npos) << roff;
    EXPECT_EQ(roff.substr(at + head.size()), c.Roff);
  }
}

TEST(CliReference, ManPageHasEverySubcommand) {
  const std::string roff = CliReferenceManPage(CliReference(), CliCommandNames());
  EXPECT_EQ(roff.rfind(".TH MORVIT-CLI 1", 0), 0u);
  EXPECT_NE(roff.find(".SH EXIT STATUS\n"), std::string::npos);
  for (const std::string& name : CliCommandNames())
    EXPECT_NE(roff.find(".SS " + name + " "), std::string::npos) << name;
}

}  // namespace
