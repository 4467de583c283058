// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <clocale>
#include <cmath>
#include <filesystem>

#include "document/reader.h"
#include "document/writer.h"
#include "main/about.h"
#include "main/dialog_set.h"
#include "main/document_history.h"
#include "main/draw_area.h"
#include "main/help_key.h"
#include "main/picture_output.h"
#include "main/recent_documents.h"
#include "main/tool_icons.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "plot/view_control.h"
#include "ports/event_pump.h"
#include "ports/help.h"
#include "ports/help_topics.h"
#include "ports/prompts.h"
#include "qt/picture_export.h"
#include "qt/qt_canvas.h"
#include "qt_widgets/help_viewer.h"

namespace {

constexpr const char* BusyText =
    QT_TRANSLATE_NOOP("TMainForm", "Drawing in Progress... Please wait!");
constexpr const char* FarewellText = QT_TRANSLATE_NOOP(
    "Messages",
    "Thank you for using Morvit!\n\n"
    "Do you find it useful? Tell us what you think, and find more free software, at "
    "https://morvit.org");

QString DisplayTabText(int index) { return QString("Display%1").arg(index + 1); }

// The document named on the command line: the first argument that is not the
// help's debug switch.
QString DocumentArgument(const QStringList& arguments) {
  for (const QString& argument : arguments)
    if (!IsHelpDebugSwitch(argument)) return argument;
  return QString();
}

constexpr const char* DocumentFilter = "Morvit data file (.mvf)|*.mvf";
// The descriptions are translated one by one where the chooser is built.
constexpr const char* PictureFilter =
    "PNG picture (.png)|*.png|JPEG picture (.jpg)|*.jpg;*.jpeg|PDF document (.pdf)|*.pdf|"
    "SVG drawing (.svg)|*.svg";
[[maybe_unused]] constexpr const char* PictureKinds[] = {
    QT_TRANSLATE_NOOP("Messages", "PNG picture (.png)"),
    QT_TRANSLATE_NOOP("Messages", "JPEG picture (.jpg)"),
    QT_TRANSLATE_NOOP("Messages", "PDF document (.pdf)"),
    QT_TRANSLATE_NOOP("Messages", "SVG drawing (.svg)")};
constexpr const char* SaveQuestion =
    QT_TRANSLATE_NOOP("Messages", "The document has changed. Do you want to save the changes?");

}  // namespace

TMainForm::TMainForm(Prompts& prompts, Help& help, EventPump& pump, const QStringList& arguments,
                     QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), help_(help), pump_(pump), arguments_(arguments) {
  setObjectName("MainForm");
  setWindowTitle("Morvit");
  setAcceptDrops(true);
  setProperty("helpContext", MainHelpContext);
  resize(800, 600);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  tabControl_ = new QTabBar(central);
  tabControl_->setObjectName("TabControl");
  tabControl_->setExpanding(false);
  iDrawArea_ = new TDrawArea(central);
  layout->addWidget(tabControl_);
  layout->addWidget(iDrawArea_, 1);
  setCentralWidget(central);

  history_ = new TDocumentHistory(
      document_,
      [this] {
        if (dialogs_) dialogs_->DocumentReplaced();
        Refresh();
      },
      this);
  BuildMenusAndToolBar();
  BuildStatusPanel();

  connect(tabControl_, &QTabBar::currentChanged, this, [this] { TabChanged(); });
  ConnectDrawArea();
  clock_.start();
  liveFrameTimer_ = new QTimer(this);
  liveFrameTimer_->setSingleShot(true);
  connect(liveFrameTimer_, &QTimer::timeout, this, [this] { DrawLiveFrame(); });
  viewOptions_ = LoadViewOptions(settingsFile_);
  aSmoothLines_->setChecked(viewOptions_.SmoothLines);
  aLiveRotation_->setChecked(viewOptions_.LiveRotation);

  CreateStep();
}

TMainForm::~TMainForm() = default;

// The drawing area reports its mouse, wheel, keys and size to the window.
void TMainForm::ConnectDrawArea() {
  iDrawArea_->OnResize = [this] { ResizeDrawArea(); };
  iDrawArea_->OnMouseDown = [this](QMouseEvent* e) {
    MouseDown(e->button(), e->position().toPoint().x(), e->position().toPoint().y(),
              e->modifiers());
  };
  iDrawArea_->OnMouseMove = [this](QMouseEvent* e) {
    MouseMove(e->position().toPoint().x(), e->position().toPoint().y());
  };
  iDrawArea_->OnMouseUp = [this](QMouseEvent*) { MouseUp(); };
  iDrawArea_->OnWheel = [this](QWheelEvent* e) {
    WheelEvent(e->angleDelta().y(), e->pixelDelta().y());
  };
  iDrawArea_->OnPinch = [this](double delta) { PinchZoomBy(delta); };
  iDrawArea_->OnKey = [this](QKeyEvent* e) { return ViewKey(e->key(), e->modifiers()); };
  iDrawArea_->OnScaleChange = [this] { ResizeDrawArea(); };
}

void TMainForm::CreateStep() {
  if (auto* viewer = dynamic_cast<THelpViewer*>(&help_)) {
    if (!viewer->HelpFileExists())
      ShowError(prompts_, std::string(QT_TRANSLATE_NOOP("Messages", "Help file not found ")) +
                              "\n" + viewer->HelpFilePath().toStdString());
  }
  CreateDocument(document_);
  DocumentStored(QString());
  history_->Reset();
  NewDrawingImage();
  // Numbers are always written and read with "." whatever the desktop's locale.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
}

void TMainForm::BuildMenusAndToolBar() {
  toolBar_ = addToolBar(tr("Tools"));
  toolBar_->setObjectName("ToolBar");
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(18, 18));
  BuildFileMenu();
  BuildEditMenu();
  BuildViewMenu();
  BuildHelpMenu();
  AddWebLink();
  qApp->installEventFilter(new THelpKey(help_, MainHelpContext, this));
}

QAction* TMainForm::AddCommand(QMenu* menu, const QString& text, const QString& hint,
                               TToolIcon icon, const std::function<void()>& handler) {
  QAction* action = menu->addAction(ToolIcon(icon), text);
  action->setToolTip(hint);
  connect(action, &QAction::triggered, this, handler);
  // The tool bar shows the hint, not the menu text with its dots.
  auto* button = new QAction(ToolIcon(icon), hint, this);
  button->setToolTip(hint);
  connect(button, &QAction::triggered, this, handler);
  toolBar_->addAction(button);
  return action;
}

void TMainForm::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* newDocument = AddCommand(file, tr("New document"), tr("New document"),
                                    TToolIcon::NewDocument, [this] { NewDocumentClick(); });
  newDocument->setShortcut(QKeySequence::New);
  file->addSeparator();
  QAction* open = AddCommand(file, tr("Open document..."), tr("Open document"),
                             TToolIcon::OpenDocument, [this] { OpenDocumentClick(); });
  open->setShortcut(QKeySequence::Open);
  QAction* save = file->addAction(tr("Save document"));
  save->setObjectName("SaveDocument");
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, [this] { SaveDocumentClick(); });
  QAction* saveAs = file->addAction(tr("Save document as..."));
  saveAs->setObjectName("SaveDocumentAs");
  saveAs->setShortcut(QKeySequence::SaveAs);
  connect(saveAs, &QAction::triggered, this, [this] { SaveDocumentAsClick(); });
  recentMenu_ = file->addMenu(tr("Recent documents"));
  recentMenu_->setObjectName("RecentDocuments");
  recentMenu_->setToolTipsVisible(true);  // the full path, as the status line shows none
  // Built when opened, so that it shows what other windows stored meanwhile.
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  file->addSeparator();
  QAction* exportPicture = file->addAction(tr("Export picture..."));
  exportPicture->setObjectName("ExportPicture");
  connect(exportPicture, &QAction::triggered, this, [this] { ExportPictureClick(); });
  AddPrintCommands(file);
  file->addSeparator();
  QAction* exit = file->addAction(tr("Exit"));
  exit->setShortcut(QKeySequence::Quit);
  connect(exit, &QAction::triggered, this, &QWidget::close);
}

void TMainForm::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  AddUndoAndCopyCommands(edit);
  AddCommand(edit, tr("Edit graphs..."), tr("Edit graphs"), TToolIcon::EditGraphs, [this] {
    if (dialogs_) dialogs_->EditGraphs();
  });
  AddCommand(edit, tr("Edit diagrams..."), tr("Edit diagram data"), TToolIcon::EditDiagrams,
             [this] {
               if (dialogs_) dialogs_->EditDiagrams();
             });
  edit->addSeparator();
  AddCommand(edit, tr("Open variable table..."), tr("Variable table"), TToolIcon::VariableTable,
             [this] { OpenVariableTable(); });
  AddCommand(edit, tr("Open calculator..."), tr("Open calculator"), TToolIcon::Calculator, [this] {
    if (dialogs_) dialogs_->Calculator();
  });
}

void TMainForm::BuildViewMenu() {
  QMenu* view = menuBar()->addMenu(tr("&View"));
  AddCommand(view, tr("Restore default view"), tr("Restore default view"), TToolIcon::RestoreView,
             [this] { RestoreDefaultViewClick(); });
  AddCommand(view, tr("Edit coordinate system settings..."), tr("Edit coordinate system settings"),
             TToolIcon::Settings, [this] {
               if (dialogs_) dialogs_->AxisSettings();
             });
  BuildViewOptionActions(view);
}

void TMainForm::BuildHelpMenu() {
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  AddCommand(help, tr("Show help..."), tr("Show help"), TToolIcon::Help,
             [this] { ShowHelpClick(); });
  help->addSeparator();
  QAction* web = help->addAction(tr("Morvit on the web..."));
  connect(web, &QAction::triggered, this, [this] { WebClick(); });
  help->addSeparator();
  QAction* info = help->addAction(tr("Info..."));
  connect(info, &QAction::triggered, this, [this] { InfoClick(); });
}

// The web address at the end of the tool bar, apart from the commands.
void TMainForm::AddWebLink() {
  toolBar_->addSeparator();
  auto* link = new QLabel(QString("<a href=\"%1\">morvit.org</a>").arg(MorvitWebAddress), toolBar_);
  link->setObjectName("lWebLink");
  link->setToolTip(tr("Morvit on the web"));
  link->setContentsMargins(8, 0, 8, 0);
  connect(link, &QLabel::linkActivated, this, [this] { WebClick(); });
  toolBar_->addWidget(link);
}

void TMainForm::BuildStatusPanel() {
  QStatusBar* panel = statusBar();
  panel->setSizeGripEnabled(true);
  auto label = [&](const char* name, int minimumWidth) {
    auto* l = new QLabel(panel);
    l->setObjectName(name);
    l->setMinimumWidth(minimumWidth);
    l->setAutoFillBackground(true);
    panel->addWidget(l);
    return l;
  };
  lAlpha_ = label("lAlpha", 80);
  lBeta_ = label("lBeta", 80);
  lZoom_ = label("lZoom", 90);
  lBusy_ = label("lBusy", 230);
  bSupport_ = new QPushButton(tr("Support free software!"), panel);
  bSupport_->setObjectName("bSupport");
  bSupport_->setFlat(true);
  QFont bold = bSupport_->font();
  bold.setBold(true);
  bSupport_->setFont(bold);
  connect(bSupport_, &QPushButton::clicked, this, [this] { SupportClick(); });
  panel->addPermanentWidget(bSupport_);
}

TCoordinateSystem* TMainForm::Current() {
  const int t = CurrentDisplay();
  return t >= 0 ? &document_.Displays[static_cast<size_t>(t)] : nullptr;
}

int TMainForm::CurrentDisplay() const {
  const int t = tabControl_->currentIndex();
  if (t < 0 || t >= static_cast<int>(document_.Displays.size())) return -1;
  return t;
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShow_) Refresh();
}

void TMainForm::Refresh() {
  if (firstShow_) {
    const QString document = DocumentArgument(arguments_);
    if (!document.isEmpty()) OpenFile(document, true);
  }

  const int t = showFirstDisplay_ ? 0 : tabControl_->currentIndex();
  showFirstDisplay_ = false;
  rebuildingTabs_ = true;
  while (tabControl_->count() > 0) tabControl_->removeTab(0);
  for (int k = 0; k < static_cast<int>(document_.Displays.size()); ++k)
    tabControl_->addTab(DisplayTabText(k));
  tabControl_->setCurrentIndex(t >= 0 && t < tabControl_->count() ? t : tabControl_->count() - 1);
  rebuildingTabs_ = false;

  const bool anyDisplay = tabControl_->count() > 0;
  tabControl_->setVisible(anyDisplay);
  iDrawArea_->setVisible(anyDisplay);
  SettleDrawAreaSize();
  PlotCurrentDisplay();

  if (firstShow_) {
    firstShow_ = false;
    // Shown once the window has painted itself, so the splash stands in front
    // of the finished picture rather than of an empty screen.
    if (splash_ != nullptr) QTimer::singleShot(0, splash_, [splash = splash_] { splash->exec(); });
  }
}

void TMainForm::TabChanged() {
  if (!rebuildingTabs_) Refresh();
}

void TMainForm::NewDrawingImage() {
  // As many pixels as the screen shows in the area: the picture is drawn at
  // the screen's resolution, while sizes and the view stay in logical pixels.
  canvas_ =
      std::make_unique<QtCanvas>(std::max(1, iDrawArea_->width()),
                                 std::max(1, iDrawArea_->height()), iDrawArea_->ScreenScale());
  canvas_->SetSmooth(viewOptions_.SmoothLines);
  canvas_->SetPenColor(0x00FF00);
  canvas_->SetBrushColor(0);
  canvas_->FillRect(0, 0, canvas_->Image().width(), canvas_->Image().height());
  iDrawArea_->SetImage(&canvas_->Image(), canvas_->Scale());
  InitGraphic3D(graphic_, *canvas_);
}

double TMainForm::DrawingScale() const { return canvas_->Scale(); }

void TMainForm::ResizeDrawArea() {
  NewDrawingImage();
  // The refresh draws once its layout is settled; a picture being built (its
  // error box lets resizes through) is drawn into the new image when done.
  if (settlingLayout_ || plotting_) return;
  ClearObject(plotScene_);
  PlotCurrentDisplay();
}

// The first tab gives the tab strip its height, and the strip shows or hides
// with the displays: the drawing area takes its new size now, so that the
// refresh draws once, at that size, instead of once more on the next resize.
void TMainForm::SettleDrawAreaSize() {
  if (!isVisible() || centralWidget()->layout() == nullptr) return;
  settlingLayout_ = true;
  centralWidget()->layout()->activate();
  settlingLayout_ = false;
}

void TMainForm::PlotCurrentDisplay() {
  // Building the scene may ask a question; a second build meanwhile would
  // empty the scene under the first and stack a second box.
  if (plotting_) return;
  plotting_ = true;
  const bool built = PlotDisplay(document_, CurrentDisplay(), plotScene_, prompts_);
  plotting_ = false;
  if (built) ShowScene(plotScene_, true);
}

void TMainForm::Redraw() { PlotCurrentDisplay(); }

void TMainForm::ShowScene(const TObject3D& scene, bool sort) {
  const TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  lBusy_->setText(tr(BusyText));
  QPalette busy = lBusy_->palette();
  busy.setColor(QPalette::Window, Qt::red);
  lBusy_->setPalette(busy);
  pump_.Yield();
  // The yield may have handled events that replaced the document.
  display = Current();
  if (display != nullptr) PaintScene(*display, scene, sort);
  lBusy_->setText("");
  lBusy_->setPalette(statusBar()->palette());
}

void TMainForm::PaintScene(const TCoordinateSystem& display, const TObject3D& scene, bool sort) {
  const TViewStatus status = ViewStatus(display);
  lAlpha_->setText(QString::fromStdString(status.Alpha));
  lBeta_->setText(QString::fromStdString(status.Beta));
  lZoom_->setText(QString::fromStdString(status.Zoom));
  // DrawPicture copies the scene into viewScene_ before transforming it, so
  // plotScene_ itself never moves.
  DrawPicture(graphic_, *canvas_, display, scene, sort, viewScene_);
  iDrawArea_->update();
}

void TMainForm::OpenFile(const QString& path, bool duringStartup) {
  std::setlocale(LC_NUMERIC, "C");
  const std::filesystem::path file(QFile::encodeName(path).toStdString());
  TStringGrid evaluated;  // the diagrams evaluate their own cells when drawn
  const bool ok = OpenDocument(file, document_, evaluated);
  if (ok) RememberDocument(path);
  // A document read only in part is not what the file holds: saving it must
  // not replace that file without the user choosing it again.
  DocumentStored(ok ? path : QString());
  if (!ok) ShowError(prompts_, std::string(InvalidFileMessage));
  history_->Reset();
  if (dialogs_) dialogs_->DocumentReplaced();
  // Whatever tab was selected, and however many the old document had.
  showFirstDisplay_ = true;
  if (!duringStartup) Refresh();
}

void TMainForm::NewDocumentClick() {
  if (!MaySetDocumentAside()) return;
  if (!Confirm(prompts_,
               QT_TRANSLATE_NOOP("Messages", "Do you really want to close the current document?")))
    return;
  ClearObject(plotScene_);
  ClearObject(viewScene_);
  ResetDocument(document_);
  DocumentStored(QString());
  history_->Reset();
  if (dialogs_) dialogs_->DocumentReplaced();
  Refresh();
}

void TMainForm::OpenDocumentClick() {
  if (!MaySetDocumentAside()) return;
  std::string path;
  if (prompts_.ChooseOpenFile(DocumentFilter, path)) OpenFile(QString::fromLocal8Bit(path.c_str()));
}

bool TMainForm::SaveDocumentClick() {
  return filePath_.isEmpty() ? SaveDocumentAsClick() : SaveTo(filePath_);
}

bool TMainForm::SaveDocumentAsClick() {
  std::string path = QFile::encodeName(filePath_).toStdString();
  if (!prompts_.ChooseSaveFile(DocumentFilter, path) || path.empty()) return false;
  // A name typed without an extension gets the document extension, so that
  // the file can be found again by the open dialog's filter.
  if (std::filesystem::path(path).extension().empty()) path += ".mvf";
  return SaveTo(QFile::decodeName(QByteArray::fromStdString(path)));
}

bool TMainForm::SaveTo(const QString& path) {
  std::string error;
  if (!SaveDocument(std::filesystem::path(QFile::encodeName(path).toStdString()), document_,
                    error)) {
    ShowError(prompts_, error);
    return false;
  }
  DocumentStored(path);
  RememberDocument(path);
  return true;
}

QStringList TMainForm::RecentDocuments() const { return LoadRecentDocuments(settingsFile_); }

void TMainForm::RememberDocument(const QString& path) {
  StoreRecentDocuments(settingsFile_, WithRecentDocument(RecentDocuments(), path));
}

void TMainForm::FillRecentMenu() {
  recentMenu_->clear();
  const QStringList recent = RecentDocuments();
  for (int k = 0; k < recent.size(); ++k) {
    const QString path = recent[k];
    QAction* action = recentMenu_->addAction(
        QString("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName().replace("&", "&&")));
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenDocumentFrom(path); });
  }
  if (recent.isEmpty()) recentMenu_->addAction(tr("(none)"))->setEnabled(false);
}

void TMainForm::OpenDocumentFrom(const QString& path) {
  if (MaySetDocumentAside()) OpenFile(path);
}

void TMainForm::AddPrintCommands(QMenu* file) {
  QAction* preview = file->addAction(tr("Print preview..."));
  preview->setObjectName("PrintPreview");
  connect(preview, &QAction::triggered, this, [this] { PrintPreviewClick(); });
  QAction* print = file->addAction(tr("Print..."));
  print->setObjectName("Print");
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, [this] { PrintClick(); });
}

void TMainForm::AddUndoAndCopyCommands(QMenu* edit) {
  QAction* undo = history_->CreateUndoAction(this);
  undo->setObjectName("Undo");
  undo->setShortcut(QKeySequence::Undo);
  edit->addAction(undo);
  QAction* redo = history_->CreateRedoAction(this);
  redo->setObjectName("Redo");
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addAction(redo);
  edit->addSeparator();
  QAction* copy = edit->addAction(tr("Copy picture"));
  copy->setObjectName("CopyPicture");
  // The window holds no text field, so Ctrl+C anywhere in it, the drawing
  // area above all, means the picture.
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, [this] { CopyPictureClick(); });
  edit->addSeparator();
}

void TMainForm::CopyPictureClick() {
  const TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  if (!CopyPictureToClipboard(display, plotScene_, canvas_->Width(), canvas_->Height(),
                              iDrawArea_->devicePixelRatioF()))
    ShowError(prompts_, QT_TRANSLATE_NOOP("Messages", "The picture could not be copied."));
}

bool TMainForm::PrintTo(QPrinter& printer) {
  const TCoordinateSystem* display = Current();
  if (display == nullptr) return false;
  return PrintPicture(printer, display, plotScene_, canvas_->Width(), canvas_->Height());
}

QPrinter* TMainForm::PrinterForPicture() {
  if (Current() == nullptr) return nullptr;
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Later prints keep what the user chose in the print dialog.
    SuggestOrientation(*printer_, canvas_->Width(), canvas_->Height());
  }
  return printer_.get();
}

void TMainForm::PrintClick() {
  QPrinter* printer = PrinterForPicture();
  if (printer == nullptr) return;
  QPrintDialog dialog(printer, this);
  dialog.setWindowTitle(tr("Print"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintTo(*printer))
    ShowError(prompts_, QT_TRANSLATE_NOOP("Messages", "The picture could not be printed."));
}

void TMainForm::PrintPreviewClick() {
  QPrinter* printer = PrinterForPicture();
  if (printer == nullptr) return;
  QPrintPreviewDialog dialog(printer, this);
  dialog.setObjectName("PrintPreviewDialog");
  dialog.setWindowTitle(tr("Print preview"));
  // Large enough to judge the page, not a thumbnail.
  dialog.resize(size());
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintTo(*target); });
  dialog.exec();
}

namespace {

// The one document file a drag carries, or an empty text.
QString DraggedDocument(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return QString();
  const QUrl url = data->urls().front();
  if (!url.isLocalFile()) return QString();
  const QString path = url.toLocalFile();
  return path.endsWith(".mvf", Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedDocument(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QString path = DraggedDocument(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Asked after the drop has ended, so that the source is not kept waiting
  // while the questions are open.
  QTimer::singleShot(0, this, [this, path] { OpenDocumentFrom(path); });
}

void TMainForm::ExportPictureClick() {
  const TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  // Proposed: the document's name beside it, as a PNG.
  std::string path;
  if (!filePath_.isEmpty()) {
    const QFileInfo document(filePath_);
    path = QFile::encodeName(document.dir().filePath(document.completeBaseName() + ".png"))
               .toStdString();
  }
  if (!prompts_.ChooseSaveFile(PictureFilter, path) || path.empty()) return;
  if (std::filesystem::path(path).extension().empty()) path += ".png";
  TPictureFormat format = TPictureFormat::Png;
  if (!PictureFormatOf(path, format)) {
    ShowError(prompts_,
              "Pictures are written as PNG, JPEG, PDF or SVG files; the file name "
              "ends in .png, .jpg, .pdf or .svg.");
    return;
  }
  const bool pixels = format == TPictureFormat::Png || format == TPictureFormat::Jpeg;
  std::string size = std::to_string(canvas_->Width()) + "x" + std::to_string(canvas_->Height());
  // A pixel picture may be drawn finer, as on a screen at that scale; the
  // screen's own scale is proposed.
  if (pixels && canvas_->Scale() != 1)
    size += " @ " + QString::number(canvas_->Scale()).toStdString();
  std::int32_t width = 0;
  std::int32_t height = 0;
  TPictureOptions options;
  options.Smooth = viewOptions_.SmoothLines;
  for (;;) {
    if (!prompts_.InputText(
            QT_TRANSLATE_NOOP("Messages", "Export picture"),
            pixels ? QT_TRANSLATE_NOOP("Messages",
                                       "Size in pixels (width x height), for a sharper "
                                       "picture followed by @ and a scale from 1 to 4:")
                   : QT_TRANSLATE_NOOP("Messages", "Size in pixels (width x height):"),
            size))
      return;
    if (pixels ? ParsePictureSizeAndScale(size, width, height, options.Scale)
               : ParsePictureSize(size, width, height))
      break;
    ShowError(prompts_, std::string("Type the size as width x height, for example 800x600") +
                            (pixels ? ", or 800x600 @ 2 for twice as many pixels" : "") +
                            "; the picture is at most " + std::to_string(MaxPictureSide) +
                            " pixels wide and high.");
  }
  std::string error;
  if (!ExportPicture(display, plotScene_, width, height, format, path, error, options))
    ShowError(prompts_, error);
}

void TMainForm::DocumentStored(const QString& path) {
  stored_ = document_;
  filePath_ = path;
  setWindowTitle(path.isEmpty() ? QString("Morvit")
                                : QFileInfo(path).fileName() + QString(" - Morvit"));
}

bool TMainForm::IsModified() const { return !SameWork(document_, stored_); }

bool TMainForm::MaySetDocumentAside() {
  if (!IsModified()) return true;
  switch (prompts_.Message(TMessageKind::Confirmation, SaveQuestion, mbYesNoCancel, 0)) {
    case mbYes: return SaveDocumentClick();
    case mbNo: return true;
    default: return false;
  }
}

void TMainForm::RestoreDefaultViewClick() {
  TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  RestoreDefaultView(*display);
  ShowScene(plotScene_, true);
}

void TMainForm::OpenVariableTable() {
  if (dialogs_) dialogs_->VariableTable();
}

void TMainForm::ShowHelpClick() { help_.ShowTopic(HelpCommandContext); }
void TMainForm::SupportClick() { help_.ShowTopic(SupportHelpContext); }
void TMainForm::WebClick() { QDesktopServices::openUrl(QUrl(MorvitWebAddress)); }

void TMainForm::InfoClick() {
  if (about_ != nullptr) about_->exec();
}

void TMainForm::MouseDown(Qt::MouseButtons buttons, int x, int y, Qt::KeyboardModifiers modifiers) {
  TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  // Without a middle button (a touchpad), Shift with the left button pans.
  const bool shiftPan = (buttons & Qt::LeftButton) && (modifiers & Qt::ShiftModifier);
  if ((buttons & Qt::LeftButton) && display->ThreeAxes && !shiftPan) rotating_ = true;
  if (buttons & Qt::RightButton) zooming_ = true;
  if ((buttons & Qt::MiddleButton) || shiftPan) panning_ = true;
  lastX_ = x;
  lastY_ = y;
  BuildPreviewScene(*display, previewScene_);
  liveDrag_.Start(viewOptions_.LiveRotation);
}

void TMainForm::MouseMove(int x, int y) {
  TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  const int dx = x - lastX_;
  const int dy = y - lastY_;
  if (rotating_) DragRotate(*display, dx, dy);
  if (zooming_) DragZoom(*display, dy);
  if (panning_) DragPan(*display, dx, dy);
  pump_.Yield();
  if ((dx != 0 || dy != 0) && (rotating_ || zooming_ || panning_)) {
    DragFrame();
    lastX_ = x;
    lastY_ = y;
  }
}

void TMainForm::MouseUp() {
  rotating_ = zooming_ = panning_ = false;
  liveDrag_.Stop();
  liveFrameTimer_->stop();
  ClearObject(previewScene_);
  ShowScene(plotScene_, true);
}

void TMainForm::DragFrame() {
  if (!liveDrag_.Live()) {
    ShowScene(previewScene_, false);
    return;
  }
  if (liveFrameTimer_->isActive()) return;  // the newest view is drawn then
  const double refreshMs = 1000.0 / std::max(1.0, screen() ? screen()->refreshRate() : 60.0);
  const double sinceLast = (clock_.nsecsElapsed() - lastLiveFrameNs_) / 1e6;
  if (liveDrag_.Due(sinceLast, refreshMs))
    DrawLiveFrame();
  else
    liveFrameTimer_->start(static_cast<int>(std::ceil(refreshMs - sinceLast)));
}

void TMainForm::DrawLiveFrame() {
  const TCoordinateSystem* display = Current();
  if (display == nullptr || !liveDrag_.Live() || !(rotating_ || zooming_ || panning_)) return;
  // The scene already sampled, turned, sorted and painted as on release; no
  // busy text and no event handling, so frames follow the mouse.
  const qint64 start = clock_.nsecsElapsed();
  PaintScene(*display, plotScene_, true);
  lastLiveFrameNs_ = clock_.nsecsElapsed();
  liveDrag_.FrameTook((lastLiveFrameNs_ - start) / 1e6);
}

void TMainForm::WheelZoom(int notches) {
  TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  ZoomNotches(*display, notches);
  ShowScene(plotScene_, true);
}

void TMainForm::WheelEvent(int angleDelta, int pixelDelta) {
  const int notches = wheel_.Add(angleDelta, pixelDelta);
  if (notches != 0) WheelZoom(notches);
}

void TMainForm::PinchZoomBy(double delta) {
  TCoordinateSystem* display = Current();
  if (display == nullptr) return;
  PinchZoom(*display, 1 + delta);
  ScheduleFullRedraw();
}

void TMainForm::ScheduleFullRedraw() {
  // A pinch sends many small steps; the picture follows the newest one.
  if (fullRedrawQueued_) return;
  fullRedrawQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    fullRedrawQueued_ = false;
    ShowScene(plotScene_, true);
  });
}

bool TMainForm::ViewKey(int key, Qt::KeyboardModifiers modifiers) {
  TViewKey viewKey;
  switch (key) {
    case Qt::Key_Left: viewKey = TViewKey::Left; break;
    case Qt::Key_Right: viewKey = TViewKey::Right; break;
    case Qt::Key_Up: viewKey = TViewKey::Up; break;
    case Qt::Key_Down: viewKey = TViewKey::Down; break;
    // "=" is the unshifted "+" of many keyboards.
    case Qt::Key_Plus:
    case Qt::Key_Equal: viewKey = TViewKey::ZoomIn; break;
    case Qt::Key_Minus: viewKey = TViewKey::ZoomOut; break;
    case Qt::Key_Home: viewKey = TViewKey::Home; break;
    default: return false;
  }
  TCoordinateSystem* display = Current();
  if (display == nullptr) return false;
  if (ApplyViewKey(*display, viewKey, (modifiers & Qt::ShiftModifier) != 0))
    ShowScene(plotScene_, true);
  return true;
}

void TMainForm::BuildViewOptionActions(QMenu* view) {
  view->addSeparator();
  aSmoothLines_ = view->addAction(tr("Smooth lines"));
  aSmoothLines_->setObjectName("SmoothLines");
  aSmoothLines_->setCheckable(true);
  connect(aSmoothLines_, &QAction::toggled, this, [this](bool on) { SetSmoothLines(on); });
  aLiveRotation_ = view->addAction(tr("Turn the whole picture while dragging"));
  aLiveRotation_->setObjectName("LiveRotation");
  aLiveRotation_->setCheckable(true);
  connect(aLiveRotation_, &QAction::toggled, this, [this](bool on) { SetLiveRotation(on); });
}

void TMainForm::SetSettingsFile(const QString& file) {
  settingsFile_ = file;
  const TViewOptions stored = LoadViewOptions(settingsFile_);
  // Set before the menu, so that its toggles store nothing new.
  viewOptions_ = stored;
  aSmoothLines_->setChecked(stored.SmoothLines);
  aLiveRotation_->setChecked(stored.LiveRotation);
  canvas_->SetSmooth(stored.SmoothLines);
}

void TMainForm::SetSmoothLines(bool smooth) {
  aSmoothLines_->setChecked(smooth);
  if (viewOptions_.SmoothLines == smooth) return;
  viewOptions_.SmoothLines = smooth;
  StoreViewOptions(settingsFile_, viewOptions_);
  canvas_->SetSmooth(smooth);
  ShowScene(plotScene_, true);
}

void TMainForm::SetLiveRotation(bool live) {
  aLiveRotation_->setChecked(live);
  if (viewOptions_.LiveRotation == live) return;
  viewOptions_.LiveRotation = live;
  StoreViewOptions(settingsFile_, viewOptions_);
}

QString TMainForm::StatusText() const {
  return lAlpha_->text() + " " + lBeta_->text() + " " + lZoom_->text();
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (closing_ || !MaySetDocumentAside() ||
      !Confirm(prompts_,
               QT_TRANSLATE_NOOP("Messages", "Do you really want to close the program?"))) {
    event->ignore();
    return;
  }
  closing_ = true;
  CloseStep();
  event->accept();
}

void TMainForm::CloseStep() {
  ClearObject(plotScene_);
  ClearObject(viewScene_);
  ReleaseDocument(document_);
  rebuildingTabs_ = true;
  tabControl_->setCurrentIndex(-1);
  rebuildingTabs_ = false;
  ClearVarTable(document_.VarTable);
  ShowInformation(prompts_, FarewellText);
  help_.CloseAll();
}
