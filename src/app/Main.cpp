// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Main.h"

#include "About.h"
#include "Announcer.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "Modes.h"
#include "NStrings.h"
#include "Spielfeld.h"
#include "StatusBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

namespace brimbal {

namespace {

constexpr std::int64_t KMillisecondsPerDay = 86400000;
// What the clock says before the game time or the program's running time.
constexpr char KGameTimeText[] = "Spielzeit: ";
constexpr char KRunTimeText[] = "Programmlaufzeit: ";

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

// An option that a menu item switches: the item, its handler, and the option whose being on
// greys it out. The handlers and the item's caption and hint stand in CreateActions.
struct TOptionItem {
    bool TOptions::*Option;
    QAction* TFrmMain::*Item;
    bool TOptions::*GreyedBy;
};

const TOptionItem KOptionItems[] = {
    {&TOptions::AnzeigeBitmaps, &TFrmMain::OptionenAnzeigeBitmaps, nullptr},
    {&TOptions::AltColor, &TFrmMain::OptionenAltFarben, &TOptions::AnzeigeBitmaps},
    {&TOptions::Bubble, &TFrmMain::OptionenBubble, &TOptions::Quick},
    {&TOptions::Animation, &TFrmMain::OptionenAnzeigeAnimationen, nullptr},
    {&TOptions::Sound, &TFrmMain::OptionenSound, nullptr},
    {&TOptions::Quick, &TFrmMain::OptionenQuickClick, nullptr},
};

} // namespace

TFrmMain::TFrmMain(TClock clock, QWidget* parent)
    : QMainWindow(parent), Clock(clock ? std::move(clock) : TClock(SystemTimeOfDay)),
      Rng(ClockSeed()), FGame(*this, Rng, FOptions) {
    setObjectName("FrmMain");
    setWindowTitle("Brimbal");
    FSpielfeld = new TSpielfeld(*this, this);
    FSpielfeld->installEventFilter(this);
    setCentralWidget(FSpielfeld);
    CreateActions();
    CreateMenus();
    CreateStatusBar();
    CreateAnnouncer();
    KeepKeysOnBoard();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
    FormCreate();
    resize(sizeHint());
    FSpielfeld->setFocus(); // the board takes the keys from the start
    // The other two windows of the program, created once, after the main window.
    FFrmAbout = std::make_unique<TFrmAbout>(this);
    FDlgEnterName = std::make_unique<TDlgEnterName>(this);
}

TFrmMain::~TFrmMain() = default;

QAction* TFrmMain::AddAction(const char* name, const char* caption, const char* hint) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromUtf8(hint));
    return action;
}

void TFrmMain::CreateActions() {
    DateiNeu = AddAction("DateiNeu", "&Neu", "Neues Spiel");
    DateiNeu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(DateiNeu, &QAction::triggered, this, &TFrmMain::DateiNeuClick);
    DateiHighscore = AddAction("DateiHighscore", "Highscoreliste...", "");
    DateiHighscore->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(DateiHighscore, &QAction::triggered, this, &TFrmMain::DateiHighscoreClick);
    DateiBeenden = AddAction("DateiBeenden", "&Beenden", "Beendet das Spiel");
    DateiBeenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(DateiBeenden, &QAction::triggered, this, &TFrmMain::DateiBeendenClick);

    // The modes show check marks, not radio marks, so the group does not exclude; SetModus
    // sets the marks.
    OptionenModus = new QActionGroup(this);
    OptionenModus->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const TMode& mode : KModes) {
        QAction* item = AddAction(mode.ActionName, mode.Caption, mode.Hint);
        item->setCheckable(true);
        item->setShortcut(QKeySequence(QString(QLatin1Char(mode.Key))));
        item->setEnabled(mode.Enabled);
        item->setData(mode.Number);
        OptionenModus->addAction(item);
    }
    connect(OptionenModus, &QActionGroup::triggered, this, &TFrmMain::OptionenModusClick);

    auto toggle = [this](const char* name, const char* caption, const char* hint,
                         void (TFrmMain::*handler)(bool)) {
        QAction* item = AddAction(name, caption, hint);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    OptionenAnzeigeBitmaps = toggle("OptionenAnzeigeBitmaps", "Bitmaps",
                                    "Schöne Bilder für die Kugeln, dafür aber langsamer",
                                    &TFrmMain::OptionenAnzeigeBitmapsClick);
    OptionenAltFarben =
        toggle("OptionenAltFarben", "Andere &Farben", "Verwendet andere Farben und Muster",
               &TFrmMain::OptionenAltFarbenClick);
    OptionenBubble = toggle("OptionenBubble", "&Bubble", "", &TFrmMain::OptionenBubbleClick);
    OptionenAnzeigeAnimationen = toggle("OptionenAnzeigeAnimationen", "Animationen", "",
                                        &TFrmMain::OptionenAnzeigeAnimationenClick);
    OptionenAnzeigeAnimationen->setEnabled(false);
    OptionenSound = toggle("OptionenSound", "&Sound", "Nerviger piepsiger Sound",
                           &TFrmMain::OptionenSoundClick);
    OptionenSound->setEnabled(false);
    OptionenQuickClick = toggle("OptionenQuickClick", "&Schnelles Entfernen",
                                "Markiert nichts mehr, sondern entfernt sofort, falls erlaubt",
                                &TFrmMain::OptionenQuickClickClick);

    HilfeSpielregeln =
        AddAction("HilfeSpielregeln", "&Spielregeln...", "Zeigt die Spielregeln an.");
    HilfeSpielregeln->setEnabled(false);
    HilfeUeber = AddAction("HilfeUeber", "Ü&ber...", "Zeigt Informationen über das Programm an.");
    connect(HilfeUeber, &QAction::triggered, this, &TFrmMain::HilfeUeberClick);
}

void TFrmMain::CreateMenus() {
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->setObjectName("Datei1");
    datei->addAction(DateiNeu);
    datei->addSeparator();
    datei->addAction(DateiHighscore);
    datei->addSeparator();
    datei->addAction(DateiBeenden);

    QMenu* modus = menuBar()->addMenu("Spiel&modus");
    modus->setObjectName("OptionenModus");
    for (QAction* item : OptionenModus->actions()) {
        if (FindMode(item->data().toInt())->SeparatorBefore) {
            modus->addSeparator();
        }
        modus->addAction(item);
    }

    QMenu* optionen = menuBar()->addMenu("&Optionen");
    optionen->setObjectName("Optionen1");
    QMenu* anzeige = optionen->addMenu("Anzeige");
    anzeige->setObjectName("OptionenAnzeige");
    anzeige->addAction(OptionenAnzeigeBitmaps);
    anzeige->addAction(OptionenAltFarben);
    anzeige->addSeparator();
    anzeige->addAction(OptionenBubble);
    anzeige->addAction(OptionenAnzeigeAnimationen);
    optionen->addAction(OptionenSound);
    optionen->addSeparator();
    optionen->addAction(OptionenQuickClick);

    QMenu* hilfe = menuBar()->addMenu("&Hilfe");
    hilfe->setObjectName("Hilfe1");
    hilfe->addAction(HilfeSpielregeln);
    hilfe->addSeparator();
    hilfe->addAction(HilfeUeber);

    auto* style = new TMenuStyle;
    style->setParent(this);
    for (QMenu* menu : {datei, modus, optionen, anzeige, hilfe}) {
        menu->setStyle(style);
    }
}

void TFrmMain::CreateStatusBar() {
    FStatusBar = new TStatusBar(this);
    setStatusBar(FStatusBar);
    // The widest texts of the score and the clock: 32-bit points, hours up to 99.
    FStatusBar->SetWidestTexts(1, {QString::fromUtf8(KScoreText) + QStringLiteral("2147483647")});
    const QString longest = QString::fromStdString(DurationText(99, 59, 59));
    FStatusBar->SetWidestTexts(
        2, {QString::fromUtf8(KGameTimeText) + longest, QString::fromUtf8(KRunTimeText) + longest});
}

void TFrmMain::CreateAnnouncer() {
    FAnnouncer = new TAnnouncer(this);
}

void TFrmMain::KeepKeysOnBoard() {
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        // Once the menu is gone: closing one menu may open another, or return to its parent.
        connect(menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, &TFrmMain::GiveBoardTheKeys); });
    }
}

void TFrmMain::GiveBoardTheKeys() {
    if (isActiveWindow() && !QApplication::activePopupWidget() &&
        !QApplication::activeModalWidget() && QApplication::focusWidget() != FSpielfeld) {
        FSpielfeld->setFocus(Qt::OtherFocusReason);
    }
}

void TFrmMain::AnnounceNewGame(std::int32_t mode) {
    FAnnouncer->Add(QStringLiteral("Neues Spiel im Modus ") + QString::fromUtf8(ModeTitle(mode)));
}

void TFrmMain::FormCreate() {
    // The random generator was seeded from the clock when the window was made.
    FDlgHighscore = new TDlgHighscore(this);
    FDlgHighscore->Init();
    LoadSettings();
    ProgramStart = Clock();
    FGame.ResetClock();
    SetModus(FOptions.Modus);
    ShowOptions();
    FNeedsRedraw = true;
    FAnnouncer->Discard(); // the first game needs no telling: the window is read as it opens
    Timer1->start();
}

void TFrmMain::ShowOptions() {
    for (const TOptionItem& option : KOptionItems) {
        QAction* item = this->*option.Item;
        item->setChecked(FOptions.*option.Option);
        if (option.GreyedBy) {
            item->setEnabled(!(FOptions.*option.GreyedBy));
        }
    }
}

void TFrmMain::LoadSettings() {
    if (!Store.Load(FOptions, *FDlgHighscore)) {
        // A file that cannot be read is told once; the game starts with the defaults. The
        // panel is narrow: the reason comes first, and the whole text shows as its tool tip.
        FStatusBar->SetPanelText(
            0, QStringLiteral("Einstellungen nicht lesbar: %1 (%2)")
                   .arg(Store.Problem(), QDir::toNativeSeparators(Store.Where())));
        FStatusBar->Panel(0)->setToolTip(FStatusBar->PanelText(0));
    }
}

namespace {

// Tells the player that the save failed, where and why; true when the player wants to try again.
bool AskRetrySave(QWidget* parent, const TSettingsStore& store, bool closing) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brimbal"),
                    QStringLiteral("Die Highscores und Einstellungen konnten nicht gespeichert "
                                   "werden.\n\nDatei: %1\nGrund: %2")
                        .arg(store.Where(), store.Problem()),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* retry = box.addButton(QStringLiteral("&Wiederholen"), QMessageBox::AcceptRole);
    QPushButton* goOn = box.addButton(closing ? QStringLiteral("&Ohne Speichern beenden")
                                              : QStringLiteral("Ohne Speichern &weiterspielen"),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(goOn);
    box.exec();
    return box.clickedButton() == retry;
}

} // namespace

bool TFrmMain::SaveSettings(ESaveMoment moment) {
    // After a failure, a change waits for the next save that tells the player, rather than
    // trying again (and perhaps waiting for a lock) at every click.
    if (moment == ESaveMoment::Change && LastSaveFailed) {
        return false;
    }
    for (;;) {
        LastSaveFailed = !Store.Save(FOptions, *FDlgHighscore);
        if (!LastSaveFailed) {
            return true;
        }
        if (EndingWithoutPlayer) {
            if (!SaveFailureReported) {
                SaveFailureReported = true;
                std::fprintf(stderr,
                             "Brimbal: Die Einstellungen konnten nicht gespeichert werden "
                             "(%s: %s).\n",
                             qPrintable(Store.Where()), qPrintable(Store.Problem()));
            }
            return false;
        }
        if (moment == ESaveMoment::Change ||
            !AskRetrySave(this, Store, moment == ESaveMoment::Close)) {
            return false;
        }
    }
}

void TFrmMain::FormClose() {
    if (std::exchange(Closed, true)) {
        return; // saved at the first close
    }
    PendingScore.File(false);
    SaveSettings(ESaveMoment::Close);
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFrmMain::EndWithoutPlayer() {
    EndingWithoutPlayer = true;
    close();
    QCoreApplication::quit();
}

void TFrmMain::SaveForSession() {
    const bool ending = std::exchange(EndingWithoutPlayer, true);
    PendingScore.File(true);
    SaveSettings(ESaveMoment::Close);
    EndingWithoutPlayer = ending;
}

void TFrmMain::SaveAtExit() {
    if (Closed) {
        return;
    }
    EndingWithoutPlayer = true;
    FormClose();
}

bool TFrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Menu hints go to panel 0, but only when the hint changes: passing over items and
        // titles without a hint leaves a game message standing.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip != CurrentHint) {
            CurrentHint = tip;
            FStatusBar->SetPanelText(0, tip);
        }
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
        text = KGameTimeText + DurationTextOf(game);
    } else {
        text = KRunTimeText + DurationTextOf(ElapsedMs(ProgramStart, Clock()));
    }
    FStatusBar->SetPanelText(2, QString::fromStdString(text));
}

void TFrmMain::SetModus(std::int32_t value) {
    for (QAction* item : OptionenModus->actions()) {
        item->setChecked(item->data().toInt() == value);
    }
    FOptions.Modus = value;
    setWindowTitle(QStringLiteral("Brimbal - ") + QString::fromUtf8(ModeTitle(value)));
    FGame.InitGame();
}

// Menu handlers

void TFrmMain::DateiNeuClick() {
    AnnounceNewGame(FOptions.Modus);
    FGame.InitGame();
    FAnnouncer->Announce();
}

void TFrmMain::DateiHighscoreClick() {
    FDlgHighscore->SelectMode(FOptions.Modus);
    FDlgHighscore->exec();
}

void TFrmMain::DateiBeendenClick() {
    close();
}

void TFrmMain::OptionenModusClick(QAction* item) {
    const std::int32_t mode = item->data().toInt();
    AnnounceNewGame(mode); // before the game's score
    SetModus(mode);
    FAnnouncer->Announce();
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::OptionenAnzeigeBitmapsClick(bool checked) {
    FOptions.AnzeigeBitmaps = checked;
    ShowOptions();
    RecalcSpielfeld();
    RepaintSpielfeld();
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::OptionenAltFarbenClick(bool checked) {
    FOptions.AltColor = checked;
    FNeedsRedraw = true;
    RepaintSpielfeld();
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::OptionenBubbleClick(bool checked) {
    FOptions.Bubble = checked; // shows at the next full redraw
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::OptionenAnzeigeAnimationenClick(bool checked) {
    FOptions.Animation = checked; // the next removal follows it
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::OptionenSoundClick(bool checked) {
    FOptions.Sound = checked;
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::OptionenQuickClickClick(bool checked) {
    FOptions.Quick = checked; // a marked group stays marked
    ShowOptions();
    SaveSettings(ESaveMoment::Change);
}

void TFrmMain::HilfeUeberClick() {
    FFrmAbout->exec();
}

// The game's host

void TFrmMain::RecalcSpielfeld() {
    FGeometry.RecalcSpielfeld(FSpielfeld->width(), FSpielfeld->height(), FOptions.AnzeigeBitmaps);
    FNeedsRedraw = true;
}

void TFrmMain::SetNeedsRedraw() {
    FNeedsRedraw = true;
}

void TFrmMain::RepaintSpielfeld() {
    const bool redrawn = FNeedsRedraw;
    FSpielfeld->repaint();
    if (redrawn) {
        FSpielfeld->BoardChanged();
    }
}

void TFrmMain::SpielfeldDrawMarkierung() {
    Renderer.SpielfeldDrawMarkierung(FGame, FGeometry);
    FSpielfeld->MarkingChanged();
}

void TFrmMain::SetStatusText(int panel, std::string_view text) {
    const QString message = QString::fromUtf8(text.data(), qsizetype(text.size()));
    FStatusBar->SetPanelText(panel, message);
    FAnnouncer->Add(message); // the game's messages and the score are told as they change
}

int TFrmMain::GameoverScreen() {
    FSpielfeld->GameOver();
    // The last removal's points and the final score are told with the end, before a dialog
    // opens and speaks for itself.
    FAnnouncer->Add(QStringLiteral("Spiel zu Ende"));
    FAnnouncer->Announce();
    const int answer =
        brimbal::GameoverScreen(this, *FDlgHighscore, *FDlgEnterName, FOptions.Modus, FGame.Total(),
                                FGame.MaxGroup(), FPlayerName, &PendingScore);
    if (PendingScore.Filed()) {
        SaveSettings(ESaveMoment::ScoreFiled);
    }
    if (answer == 6) {
        AnnounceNewGame(FOptions.Modus); // told when the handler ends, after the game is dealt
    }
    return answer;
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
        Renderer.SpielfeldDraw(FGame, FGeometry, FOptions);
        FNeedsRedraw = false;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, Renderer.BackBuffer());
}

void TFrmMain::SpielfeldMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    SpielfeldCellUp(FGeometry.TryToFigureOutTheField(x, y));
}

void TFrmMain::SpielfeldCellUp(TCell cell) {
    FGame.SpielfeldMouseUp(cell.Column, cell.Row);
    FAnnouncer->Announce();
}

} // namespace brimbal
