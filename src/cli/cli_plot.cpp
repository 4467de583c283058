// SPDX-License-Identifier: GPL-3.0-or-later
// scene and render: the plotting driver and the picture without a window.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_json.h"
#include "document/document.h"
#include "document/reader.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "plot/render.h"
#include "ports/prompts.h"
#include "qt/picture_export.h"
#include "qt/qt_canvas.h"
#include "term/number_text.h"

namespace {

constexpr int ExitPlotStopped = 3;

// The drawing area's size when none is given: the main window's at start.
constexpr std::int32_t DefaultWidth = 800;
constexpr std::int32_t DefaultHeight = 600;
// Larger pictures would only fill memory: 8192 x 8192 already takes 256 MB.
constexpr std::int32_t MaxSide = 8192;

// Answers every box with OK and keeps the messages for stderr.
class TCliPrompts : public Prompts {
 public:
  std::vector<std::string> Messages;

  TMessageButton Message(TMessageKind, const std::string& text, uint8_t, int) override {
    Messages.push_back(text);
    return mbOk;
  }
  bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
  bool ChooseColor(int32_t&) override { return false; }
  bool ChooseOpenFile(const std::string&, std::string&) override { return false; }
};

struct TPlotArgs {
  std::string File;
  std::string Output;
  std::optional<int> Display;
  std::int32_t Width = DefaultWidth;
  std::int32_t Height = DefaultHeight;
  double Scale = 1;
};

// A whole number as the options take it: no blanks and no "+".
bool ParseInt(const std::string& text, int& value) {
  return text.find_first_of(" +") == std::string::npos && TextToInteger(text, value);
}

bool ParseSize(const std::string& text, std::int32_t& width, std::int32_t& height) {
  const auto cross = text.find('x');
  if (cross == std::string::npos) return false;
  int w = 0;
  int h = 0;
  if (!ParseInt(text.substr(0, cross), w) || !ParseInt(text.substr(cross + 1), h)) return false;
  if (w < 1 || h < 1 || w > MaxSide || h > MaxSide) return false;
  width = w;
  height = h;
  return true;
}

// Reads FILE [--display N] and, for render, -o OUT, --size WxH and --scale S. False with
// a message on err for anything else.
bool ParsePlotArgs(const TCliArgs& args, bool render, TPlotArgs& parsed, std::ostream& err) {
  const char* name = render ? "render" : "scene";
  bool haveFile = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "--display") {
      int n = -1;
      if (!hasValue || !ParseInt(args[k + 1], n) || n < 0) {
        err << "morvit-cli " << name << ": --display needs a display number from 0\n";
        return false;
      }
      parsed.Display = n;
      ++k;
    } else if (render && arg == "-o") {
      if (!hasValue || args[k + 1].empty()) {
        err << "morvit-cli render: -o needs an output file\n";
        return false;
      }
      parsed.Output = args[++k];
    } else if (render && arg == "--size") {
      if (!hasValue || !ParseSize(args[k + 1], parsed.Width, parsed.Height)) {
        err << "morvit-cli render: --size needs WxH, each from 1 to " << MaxSide << "\n";
        return false;
      }
      ++k;
    } else if (render && arg == "--scale") {
      if (!hasValue || !ParsePictureScale(args[k + 1], parsed.Scale)) {
        err << "morvit-cli render: --scale needs a number from 1 to 4\n";
        return false;
      }
      ++k;
    } else if (!haveFile && !arg.starts_with("-")) {
      parsed.File = arg;
      haveFile = true;
    } else {
      err << "morvit-cli " << name << ": unexpected argument '" << arg << "'\n";
      return false;
    }
  }
  if (!haveFile) {
    err << "morvit-cli " << name << ": expects a FILE\n";
    return false;
  }
  if (render && parsed.Output.empty()) {
    err << "morvit-cli render: expects -o OUT.png\n";
    return false;
  }
  // Vector pictures ignore the scale.
  TPictureFormat format = TPictureFormat::Png;
  const bool pixels = render && PictureFormatOf(parsed.Output, format) &&
                      (format == TPictureFormat::Png || format == TPictureFormat::Jpeg);
  if (pixels && (DeviceSide(parsed.Width, parsed.Scale) > MaxSide ||
                 DeviceSide(parsed.Height, parsed.Scale) > MaxSide)) {
    err << "morvit-cli render: the picture at --scale " << parsed.Scale << " would exceed "
        << MaxSide << " pixels\n";
    return false;
  }
  return true;
}

// The document read as "Open document..." reads it, with its current display.
struct TLoaded {
  TDocument Document;
  bool ReadOk = true;
  int Current = -1;  // -1: the document has no display
};

// False (usage) when a display was asked for that the document lacks.
bool Load(const TPlotArgs& args, TLoaded& loaded, std::ostream& err) {
  CreateDocument(loaded.Document);
  TStringGrid table;
  loaded.ReadOk = OpenDocument(args.File, loaded.Document, table);
  const int count = static_cast<int>(loaded.Document.Displays.size());
  if (args.Display) {
    if (*args.Display >= count) {
      if (!loaded.ReadOk) err << InvalidFileMessage << "\n";
      err << "morvit-cli: the document has no display " << *args.Display << " (it has " << count
          << ")\n";
      return false;
    }
    loaded.Current = *args.Display;
  } else {
    // The reader selects the first tab, none when there is no display.
    loaded.Current = count > 0 ? 0 : -1;
  }
  return true;
}

// Runs the plotting driver; the exit status of scene and render.
int Plot(TLoaded& loaded, TObject3D& scene, std::ostream& err) {
  TCliPrompts prompts;
  if (loaded.Current >= 0) PlotDisplay(loaded.Document, loaded.Current, scene, prompts);
  if (!loaded.ReadOk) err << InvalidFileMessage << "\n";
  for (const std::string& message : prompts.Messages) err << message << "\n";
  if (!prompts.Messages.empty()) return ExitPlotStopped;
  return loaded.ReadOk ? ExitOk : ExitFailed;
}

const char* KindName(TSegmentKind kind) {
  switch (kind) {
    case TSegmentKind::Pixel: return "Pixel";
    case TSegmentKind::Line: return "Line";
    case TSegmentKind::Text: return "Text";
    case TSegmentKind::Dot: return "Dot";
    case TSegmentKind::Quad: return "Quad";
  }
  return "Pixel";
}

void AppendPoint(std::string& line, const char* name, const TPoint3D& p) {
  line += ", \"";
  line += name;
  line += "\": [" + JsonNumber(p.X) + ", " + JsonNumber(p.Y) + ", " + JsonNumber(p.Z) + "]";
}

std::string SegmentJson(const TSegment& s) {
  std::string line = "{\"Kind\": \"";
  line += KindName(s.Kind);
  line += '"';
  AppendPoint(line, "P1", s.P1);
  AppendPoint(line, "P2", s.P2);
  AppendPoint(line, "P3", s.P3);
  AppendPoint(line, "P4", s.P4);
  line += ", \"Radius\": " + JsonNumber(int64_t{s.Radius});
  line += ", \"Color\": " + JsonNumber(int64_t{s.Color});
  line += ", \"Projected\": ";
  line += s.Projected ? "true" : "false";
  line += ", \"Text\": " + JsonString(s.Text.View());
  line += ", \"DirX\": " + JsonNumber(int64_t{s.DirX});
  line += ", \"DirY\": " + JsonNumber(int64_t{s.DirY});
  line += ", \"DirZ\": " + JsonNumber(int64_t{s.DirZ});
  line += "}\n";
  return line;
}

// The toolkit's own chatter (a missing runtime directory, font fallbacks)
// would mix with the command's diagnostics on stderr; only its critical
// messages pass.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Fonts need the application object. The command line has no screen, so the
// offscreen platform serves unless the caller chose another.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(QuietQtMessages);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "morvit-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int CliScene(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  TPlotArgs parsed;
  if (!ParsePlotArgs(args, false, parsed, err)) {
    PrintUsage(err, "scene");
    return ExitUsage;
  }
  TLoaded loaded;
  if (!Load(parsed, loaded, err)) return ExitUsage;
  TObject3D scene;
  const int status = Plot(loaded, scene, err);
  std::string text;
  for (const TSegment& segment : scene) text += SegmentJson(segment);
  out << text;
  return status;
}

int CliRender(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  (void)out;
  TPlotArgs parsed;
  if (!ParsePlotArgs(args, true, parsed, err)) {
    PrintUsage(err, "render");
    return ExitUsage;
  }
  TLoaded loaded;
  if (!Load(parsed, loaded, err)) return ExitUsage;
  TObject3D plotScene;
  const int status = Plot(loaded, plotScene, err);
  if (status == ExitPlotStopped) return status;

  TPictureFormat format = TPictureFormat::Png;
  if (!PictureFormatOf(parsed.Output, format)) {
    err << "morvit-cli render: OUT ends in .png, .jpg, .jpeg, .pdf or .svg\n";
    return ExitUsage;
  }
  const auto app = EnsureGuiApplication();
  const TCoordinateSystem* display =
      loaded.Current >= 0 ? &loaded.Document.Displays[static_cast<std::size_t>(loaded.Current)]
                          : nullptr;
  std::string error;
  TPictureOptions options;
  options.Scale = parsed.Scale;
  if (!ExportPicture(display, std::move(plotScene), parsed.Width, parsed.Height, format,
                     parsed.Output, error, options)) {
    err << "morvit-cli render: cannot write " << parsed.Output << ": " << error << "\n";
    return ExitFailed;
  }
  return status;
}
