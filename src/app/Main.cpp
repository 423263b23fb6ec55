// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Main.h"

#include "About.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "GameoverFlow.h"
#include "NStrings.h"
#include "Options.h"
#include "Settings.h"
#include "Spielfeld.h"
#include "StatusBar.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdio>

namespace brimbal {

namespace {

constexpr std::int64_t KMillisecondsPerDay = 86400000;

double SystemTimeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / double(KMillisecondsPerDay);
}

// Milliseconds from one time of day to a later one. Both hold no date, so a span that passes
// midnight is taken modulo one day and keeps counting up.
std::int64_t ElapsedMs(double from, double to) {
    const std::int64_t ms = std::llround((to - from) * double(KMillisecondsPerDay));
    return ((ms % KMillisecondsPerDay) + KMillisecondsPerDay) % KMillisecondsPerDay;
}

std::string DurationTextOf(std::int64_t ms) {
    return DurationText(static_cast<std::uint16_t>(ms / 3600000),
                        static_cast<std::uint16_t>((ms / 60000) % 60),
                        static_cast<std::uint16_t>((ms / 1000) % 60));
}

// The random generator is seeded once, from the clock.
std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// Menus in which disabled items can be highlighted too, so that their hints show.
class TMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

const char* const KModeNames[] = {"Normal", "Fortlaufend", "Tirlan", "MegaTirlan", "Bricks"};
const char* const KModeActions[] = {"OptionenModusNormal", "OptionenModusFortlaufend",
                                    "OptionenModusTirlan", "OptionenModusMegaTirlan",
                                    "OptionenModusBricks"};

} // namespace

TFrmMain::TFrmMain(TClock clock, QWidget* parent)
    : QMainWindow(parent), Clock(clock ? std::move(clock) : TClock(SystemTimeOfDay)),
      Rng(ClockSeed()), FGame(*this, Rng) {
    setObjectName("FrmMain");
    setWindowTitle("Brimbal");
    FSpielfeld = new TSpielfeld(*this, this);
    FSpielfeld->installEventFilter(this);
    setCentralWidget(FSpielfeld);
    CreateActions();
    CreateMenus();
    CreateStatusBar();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
    FormCreate();
    resize(sizeHint());
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::SetDialogs(TFrmAbout* frmAbout, TDlgEnterName* dlgEnterName) {
    FFrmAbout = frmAbout;
    FDlgEnterName = dlgEnterName;
}

TFrmAbout* TFrmMain::FrmAbout() {
    if (!FFrmAbout) {
        OwnFrmAbout = std::make_unique<TFrmAbout>(this);
        FFrmAbout = OwnFrmAbout.get();
    }
    return FFrmAbout;
}

TDlgEnterName* TFrmMain::DlgEnterName() {
    if (!FDlgEnterName) {
        OwnDlgEnterName = std::make_unique<TDlgEnterName>(this);
        FDlgEnterName = OwnDlgEnterName.get();
    }
    return FDlgEnterName;
}

QAction* TFrmMain::AddAction(const char* name, const char* caption, const char* hint) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(name);
    if (hint) {
        action->setStatusTip(QString::fromUtf8(hint));
    }
    return action;
}

QAction* TFrmMain::Action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void TFrmMain::CreateActions() {
    auto add = [this](const char* name, const char* caption, const char* hint,
                      const QKeySequence& shortcut, void (TFrmMain::*handler)()) {
        QAction* action = AddAction(name, caption, hint);
        action->setShortcut(shortcut);
        if (handler) {
            connect(action, &QAction::triggered, this, handler);
        }
        return action;
    };
    auto toggle = [&](const char* name, const char* caption, const char* hint,
                      void (TFrmMain::*handler)()) {
        QAction* action = add(name, caption, hint, QKeySequence(), handler);
        action->setCheckable(true);
        return action;
    };

    add("DateiNeu", "&Neu", "Neues Spiel", QKeySequence(Qt::CTRL | Qt::Key_N),
        &TFrmMain::DateiNeuClick);
    add("DateiHighscore", "Highscoreliste...", nullptr, QKeySequence(Qt::CTRL | Qt::Key_H),
        &TFrmMain::DateiHighscoreClick);
    add("DateiBeenden", "&Beenden", "Beendet das Spiel", QKeySequence(Qt::CTRL | Qt::Key_Q),
        &TFrmMain::DateiBeendenClick);

    // The modes show check marks; SetModus sets them.
    toggle("OptionenModusNormal", "&Normal", "Leere Spalten werden entfernt.",
           &TFrmMain::OptionenModusNormalClick)
        ->setShortcut(QKeySequence(Qt::Key_1));
    toggle("OptionenModusFortlaufend", "&Fortlaufend",
           "Wie Standart, plus: Neue Spalten kommen dazu.",
           &TFrmMain::OptionenModusFortlaufendClick)
        ->setShortcut(QKeySequence(Qt::Key_2));
    toggle("OptionenModusTirlan", "&Tirlan", "???", &TFrmMain::OptionenModusTirlanClick)
        ->setShortcut(QKeySequence(Qt::Key_3));
    toggle("OptionenModusMegaTirlan", "&MegaTirlan", "???", &TFrmMain::OptionenModusMegaTirlanClick)
        ->setShortcut(QKeySequence(Qt::Key_4));
    toggle("OptionenModusBricks", "Bricks", nullptr, &TFrmMain::OptionenModusBricksClick)
        ->setShortcut(QKeySequence(Qt::Key_5));
    for (const char* name :
         {"OptionenModusTirlan", "OptionenModusMegaTirlan", "OptionenModusBricks"}) {
        Action(name)->setEnabled(false);
    }

    toggle("OptionenAnzeigeBitmaps", "Bitmaps",
           "Schöne Bilder für die Kugeln, dafür aber langsamer",
           &TFrmMain::OptionenAnzeigeBitmapsClick);
    toggle("OptionenAltFarben", "Andere &Farben", "Verwendet andere Farben und Muster",
           &TFrmMain::OptionenAltFarbenClick);
    toggle("OptionenBubble", "&Bubble", nullptr, &TFrmMain::OptionenBubbleClick);
    toggle("OptionenAnzeigeAnimationen", "Animationen", nullptr,
           &TFrmMain::OptionenAnzeigeAnimationenClick)
        ->setEnabled(false);
    toggle("OptionenSound", "&Sound", "Nerviger piepsiger Sound", &TFrmMain::OptionenSoundClick)
        ->setEnabled(false);
    toggle("OptionenQuickClick", "&Schnelles Entfernen",
           "Markiert nichts mehr, sondern entfernt sofort, falls erlaubt",
           &TFrmMain::OptionenQuickClickClick);

    add("HilfeSpielregeln", "&Spielregeln...", "Zeigt die Spielregeln an.", QKeySequence(), nullptr)
        ->setEnabled(false);
    add("HilfeUeber", "Ü&ber...", "Zeigt Informationen über das Programm an.", QKeySequence(),
        &TFrmMain::HilfeUeberClick);
}

void TFrmMain::CreateMenus() {
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->setObjectName("Datei1");
    datei->addAction(Action("DateiNeu"));
    datei->addSeparator();
    datei->addAction(Action("DateiHighscore"));
    datei->addSeparator();
    datei->addAction(Action("DateiBeenden"));

    QMenu* modus = menuBar()->addMenu("Spiel&modus");
    modus->setObjectName("OptionenModus");
    for (int index = 0; index < 4; ++index) {
        modus->addAction(Action(KModeActions[index]));
    }
    modus->addSeparator();
    modus->addAction(Action("OptionenModusBricks"));

    QMenu* optionen = menuBar()->addMenu("&Optionen");
    optionen->setObjectName("Optionen1");
    QMenu* anzeige = optionen->addMenu("Anzeige");
    anzeige->setObjectName("OptionenAnzeige");
    anzeige->addAction(Action("OptionenAnzeigeBitmaps"));
    anzeige->addAction(Action("OptionenAltFarben"));
    anzeige->addSeparator();
    anzeige->addAction(Action("OptionenBubble"));
    anzeige->addAction(Action("OptionenAnzeigeAnimationen"));
    optionen->addAction(Action("OptionenSound"));
    optionen->addSeparator();
    optionen->addAction(Action("OptionenQuickClick"));

    QMenu* hilfe = menuBar()->addMenu("&Hilfe");
    hilfe->setObjectName("Hilfe1");
    hilfe->addAction(Action("HilfeSpielregeln"));
    hilfe->addSeparator();
    hilfe->addAction(Action("HilfeUeber"));

    auto* style = new TMenuStyle;
    style->setParent(this);
    for (QMenu* menu : {datei, modus, optionen, anzeige, hilfe}) {
        menu->setStyle(style);
    }
}

void TFrmMain::CreateStatusBar() {
    FStatusBar = new TStatusBar(this);
    setStatusBar(FStatusBar);
}

void TFrmMain::FormCreate() {
    // The random generator was seeded from the clock when the window was made.
    FDlgHighscore = new TDlgHighscore(this);
    FDlgHighscore->Init();
    LoadSettings();
    ProgramStart = Clock();
    FGame.ResetClock();
    SetModus(FGame.Modus());
    Action("OptionenSound")->setChecked(FSound);
    Action("OptionenAltFarben")->setChecked(FAltColor);
    Action("OptionenQuickClick")->setChecked(FGame.Quick());
    Action("OptionenBubble")->setChecked(FBubble);
    Action("OptionenBubble")->setEnabled(!FGame.Quick());
    Action("OptionenAnzeigeAnimationen")->setChecked(FGame.Animation());
    Action("OptionenAnzeigeBitmaps")->setChecked(FAnzeigeBitmaps);
    Action("OptionenAltFarben")->setEnabled(!FAnzeigeBitmaps);
    FNeedsRedraw = true;
    Timer1->start();
}

TOptions TFrmMain::Options() const {
    TOptions options;
    options.Modus = FGame.Modus();
    options.Sound = FSound;
    options.AnzeigeBitmaps = FAnzeigeBitmaps;
    options.Shade = FShade;
    options.Quick = FGame.Quick();
    options.Bubble = FBubble;
    options.Animation = FGame.Animation();
    options.AltColor = FAltColor;
    return options;
}

void TFrmMain::ApplyOptions(const TOptions& options) {
    FGame.SetModus(options.Modus);
    FSound = options.Sound;
    FAnzeigeBitmaps = options.AnzeigeBitmaps;
    FShade = options.Shade;
    FGame.SetQuick(options.Quick);
    FBubble = options.Bubble;
    FGame.SetAnimation(options.Animation);
    FAltColor = options.AltColor;
}

void TFrmMain::LoadSettings() {
    TOptions options;
    brimbal::LoadSettings(options, *FDlgHighscore);
    ApplyOptions(options);
}

void TFrmMain::SaveSettings() {
    QString where;
    if (!brimbal::SaveSettings(Options(), *FDlgHighscore, &where) && !SaveFailureReported) {
        SaveFailureReported = true;
        std::fprintf(stderr, "Brimbal: Die Einstellungen konnten nicht gespeichert werden (%s).\n",
                     qPrintable(where));
    }
}

void TFrmMain::FormClose() {
    SaveSettings();
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

bool TFrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Menu hints go to panel 0; the other panels stay as they are.
        FStatusBar->SetPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FSpielfeld && event->type() == QEvent::Resize) {
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::FormResize() {
    RecalcSpielfeld();
    Renderer.SetSize(FSpielfeld->width(), FSpielfeld->height(), FSpielfeld->devicePixelRatio());
    FNeedsRedraw = true;
}

void TFrmMain::Timer1Timer() {
    const std::int64_t game = ElapsedMs(FGame.GameStart(), Clock());
    std::string text;
    if ((game / 1000) % 60 % 5 != 0 && FGame.GameRunning()) {
        text = "Spielzeit: " + DurationTextOf(game);
    } else {
        text = "Programmlaufzeit: " + DurationTextOf(ElapsedMs(ProgramStart, Clock()));
    }
    FStatusBar->SetPanelText(2, QString::fromStdString(text));
}

void TFrmMain::SetModus(std::int32_t value) {
    for (int mode = 1; mode <= 5; ++mode) {
        Action(KModeActions[mode - 1])->setChecked(mode == value);
    }
    const char* name = value >= 1 && value <= 5 ? KModeNames[value - 1] : "UNBEKANNTER MODUS";
    FGame.SetModus(value);
    setWindowTitle(QString("Brimbal - ") + QString::fromUtf8(name));
    FGame.InitGame();
}

TViewOptions TFrmMain::ViewOptions() const {
    TViewOptions options;
    options.AnzeigeBitmaps = FAnzeigeBitmaps;
    options.AltColor = FAltColor;
    options.Bubble = FBubble;
    return options;
}

// Menu handlers

void TFrmMain::DateiNeuClick() {
    FGame.InitGame();
}

void TFrmMain::DateiHighscoreClick() {
    FDlgHighscore->SelectMode(FGame.Modus());
    FDlgHighscore->exec();
}

void TFrmMain::DateiBeendenClick() {
    close();
}

void TFrmMain::OptionenModusNormalClick() {
    SetModus(1);
}

void TFrmMain::OptionenModusFortlaufendClick() {
    SetModus(2);
}

void TFrmMain::OptionenModusTirlanClick() {
    SetModus(3);
}

void TFrmMain::OptionenModusMegaTirlanClick() {
    SetModus(4);
}

void TFrmMain::OptionenModusBricksClick() {
    SetModus(5);
}

void TFrmMain::OptionenAnzeigeBitmapsClick() {
    FAnzeigeBitmaps = Action("OptionenAnzeigeBitmaps")->isChecked();
    Action("OptionenAltFarben")->setEnabled(!FAnzeigeBitmaps);
    RecalcSpielfeld();
    RepaintSpielfeld();
}

void TFrmMain::OptionenAltFarbenClick() {
    FAltColor = Action("OptionenAltFarben")->isChecked();
    FNeedsRedraw = true;
    RepaintSpielfeld();
}

void TFrmMain::OptionenBubbleClick() {
    FBubble = Action("OptionenBubble")->isChecked();
}

void TFrmMain::OptionenAnzeigeAnimationenClick() {
    FGame.SetAnimation(Action("OptionenAnzeigeAnimationen")->isChecked());
}

void TFrmMain::OptionenSoundClick() {
    FSound = Action("OptionenSound")->isChecked();
}

void TFrmMain::OptionenQuickClickClick() {
    FGame.SetQuick(Action("OptionenQuickClick")->isChecked());
    Action("OptionenBubble")->setEnabled(!FGame.Quick());
}

void TFrmMain::HilfeUeberClick() {
    FrmAbout()->exec();
}

// The game's host

void TFrmMain::RecalcSpielfeld() {
    FGeometry.RecalcSpielfeld(FSpielfeld->width(), FSpielfeld->height(), FAnzeigeBitmaps);
    FNeedsRedraw = true;
}

void TFrmMain::SetNeedsRedraw() {
    FNeedsRedraw = true;
}

void TFrmMain::RepaintSpielfeld() {
    FSpielfeld->repaint();
}

void TFrmMain::SpielfeldDrawMarkierung() {
    Renderer.SpielfeldDrawMarkierung(FGame, FGeometry);
}

void TFrmMain::SetStatusText(int panel, std::string_view text) {
    FStatusBar->SetPanelText(panel, QString::fromUtf8(text.data(), qsizetype(text.size())));
}

int TFrmMain::GameoverScreen() {
    return brimbal::GameoverScreen(this, *FDlgHighscore, *DlgEnterName(), FGame.Modus(),
                                   FGame.Total(), FGame.MaxGroup(), FPlayerName);
}

void TFrmMain::CloseMainWindow() {
    close();
}

double TFrmMain::TimeOfDay() {
    return Clock();
}

// The paint box

void TFrmMain::SpielfeldPaint(QPainter& painter) {
    if (Renderer.DevicePixelRatio() != FSpielfeld->devicePixelRatio()) {
        FormResize(); // moved to a screen with another device pixel ratio
    }
    if (FNeedsRedraw) {
        Renderer.SpielfeldDraw(FGame, FGeometry, ViewOptions());
        FNeedsRedraw = false;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, Renderer.BackBuffer());
}

void TFrmMain::SpielfeldMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    const TCell cell = FGeometry.TryToFigureOutTheField(x, y);
    FGame.SpielfeldMouseUp(cell.Column, cell.Row);
}

} // namespace brimbal
