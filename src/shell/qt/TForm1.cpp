#include "shell/qt/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleHints>
#include <QToolButton>
#include <QToolTip>

#include "boat/Steering.h"
#include "fishing/Retrieve.h"
#include "lake/qt/TLakeDraw.h"
#include "shell/Game.h"

namespace lwk {

namespace {

constexpr int kTopPanelHeight = 49;
constexpr int kBottomPanelHeight = 42;
constexpr int kSidePanelWidth = 184;
constexpr int kButtonSize = 36;
// How long the focus may be away from every window of the game before the
// game counts as inactive (a box closing hands the focus back within it).
constexpr int kDeactivationDelayMs = 250;

// A button picture: its bottom-left pixel (the button face) is see-through.
QPixmap ButtonPicture(const QImage& img) {
  if (img.isNull()) return QPixmap();
  QImage rgba = img.convertToFormat(QImage::Format_ARGB32);
  const QRgb face = rgba.pixel(0, rgba.height() - 1) & 0xFFFFFF;
  for (int y = 0; y < rgba.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(rgba.scanLine(y));
    for (int x = 0; x < rgba.width(); ++x)
      if ((line[x] & 0xFFFFFF) == face) line[x] = 0;
  }
  return QPixmap::fromImage(rgba);
}

QPixmap Glyph(const Game& g, const char* name) {
  return ButtonPicture(g.pictures.single(name));
}

QProgressBar* Gauge(QWidget* parent, Qt::Orientation orientation, const char* fore, const char* back) {
  auto* bar = new QProgressBar(parent);
  bar->setOrientation(orientation);
  bar->setRange(0, 100);
  bar->setTextVisible(false);
  bar->setStyleSheet(QString("QProgressBar { background: %1; border: 1px solid #404040; }"
                             "QProgressBar::chunk { background: %2; }")
                         .arg(back, fore));
  return bar;
}

QLabel* SmallLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, h);
  l->setAlignment(align);
  QFont f = l->font();
  f.setPointSize(8);
  l->setFont(f);
  return l;
}

QPushButton* SmallButton(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* b = new QPushButton(text, parent);
  b->setGeometry(x, y, w, h);
  QFont f = b->font();
  f.setPointSize(7);
  f.setBold(true);
  b->setFont(f);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

TForm1::TForm1(Game& game) : game_(game) {
  setObjectName("TForm1");
  resize(640, 480);
  central_ = new QWidget(this);
  setCentralWidget(central_);

  // --- Panel1: the tool buttons ---
  panel1_ = new QWidget(central_);
  panel1_->setObjectName("Panel1");
  panel1_->setAutoFillBackground(true);
  toolButton(Ctl::TackleBtn, 4, "Tacklebox");
  toolButton(Ctl::RodSelBtn, 40, "Rod Selection");
  toolButton(Ctl::RetrBtn, 76, "Set The Type Of Retreive");
  SmallLabel(panel1_, "Speed", 132, 1, 36, 12, Qt::AlignCenter);
  tmtrSpd_ = new QSpinBox(panel1_);
  tmtrSpd_->setObjectName("TmtrSpd");
  tmtrSpd_->setGeometry(132, 14, 34, 24);
  tmtrSpd_->setRange(1, 3);
  tmtrSpd_->setValue(1);
  tmtrSpd_->setReadOnly(false);
  tmtrSpd_->findChild<QLineEdit*>()->setReadOnly(true);  // typing disabled: the arrows only
  tmtrSpd_->setFocusPolicy(Qt::NoFocus);
  controls_[Ctl::TmtrSpd] = tmtrSpd_;
  setHint(tmtrSpd_, "Trolling Motor Speed");
  connect(tmtrSpd_, &QSpinBox::valueChanged, this, [this](int v) {
    if (syncingSliders_) return;
    game_.view.tmtrSpd = v;
    clicked(Ctl::TmtrSpd);
  });
  toolButton(Ctl::TrollBtn, 168, "Trolling Motor ON/OFF");
  toolButton(Ctl::OutBtn, 204, "Outboard Motor ON.OFF");
  toolButton(Ctl::PaddLeBtn, 240, "Use Emergency Paddle");
  toolButton(Ctl::MapBtn, 280, "View Map of Lake");
  toolButton(Ctl::LJButt, 316, "Lifejacket ON/OFF");
  toolButton(Ctl::LWButt, 352, "Livewell Control Center");
  toolButton(Ctl::FindBoatBtn, 392, "Find My Boat");
  toolButton(Ctl::GasUpBtn, 432, "Get Gasoline");
  toolButton(Ctl::SkillBtn, 472, "Set Game Preferences");
  toolButton(Ctl::PickLake, 512, "Select A Lake or Saved Game To Fish");
  toolButton(Ctl::SaveGameBtn, 552, "Save This Game");
  toolButton(Ctl::HelpBtn, 592, "Help Me!");

  // --- BotPanel: the tackle in use ---
  botPanel_ = new QWidget(central_);
  botPanel_->setObjectName("BotPanel");
  const char* labelTexts[4] = {"Rod In Use", "Bait", "Color", "Retreive"};
  const char* labelNames[4] = {"RodLbl", "BaitLbl", "ColorLbl", "RetrLbl"};
  const char* fieldNames[4] = {"RodInUse", "BaitInUse", "ColorInUse", "RetreiveInUse"};
  for (int i = 0; i < 4; ++i) {
    auto* l = SmallLabel(botPanel_, labelTexts[i], 5, 1, 100, 13);
    l->setObjectName(labelNames[i]);
    botLabels_[static_cast<size_t>(i)] = l;
    auto* f = new QLineEdit(botPanel_);
    f->setObjectName(fieldNames[i]);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::NoFocus);
    f->setFrame(true);
    f->setStyleSheet("QLineEdit { color: maroon; background: white; border: 2px inset #808080; }");
    f->setGeometry(5, 15, 100, 22);
    botFields_[static_cast<size_t>(i)] = f;
  }

  // --- SidePanel: the instruments ---
  sidePanel_ = new QWidget(central_);
  sidePanel_->setObjectName("SidePanel");
  sidePanel_->setAutoFillBackground(true);
  SmallLabel(sidePanel_, "Throttle", 2, 2, 52, 12, Qt::AlignCenter);
  SmallLabel(sidePanel_, "Max", 32, 14, 24, 12);
  SmallLabel(sidePanel_, "Off", 32, 104, 24, 12);
  throttle_ = lever(Ctl::Throttle, "Throttle", QRect(8, 14, 24, 104), 20, 20, &MainView::throttlePos);
  SmallLabel(sidePanel_, "Gear", 56, 2, 36, 12, Qt::AlignCenter);
  SmallLabel(sidePanel_, "F", 80, 16, 10, 12);
  SmallLabel(sidePanel_, "N", 80, 40, 10, 12);
  SmallLabel(sidePanel_, "R", 80, 64, 10, 12);
  gearBox_ = lever(Ctl::GearBox, "GearBox", QRect(60, 14, 20, 66), 2, 1, &MainView::gearPos);
  SmallLabel(sidePanel_, "Fuel", 90, 2, 26, 12, Qt::AlignCenter);
  fuel_ = Gauge(sidePanel_, Qt::Vertical, "lime", "red");
  fuel_->setObjectName("Fuel");
  fuel_->setGeometry(95, 16, 16, 100);
  // The two batteries: horizontal gauges, each under its own label.
  SmallLabel(sidePanel_, "Batteries", 114, 2, 68, 12, Qt::AlignCenter);
  auto* trollLabel = SmallLabel(sidePanel_, "Trolling Motor", 114, 22, 68, 26, Qt::AlignLeft | Qt::AlignBottom);
  trollLabel->setWordWrap(true);  // one line where the font allows, two where it is wider
  trollBattery_ = Gauge(sidePanel_, Qt::Horizontal, "lime", "fuchsia");
  trollBattery_->setObjectName("TrollingBattery");
  trollBattery_->setGeometry(114, 50, 66, 14);
  SmallLabel(sidePanel_, "Main", 114, 76, 68, 12, Qt::AlignLeft | Qt::AlignBottom);
  mainBattery_ = Gauge(sidePanel_, Qt::Horizontal, "lime", "yellow");
  mainBattery_->setObjectName("MainBattery");
  mainBattery_->setGeometry(114, 90, 66, 14);

  auto* tach = new QLabel(sidePanel_);
  tach->setObjectName("Tach");
  tach->setGeometry(4, 120, 176, 24);
  tach->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  tach->setStyleSheet("QLabel#Tach { background: #c0c0c0; }");
  SmallLabel(tach, "Tach", 4, 5, 30, 14);
  tachDigits_ = new QLabel(tach);
  tachDigits_->setGeometry(36, 1, 100, 22);
  tachDigits_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  tachDigits_->setStyleSheet("QLabel { color: red; font-style: italic; font-weight: bold; font-size: 15px; }");
  SmallLabel(tach, "RPM", 142, 5, 30, 14);

  // A black panel holding a 64 x 64 screen, framed by a lowered bevel of the given width.
  auto blackPanel = [this](int x, int y, int bevel) {
    auto* p = new QFrame(sidePanel_);
    const int border = std::max(2, bevel);
    p->setGeometry(x + 2 - border, y + 2 - border, 64 + 2 * border, 64 + 2 * border);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, Qt::black);
    p->setPalette(pal);
    if (bevel > 0) {
      p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      p->setLineWidth(bevel);
    }
    auto* img = new QLabel(p);
    img->setGeometry(border, border, 64, 64);
    img->setStyleSheet("background: black;");
    return img;
  };
  SmallLabel(sidePanel_, "GPS", 4, 145, 68, 12, Qt::AlignCenter);
  SmallLabel(sidePanel_, "GRAPH", 92, 145, 68, 12, Qt::AlignCenter);
  gpsImage_ = blackPanel(4, 158, 0);
  gpsImage_->setObjectName("GPS");
  graphImage_ = blackPanel(92, 158, 3);  // the depth finder sits in a lowered bevel
  graphImage_->setObjectName("Graph");
  SmallLabel(sidePanel_, "0", 162, 158, 20, 12, Qt::AlignCenter);
  SmallLabel(sidePanel_, "-", 162, 186, 20, 12, Qt::AlignCenter);
  lcdMaxDepth_ = SmallLabel(sidePanel_, "10", 162, 214, 20, 12, Qt::AlignCenter);
  lcdMaxDepth_->setObjectName("LcdMaxDepth");

  const struct {
    Ctl id;
    const char* text;
    const char* name;
    int x, y;
    const char* hint;
  } small[] = {{Ctl::GPSpwr, "PWR", "GPSpwr", 4, 228, "GPS On/Off"},
               {Ctl::PlotGPS, "PLOT", "PlotGPS", 38, 228, "Set GPS To Plot Mode"},
               {Ctl::SetWpt, "WPT", "SetWpt", 4, 246, "Set New WayPoint"},
               {Ctl::GoToWpt, "GOTO", "GoToWpt", 38, 246, "Go To A WayPoint"},
               {Ctl::GraphOn, "On", "GraphOn", 92, 228, "Turn On Graph"},
               {Ctl::GraphOff, "Off", "GraphOff", 126, 228, "Turn Off Graph"}};
  for (const auto& s : small) {
    QPushButton* b = SmallButton(sidePanel_, s.text, s.x, s.y, 34, 18);
    b->setObjectName(s.name);
    controls_[s.id] = b;
    setHint(b, s.hint);
    const Ctl id = s.id;
    connect(b, &QPushButton::clicked, this, [this, id] { clicked(id); });
  }

  auto* fishFormula = new QPushButton("Fish Formula", sidePanel_);
  fishFormula->setObjectName("FishFormulaBtn");
  fishFormula->setGeometry(4, 270, 176, 30);
  fishFormula->setIconSize(QSize(28, 28));
  fishFormula->setFocusPolicy(Qt::NoFocus);
  controls_[Ctl::FishFormulaBtn] = fishFormula;
  setHint(fishFormula, "Fish Formula");
  connect(fishFormula, &QPushButton::clicked, this, [this] { clicked(Ctl::FishFormulaBtn); });
  auto* weighIn = new QPushButton("Weigh In Your Catch", sidePanel_);
  weighIn->setObjectName("WeighInBtn");
  weighIn->setGeometry(4, 304, 176, 28);
  weighIn->setFocusPolicy(Qt::NoFocus);
  controls_[Ctl::WeighInBtn] = weighIn;
  setHint(weighIn, "Weigh In Your Catch");
  connect(weighIn, &QPushButton::clicked, this, [this] { clicked(Ctl::WeighInBtn); });

  // --- the lake view, the title picture and the label behind them ---
  selectLabel_ = new QLabel("Select a lake to fish by clicking on the Select Lake button.", central_);
  selectLabel_->setAlignment(Qt::AlignCenter);
  image1_ = new QLabel(central_);
  image1_->setObjectName("Image1");
  image1_->setScaledContents(true);
  const QImage title = LoadGamePicture(game_.GameFiles, "TITLE");
  if (!title.isNull()) image1_->setPixmap(QPixmap::fromImage(title));
  lake_ = new TLakeDraw(game_, central_);
  lake_->setObjectName("Lake");
  lake_->hide();

  // --- StatusBar1 ---
  auto* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  const int widths[3] = {90, 70, 50};
  for (int i = 0; i < 3; ++i) {
    auto* l = new QLabel(bar);
    l->setMinimumWidth(widths[i]);
    l->setFrameStyle(QFrame::Panel | (i == 0 ? QFrame::Raised : QFrame::Sunken));
    if (i == 1) l->setAlignment(Qt::AlignCenter);
    status_[static_cast<size_t>(i)] = l;
    if (i < 2)
      bar->addWidget(l);
    else
      bar->addWidget(l, 1);
  }

  // --- popup menus ---
  helpPop_ = new QMenu(this);
  helpPop_->setObjectName("HelpPop");
  helpPop_->addAction("&Help (F1)", this, [this] {
    game_.UserInput();
    game_.OpenHelp();
  });
  helpPop_->addSeparator();
  menuItems_[Ctl::ViewWeatherWaterConditions1] = helpPop_->addAction(
      "View &Weather && Water Conditions", this, [this] { clicked(Ctl::ViewWeatherWaterConditions1); });
  helpPop_->addSeparator();
  menuItems_[Ctl::ViewCurrentStandings1] =
      helpPop_->addAction("View Current &Standings", this, [this] { clicked(Ctl::ViewCurrentStandings1); });
  helpPop_->addSeparator();
  menuItems_[Ctl::ViewRecords1] = helpPop_->addAction("View &Records", this, [this] { clicked(Ctl::ViewRecords1); });

  skillMenu_ = new QMenu(this);
  skillMenu_->setObjectName("SkillMenu");
  const char* levels[4] = {"Practice", "Novice", "Intermediate", "Professional"};
  for (int i = 0; i < 4; ++i) {
    levelActions_[i] = skillMenu_->addAction(levels[i], this, [this, i] { game_.SetPlayLevel(i); });
    levelActions_[i]->setCheckable(true);
    if (i == 0) skillMenu_->addSeparator();
  }

  prefMenu_ = new QMenu(this);
  prefMenu_->setObjectName("PrefMenu");
  prefMenu_->addAction("Set Play Mode", this, [this] {
    game_.SetPlayMode1Click([this] { skillMenu_->exec(popupPos(controls_[Ctl::SkillBtn])); });
  });
  prefMenu_->addSeparator();
  prefActions_[0] = prefMenu_->addAction("Background Sounds", this, [this] { game_.BackgroundSounds1Click(); });
  prefActions_[1] = prefMenu_->addAction("Fishing Sounds", this, [this] { game_.FishingSounds1Click(); });
  prefMenu_->addSeparator();
  prefActions_[2] = prefMenu_->addAction("Show Button Hints", this, [this] { game_.ShowButtonHints1Click(); });
  prefMenu_->addSeparator();
  prefActions_[3] = prefMenu_->addAction("Suspend If Inactive", this, [this] { game_.SuspendIfInactive1Click(); });
  prefMenu_->addSeparator();
  prefActions_[4] = prefMenu_->addAction("Full Screen At Start", this, [this] { game_.FullScreenAtStart1Click(); });
  for (QAction* a : prefActions_) a->setCheckable(true);

  clickHandlers[Ctl::HelpBtn] = [this] { HelpBtnClick(); };
  clickHandlers[Ctl::SkillBtn] = [this] { SkillBtnClick(); };

  // Key preview: the window sees every key first, whichever control has focus.
  qApp->installEventFilter(this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TForm1::applicationStateChanged);
  heldRelease_.setSingleShot(true);
  heldRelease_.setInterval(1000 / std::max(1, QGuiApplication::styleHints()->keyboardAutoRepeatRate()));
  connect(&heldRelease_, &QTimer::timeout, this, &TForm1::releaseHeldKey);
  deactivation_.setSingleShot(true);
  deactivation_.setInterval(kDeactivationDelayMs);
  connect(&deactivation_, &QTimer::timeout, this, &TForm1::applicationDeactivated);
  layoutPanels();
  syncFromGame();
}

QSlider* TForm1::lever(Ctl id, const char* name, const QRect& geometry, int maximum, int start,
                       int MainView::*position) {
  auto* slider = new QSlider(Qt::Vertical, sidePanel_);
  slider->setObjectName(name);
  slider->setGeometry(geometry);
  slider->setRange(0, maximum);
  slider->setPageStep(1);
  slider->setInvertedAppearance(true);  // position 0 at the top (Max, Forward)
  slider->setValue(start);
  slider->setTickPosition(QSlider::TicksRight);
  slider->setFocusPolicy(Qt::NoFocus);
  controls_[id] = slider;
  // Only the player's moves reach the game; syncFromGame's own moves do not.
  connect(slider, &QSlider::valueChanged, this, [this, id, position](int v) {
    if (syncingSliders_) return;
    game_.view.*position = v;
    clicked(id);
  });
  return slider;
}

QToolButton* TForm1::toolButton(Ctl id, int x, const char* hint) {
  static const std::map<Ctl, const char*> names = {
      {Ctl::TackleBtn, "TackleBtn"},     {Ctl::RodSelBtn, "RodSelBtn"},     {Ctl::RetrBtn, "RetrBtn"},
      {Ctl::TrollBtn, "TrollBtn"},       {Ctl::OutBtn, "OutBtn"},           {Ctl::PaddLeBtn, "PaddLeBtn"},
      {Ctl::MapBtn, "MapBtn"},           {Ctl::LJButt, "LJButt"},           {Ctl::LWButt, "LWButt"},
      {Ctl::FindBoatBtn, "FindBoatBtn"}, {Ctl::GasUpBtn, "GasUpBtn"},       {Ctl::SkillBtn, "SkillBtn"},
      {Ctl::PickLake, "PickLake"},       {Ctl::SaveGameBtn, "SaveGameBtn"}, {Ctl::HelpBtn, "HelpBtn"}};
  auto* b = new QToolButton(panel1_);
  b->setObjectName(names.at(id));
  b->setGeometry(x, (kTopPanelHeight - kButtonSize) / 2, kButtonSize, kButtonSize);
  b->setIconSize(QSize(28, 28));
  b->setAutoRaise(false);
  b->setFocusPolicy(Qt::NoFocus);
  // Buttons without a glyph pair wear their own toolbar picture; the others
  // show their pair (syncFromGame).
  const bool hasGlyphPair = id == Ctl::TrollBtn || id == Ctl::OutBtn || id == Ctl::PaddLeBtn || id == Ctl::LJButt;
  if (!hasGlyphPair) {
    const QImage icon = LoadGamePicture(game_.GameFiles, std::string("BTN_") + names.at(id));
    if (!icon.isNull()) b->setIcon(ButtonPicture(icon));
  }
  controls_[id] = b;
  setHint(b, hint);
  connect(b, &QToolButton::clicked, this, [this, id] { clicked(id); });
  return b;
}

void TForm1::setHint(QWidget* w, const QString& hint) {
  hints_.emplace_back(w, hint);
  w->setToolTip(hint);
}

QWidget* TForm1::control(Ctl c) const {
  auto it = controls_.find(c);
  return it == controls_.end() ? nullptr : it->second;
}

void TForm1::clicked(Ctl c) {
  game_.UserInput();
  auto it = clickHandlers.find(c);
  if (it != clickHandlers.end() && it->second) it->second();
}

QPoint TForm1::popupPos(QWidget* button) const {
  // Top-left at (window left + button left, window top + button top + 60).
  return framePoint(button->x(), button->y() + 60);
}

QPoint TForm1::framePoint(int x, int y) const {
  // The window's left and top are those of its frame, title bar included.
  return frameGeometry().topLeft() + QPoint(x, y);
}

QAction* TForm1::popupFromFrame(QMenu* menu, int x, int y) {
  return menu->exec(framePoint(x, y));
}

void TForm1::HelpBtnClick() {
  game_.UserInput();
  QWidget* b = controls_[Ctl::HelpBtn];
  popupFromFrame(helpPop_, b->x() - 80, b->y() + 60);
}

void TForm1::SkillBtnClick() {
  game_.DialogUp = true;
  game_.UserInput();
  QWidget* b = controls_[Ctl::SkillBtn];
  popupFromFrame(prefMenu_, b->x(), b->y() + 60);
  game_.DialogUp = false;
}

void TForm1::layoutPanels() {
  const int W = central_->width();
  const int H = central_->height();
  panel1_->setGeometry(0, 0, W, kTopPanelHeight);
  botPanel_->setGeometry(0, H - kBottomPanelHeight, W, kBottomPanelHeight);
  const int middleH = std::max(0, H - kTopPanelHeight - kBottomPanelHeight);
  sidePanel_->setGeometry(W - kSidePanelWidth, kTopPanelHeight, kSidePanelWidth, middleH);
  const QRect lakeArea(0, kTopPanelHeight, std::max(0, W - kSidePanelWidth), middleH);
  lake_->setGeometry(lakeArea);
  image1_->setGeometry(lakeArea);
  selectLabel_->setGeometry(lakeArea);

  // Help moves to 47 pixels left of the window's right edge.
  controls_[Ctl::HelpBtn]->move(width() - 47, (kTopPanelHeight - kButtonSize) / 2);

  // The four bottom fields share the window width; each label sits on its field.
  const auto boxes = BottomFieldLayout(width());
  for (size_t i = 0; i < 4; ++i) {
    botFields_[i]->setGeometry(boxes[i].left, 15, std::max(0, boxes[i].width), 22);
    botLabels_[i]->move(boxes[i].left, 1);
  }
}

void TForm1::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  game_.FormResize();
  layoutPanels();
}

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  layoutPanels();
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (!game_.FormCloseQuery()) {
    e->ignore();
    return;
  }
  game_.FormClose();
  qApp->removeEventFilter(this);
  e->accept();
  QApplication::closeAllWindows();
}

void TForm1::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) {
    auto* ev = static_cast<QWindowStateChangeEvent*>(e);
    const bool wasMin = ev->oldState() & Qt::WindowMinimized;
    const bool isMin = windowState() & Qt::WindowMinimized;
    if (isMin && !wasMin) game_.AppOnMinimize();
    if (!isMin && wasMin) game_.AppOnRestore();
  }
}

void TForm1::applicationStateChanged(Qt::ApplicationState state) {
  // Only the application as a whole becoming active or inactive counts.
  // When one of the game's own boxes or windows closes, the desktop passes
  // the focus back through no window at all for a moment: the game counts as
  // inactive only once no window of it has come back to the front.
  if (state == Qt::ApplicationActive) {
    if (deactivation_.isActive()) {
      deactivation_.stop();  // the focus only moved between the game's windows
      return;
    }
    if (appActive_) return;
    appActive_ = true;
    if (game_.ShouldMaximize() && !(windowState() & Qt::WindowMaximized) && !(windowState() & Qt::WindowMinimized))
      showMaximized();
    game_.FormActivate();
  } else if (appActive_ && !deactivation_.isActive()) {
    deactivation_.start();
  }
}

void TForm1::applicationDeactivated() {
  if (QGuiApplication::applicationState() == Qt::ApplicationActive) return;
  appActive_ = false;
  game_.FormDeactivate();
}

void TForm1::mousePressEvent(QMouseEvent* e) {
  game_.FormClick();
  // With the line out the lake view takes no presses: they come here and set the hook.
  FormMouseDown(game_);
  QMainWindow::mousePressEvent(e);
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
  const auto type = e->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return QMainWindow::eventFilter(watched, e);
  // Only keys meant for the main window (not for a dialog on top of it).
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this || QApplication::activeModalWidget()) return QMainWindow::eventFilter(watched, e);
  auto* k = static_cast<QKeyEvent*>(e);
  int shift = 0;
  if (k->modifiers() & Qt::ShiftModifier) shift |= kShiftShift;
  if (k->modifiers() & Qt::AltModifier) shift |= kShiftAlt;
  if (k->modifiers() & Qt::ControlModifier) shift |= kShiftCtrl;
  int key = k->key();
  // Holding a key repeats presses only; a release comes when it is let go.
  if (type == QEvent::KeyRelease && k->isAutoRepeat()) return true;
  if (type == QEvent::KeyPress) {
    if (heldRelease_.isActive()) {
      heldRelease_.stop();
      // The same key again at once: the keyboard's own repeat, not a release.
      if (heldKey_ != key) FormKeyUp(game_, heldKey_, heldShift_);
    }
    FormKeyDown(game_, key, shift);
  } else {
    // Under X11 the keyboard's repeat arrives as release and press pairs, and
    // many of them come unflagged: a release is held back for one repeat
    // interval, and a press of the same key within it cancels it.
    if (heldRelease_.isActive() && heldKey_ != key) FormKeyUp(game_, heldKey_, heldShift_);
    heldKey_ = key;
    heldShift_ = shift;
    heldRelease_.start();
  }
  return true;
}

void TForm1::releaseHeldKey() {
  FormKeyUp(game_, heldKey_, heldShift_);
}

void TForm1::lakeSurfaceChanged(const QRect& r) {
  lake_->surfaceChanged(r);
}

void TForm1::syncFromGame() {
  const MainView& v = game_.view;
  for (auto& [c, w] : controls_) w->setEnabled(v.isEnabled(c));
  for (auto& [c, a] : menuItems_) a->setEnabled(v.isEnabled(c));
  if (windowTitle() != QString::fromStdString(v.caption)) setWindowTitle(QString::fromStdString(v.caption));
  for (size_t i = 0; i < 3; ++i) status_[i]->setText(QString::fromStdString(v.status[i]));

  image1_->setVisible(!v.lakeVisible);
  lake_->setVisible(v.lakeVisible);
  if (lake_->isEnabled() != game_.fishing.LakeViewEnabled) lake_->setEnabled(game_.fishing.LakeViewEnabled);

  const std::string* fields[4] = {&v.rodInUse, &v.baitInUse, &v.colorInUse, &v.retreiveInUse};
  for (size_t i = 0; i < 4; ++i) botFields_[i]->setText(QString::fromStdString(*fields[i]));

  syncingSliders_ = true;
  throttle_->setValue(v.throttlePos);
  gearBox_->setValue(v.gearPos);
  tmtrSpd_->setValue(v.tmtrSpd);
  syncingSliders_ = false;
  fuel_->setValue(std::clamp(v.fuelGauge, 0, 100));
  trollBattery_->setValue(std::clamp(v.trollGauge, 0, 100));
  mainBattery_->setValue(std::clamp(v.mainGauge, 0, 100));
  tachDigits_->setText(QString::fromStdString(v.tach));
  lcdMaxDepth_->setText(QString::fromStdString(v.lcdMaxDepth));
  if (!v.gpsScreen.isNull()) gpsImage_->setPixmap(QPixmap::fromImage(v.gpsScreen));
  if (!v.graphScreen.isNull()) graphImage_->setPixmap(QPixmap::fromImage(v.graphScreen));
  if (QWidget* pwr = controls_[Ctl::GPSpwr]) {
    // Only the "on" caption is coloured, so a disabled button greys out as the others do.
    const QString style = v.gpsPwrOn ? "QPushButton:enabled { color: red; }" : QString();
    if (pwr->styleSheet() != style) pwr->setStyleSheet(style);
  }

  auto glyph = [this](Ctl c, bool on, const char* onName, const char* offName) {
    if (auto* b = qobject_cast<QAbstractButton*>(controls_[c])) {
      const QPixmap pm = Glyph(game_, on ? onName : offName);
      if (!pm.isNull()) b->setIcon(pm);
    }
  };
  glyph(Ctl::TrollBtn, v.trollGlyphOn, "TMon", "TMoff");
  glyph(Ctl::OutBtn, v.outGlyphOn, "Outbon", "Outboff");
  glyph(Ctl::LJButt, v.lifeJacketGlyphOn, "LJackOn", "LJackOff");
  glyph(Ctl::PaddLeBtn, v.paddleGlyphOn, "PaddleOn", "PaddleOf");
  glyph(Ctl::FishFormulaBtn, v.fishFormGlyphOn, "FishForm", "FFoff");

  const Prefs& p = game_.prefs;
  const bool checks[5] = {p.BackgroundSounds1, p.FishingSounds1, p.ShowButtonHints1, p.SuspendIfInactive1,
                          p.FullScreenAtStart1};
  for (int i = 0; i < 5; ++i) prefActions_[i]->setChecked(checks[i]);
  for (int i = 0; i < 4; ++i) levelActions_[i]->setChecked(p.PlayLevel == i);
  for (auto& [w, hint] : hints_) w->setToolTip(game_.HintsShown ? hint : QString());
}

}  // namespace lwk
