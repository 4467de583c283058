// SPDX-License-Identifier: GPL-3.0-or-later
// TMainForm: the program's one top-level window. It owns the document and the
// three scenes, keeps one tab per display, draws the current display, turns
// mouse drags into rotation, zoom and panning, and carries the commands of the
// menu and the tool bar.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

#include "document/document.h"
#include "main/view_options.h"
#include "plot/scene.h"
#include "plot/view_control.h"
#include "ports/dialog_host.h"

class Prompts;
class Help;
class EventPump;
class TDialogSet;
class TDrawArea;
class QDialog;
class QLabel;
class QMenu;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;
class QPrinter;
class QTabBar;
class QtCanvas;
class TDocumentHistory;
class QAction;
class QKeyEvent;
class QTimer;
class QToolBar;
enum class TToolIcon;

class TMainForm final : public QMainWindow, public TDialogHost {
  Q_OBJECT
 public:
  // arguments are the command-line arguments after the program name.
  TMainForm(Prompts& prompts, Help& help, EventPump& pump, const QStringList& arguments,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  // The dialogs, splash and About box are created after the window; none is owned.
  void SetDialogs(TDialogSet* dialogs) { dialogs_ = dialogs; }
  void SetSplash(QDialog* splash) { splash_ = splash; }
  void SetAbout(QDialog* about) { about_ = about; }

  // TDialogHost
  int CurrentDisplay() const override;
  void Redraw() override;
  void OpenVariableTable() override;

  TDocument& Doc() { return document_; }
  const TObject3D& PlotSceneData() const { return plotScene_; }
  bool IsFirstShow() const { return firstShow_; }

  // The refresh: command-line document on the first show, tabs, drawing,
  // splash on the first show.
  void Refresh();
  // Draws a scene from the current viewpoint into the drawing image.
  void ShowScene(const TObject3D& scene, bool sort);
  // Reads a document file; duringStartup skips the refresh that the first
  // show runs itself afterwards.
  void OpenFile(const QString& path, bool duringStartup = false);

  // Commands of the menu and the tool bar.
  void NewDocumentClick();
  void OpenDocumentClick();
  // Save writes to the document's file, or asks for one like Save as. Both
  // return true once the document is on disk.
  bool SaveDocumentClick();
  bool SaveDocumentAsClick();
  // Asks for a file and a size, and writes the current display's picture.
  void ExportPictureClick();
  void RestoreDefaultViewClick();
  void ShowHelpClick();
  void WebClick();
  void InfoClick();
  void SupportClick();

  // The mouse on the drawing area, in logical drawing-area pixels. Shift with
  // the left button pans like the middle button, in 2D and 3D.
  void MouseDown(Qt::MouseButtons buttons, int x, int y,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void MouseMove(int x, int y);
  void MouseUp();
  // Each wheel notch acts as one 20-pixel zoom move (forward zooms in), one
  // after the other: two notches zoom four times.
  void WheelZoom(int notches);
  // A wheel or touchpad event: its deltas are collected into whole notches.
  void WheelEvent(int angleDelta, int pixelDelta);
  // A touchpad pinch: the zooms grow by 1 + delta.
  void PinchZoomBy(double delta);
  // Arrows turn a 3D display, Shift+arrows pan, + and - zoom, Home restores
  // the default view. False for any other key.
  bool ViewKey(int key, Qt::KeyboardModifiers modifiers);

  // View -> "Smooth lines" and "Turn the whole picture while dragging",
  // both remembered in the settings.
  bool SmoothLines() const { return viewOptions_.SmoothLines; }
  void SetSmoothLines(bool smooth);
  bool LiveRotation() const { return viewOptions_.LiveRotation; }
  void SetLiveRotation(bool live);
  // A live frame slower than this many milliseconds ends the live picture
  // for the rest of the drag.
  void SetLiveFrameBudget(double ms) { liveDrag_ = TLiveDrag(ms); }
  // The full frames drawn during the current or last drag.
  int LiveFramesDrawn() const { return liveDrag_.FramesDrawn(); }
  // Device pixels per logical pixel of the drawing image.
  double DrawingScale() const;

  QTabBar* TabControl() const { return tabControl_; }
  TDrawArea* DrawArea() const { return iDrawArea_; }
  QString StatusText() const;  // "Alpha=... Beta=... Zoom=..."

  // The file the document was read from or last saved to; empty for none.
  const QString& FilePath() const { return filePath_; }
  // True when the document holds work that was never saved.
  bool IsModified() const;

  // Where "Recent documents" is kept: an INI file, or the user's settings
  // when empty (tests keep theirs apart).
  void SetSettingsFile(const QString& file);
  QStringList RecentDocuments() const;
  // Opening a document named by a drop or by "Recent documents": unsaved work
  // is offered for saving first.
  void OpenDocumentFrom(const QString& path);

  // No right-click popup on the tool bar: its one entry would hide it.
  QMenu* createPopupMenu() override { return nullptr; }
  // Undo and redo of the document's changes; the dialogs' runs and OKs are
  // recorded through it.
  TDocumentHistory& History() { return *history_; }
  // The current picture on the clipboard, at the screen's resolution.
  void CopyPictureClick();
  // The print dialog, then the current picture on the chosen printer.
  void PrintClick();
  void PrintPreviewClick();
  // The current picture on printer, fitted to its page; false when nothing
  // could be printed.
  bool PrintTo(QPrinter& printer);

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Menu status tips would replace Alpha, Beta and Zoom in the status line.
  bool event(QEvent* event) override;

 private:
  void CreateStep();
  void BuildMenusAndToolBar();
  // A command of a menu that the tool bar offers too, under its hint.
  QAction* AddCommand(QMenu* menu, const QString& text, const QString& hint, TToolIcon icon,
                      const std::function<void()>& handler);
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildViewMenu();
  void BuildHelpMenu();
  void AddWebLink();
  void BuildStatusPanel();
  void ConnectDrawArea();
  void NewDrawingImage();
  void ResizeDrawArea();
  void SettleDrawAreaSize();
  void PlotCurrentDisplay();
  void TabChanged();
  void CloseStep();
  TCoordinateSystem* Current();
  // Before the document is replaced or the window closes: asks whether to
  // save unsaved work. False when the user cancelled (or the save failed), so
  // the caller stops.
  bool MaySetDocumentAside();
  // The document as it now stands is the one in path (empty: in no file).
  void DocumentStored(const QString& path);
  bool SaveTo(const QString& path);
  void RememberDocument(const QString& path);
  void FillRecentMenu();
  void AddPrintCommands(QMenu* file);
  void AddUndoAndCopyCommands(QMenu* edit);
  // The printer kept between prints, first offered in the picture's
  // orientation; null without a current display.
  QPrinter* PrinterForPicture();
  void BuildViewOptionActions(QMenu* view);
  // The status labels and the picture of scene, without the busy text.
  void PaintScene(const TCoordinateSystem& display, const TObject3D& scene, bool sort);
  // During a drag: a full frame when the live picture is on and due, the box
  // otherwise.
  void DragFrame();
  void DrawLiveFrame();
  void ScheduleFullRedraw();

  Prompts& prompts_;
  Help& help_;
  EventPump& pump_;
  QStringList arguments_;
  TDialogSet* dialogs_ = nullptr;
  QDialog* splash_ = nullptr;
  QDialog* about_ = nullptr;

  TDocument document_;
  TDocument stored_;  // the document as last read or saved, to tell unsaved work
  QString filePath_;
  QString settingsFile_;
  QToolBar* toolBar_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  TDocumentHistory* history_ = nullptr;
  std::unique_ptr<QPrinter> printer_;  // kept, so the print dialog offers the last choices
  TObject3D plotScene_;
  TObject3D viewScene_;
  TObject3D previewScene_;
  TGraphic3D graphic_;
  std::unique_ptr<QtCanvas> canvas_;  // the drawing image, as large as iDrawArea
  bool rotating_ = false;
  bool zooming_ = false;
  bool panning_ = false;
  int lastX_ = 0;
  int lastY_ = 0;
  bool firstShow_ = true;
  TViewOptions viewOptions_;
  QAction* aSmoothLines_ = nullptr;
  QAction* aLiveRotation_ = nullptr;
  TWheelNotches wheel_;
  TLiveDrag liveDrag_;
  QTimer* liveFrameTimer_ = nullptr;  // the next live frame, at the next refresh
  QElapsedTimer clock_;
  qint64 lastLiveFrameNs_ = 0;
  bool fullRedrawQueued_ = false;
  bool closing_ = false;
  bool rebuildingTabs_ = false;
  bool showFirstDisplay_ = false;  // a document was read: its first display is shown
  bool settlingLayout_ = false;
  bool plotting_ = false;  // PlotDisplay is building plotScene_

  QTabBar* tabControl_ = nullptr;
  TDrawArea* iDrawArea_ = nullptr;
  QLabel* lAlpha_ = nullptr;
  QLabel* lBeta_ = nullptr;
  QLabel* lZoom_ = nullptr;
  QLabel* lBusy_ = nullptr;
  QPushButton* bSupport_ = nullptr;
};
