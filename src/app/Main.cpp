// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Main.h"

#include "About.h"
#include "Analysis.h"
#include "Announcer.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "GameWords.h"
#include "HintSearch.h"
#include "Modes.h"
#include "NullGameHost.h"
#include "NumberText.h"
#include "Palette.h"
#include "Spielfeld.h"
#include "SpielfeldAccessible.h"
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
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTimer>

#include <utility>

namespace brimbal {

namespace {

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

// Tells the player that the save failed, where and why; true when the player wants to try again.
bool AskRetrySave(QWidget* parent, const TSettingsStore& store, bool closing) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brimbal"),
                    TFrmMain::tr("Die Highscores und Einstellungen konnten nicht gespeichert "
                                 "werden.\n\nDatei: %1\nGrund: %2")
                        .arg(store.Where(), store.Problem()),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* retry = box.addButton(TFrmMain::tr("&Wiederholen"), QMessageBox::AcceptRole);
    QPushButton* goOn = box.addButton(closing ? TFrmMain::tr("&Ohne Speichern beenden")
                                              : TFrmMain::tr("Ohne Speichern &weiterspielen"),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(goOn);
    box.exec();
    return box.clickedButton() == retry;
}

} // namespace

TFrmMain::TFrmMain(TClock clock, QWidget* parent)
    : QMainWindow(parent), Clock(clock ? std::move(clock) : TClock(SystemTimeOfDay)),
      FGame(*this, Rng, FOptions),
      Keeper(FOptions, FScores, [this](const TSettingsStore& store, bool closing) {
          return AskRetrySave(this, store, closing);
      }) {
    setObjectName("FrmMain");
    setWindowTitle("Brimbal");
    InstallSpielfeldAccessibility();
    FSpielfeld = new TSpielfeld(FGame, FOptions, this);
    setCentralWidget(FSpielfeld);
    connect(FSpielfeld, &TSpielfeld::CellActed, this, &TFrmMain::SpielfeldCellActed);
    // A key or a click on the board while a hint is searched for ends that search.
    FSpielfeld->installEventFilter(this);
    FHint = new THintSearch(this);
    connect(FHint, &THintSearch::Found, this, &TFrmMain::HintFound);
    connect(FSpielfeld, &TSpielfeld::PositionAsked, this, [this] { Speak(PositionText()); });
    connect(FSpielfeld, &TSpielfeld::PreviewAsked, this,
            [this] { Speak(PreviewText(*FSpielfeld)); });
    CreateActions();
    CreateMenus();
    FStatusBar = new TStatusBar(this);
    setStatusBar(FStatusBar);
    // In the status bar, a screen reader speaks the announcements without a role word first.
    FAnnouncer = new TAnnouncer(FStatusBar);
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

QAction* TFrmMain::AddAction(const char* name, const QString& caption, const QString& hint,
                             const QKeySequence& keys, void (TFrmMain::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    action->setShortcut(keys);
    if (handler) {
        connect(action, &QAction::triggered, this, handler);
    }
    return action;
}

void TFrmMain::CreateActions() {
    DateiNeu = AddAction("DateiNeu", tr("&Neu"), tr("Neues Spiel"), Qt::CTRL | Qt::Key_N,
                         &TFrmMain::DateiNeuClick);
    DateiZuruecknehmen =
        AddAction("DateiZuruecknehmen", tr("&Zurücknehmen"), tr("Nimmt den letzten Zug zurück"),
                  Qt::CTRL | Qt::Key_Z, &TFrmMain::DateiZuruecknehmenClick);
    DateiWiederherstellen = AddAction("DateiWiederherstellen", tr("Wiede&rherstellen"),
                                      tr("Macht den zurückgenommenen Zug noch einmal"),
                                      Qt::CTRL | Qt::Key_Y, &TFrmMain::DateiWiederherstellenClick);
    DateiTipp = AddAction("DateiTipp", tr("&Tipp"), tr("Markiert eine gute nächste Gruppe"),
                          Qt::CTRL | Qt::Key_T, &TFrmMain::DateiTippClick);
    DateiWasWarDrin = AddAction("DateiWasWarDrin", tr("Was war &drin?"),
                                tr("Sucht, wie viele Punkte dieses Spiel von Anfang an hergibt"),
                                {}, &TFrmMain::DateiWasWarDrinClick);
    DateiWiederholen = AddAction("DateiWiederholen", tr("Spiel &wiederholen"),
                                 tr("Beginnt dasselbe Spiel noch einmal von vorn"), {},
                                 &TFrmMain::DateiWiederholenClick);
    DateiHighscore = AddAction("DateiHighscore", tr("Highscoreliste..."), QString(),
                               Qt::CTRL | Qt::Key_H, &TFrmMain::DateiHighscoreClick);
    DateiBeenden = AddAction("DateiBeenden", tr("&Beenden"), tr("Beendet das Spiel"),
                             Qt::CTRL | Qt::Key_Q, &TFrmMain::DateiBeendenClick);

    // The modes show check marks, not radio marks, so the group does not exclude; SetModus
    // sets the marks.
    OptionenModus = new QActionGroup(this);
    OptionenModus->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const TMode& mode : KModes) {
        QAction* item =
            AddAction(mode.ActionName, TGameWords::ModeCaption(mode), TGameWords::ModeHint(mode));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(QString(QLatin1Char(mode.Key))));
        item->setEnabled(mode.Enabled);
        item->setData(mode.Number);
        OptionenModus->addAction(item);
    }
    connect(OptionenModus, &QActionGroup::triggered, this, &TFrmMain::OptionenModusClick);

    HilfeSpielregeln =
        AddAction("HilfeSpielregeln", tr("&Spielregeln..."), tr("Zeigt die Spielregeln an."));
    HilfeSpielregeln->setEnabled(false);
    HilfeUeber =
        AddAction("HilfeUeber", tr("Ü&ber..."), tr("Zeigt Informationen über das Programm an."), {},
                  &TFrmMain::HilfeUeberClick);
}

void TFrmMain::CreateMenus() {
    QMenu* datei = menuBar()->addMenu(tr("&Datei"));
    datei->setObjectName("Datei1");
    datei->addActions({DateiNeu, DateiZuruecknehmen, DateiWiederherstellen, DateiTipp,
                       DateiWiederholen, DateiWasWarDrin});
    datei->addSeparator();
    datei->addAction(DateiHighscore);
    datei->addSeparator();
    datei->addAction(DateiBeenden);

    QMenu* modus = menuBar()->addMenu(tr("Spiel&modus"));
    modus->setObjectName("OptionenModus");
    for (QAction* item : OptionenModus->actions()) {
        if (FindMode(item->data().toInt())->SeparatorBefore) {
            modus->addSeparator();
        }
        modus->addAction(item);
    }

    QMenu* optionen = menuBar()->addMenu(tr("&Optionen"));
    optionen->setObjectName("Optionen1");
    QMenu* anzeige = optionen->addMenu(tr("Anzeige"));
    anzeige->setObjectName("OptionenAnzeige");
    AddSwitchItems(anzeige, ESwitchMenu::Anzeige);
    AddSwitchItems(optionen, ESwitchMenu::Optionen);

    QMenu* hilfe = menuBar()->addMenu(tr("&Hilfe"));
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

void TFrmMain::AddSwitchItems(QMenu* menu, ESwitchMenu where) {
    for (std::size_t row = 0; row < std::size(KSwitchOptions); ++row) {
        const TSwitchOption& option = KSwitchOptions[row];
        if (option.Menu != where) {
            continue;
        }
        if (option.SeparatorBefore) {
            menu->addSeparator();
        }
        QAction* item = AddAction(option.ActionName, TGameWords::SwitchCaption(option),
                                  TGameWords::SwitchHint(option));
        item->setCheckable(true);
        item->setEnabled(option.Enabled);
        connect(item, &QAction::triggered, this,
                [this, &option](bool checked) { OptionenSwitchClick(option, checked); });
        menu->addAction(item);
        OptionenSwitches[row] = item;
    }
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
    FAnnouncer->Add(tr("Neues Spiel im Modus %1").arg(TGameWords::ModeTitle(mode)));
}

void TFrmMain::FormCreate() {
    // The random generator was seeded from the clock when the window was made.
    FScores.Init();
    FDlgHighscore = new TDlgHighscore(FScores, this);
    connect(FDlgHighscore, &TDlgHighscore::Spoken, this, &TFrmMain::Speak);
    LoadSettings();
    ProgramStart = Clock();
    FGame.ResetClock();
    SetModus(FOptions.Modus);
    ShowOptions();
    FSpielfeld->SetNeedsRedraw();
    FAnnouncer->Discard(); // the first game needs no telling: the window is read as it opens
    Timer1->start();
}

void TFrmMain::ShowOptions() {
    for (std::size_t row = 0; row < std::size(KSwitchOptions); ++row) {
        const TSwitchOption& option = KSwitchOptions[row];
        if (QAction* item = OptionenSwitches[row]) {
            item->setChecked(FOptions.*option.Member);
            if (option.GreyedBy) {
                item->setEnabled(!(FOptions.*option.GreyedBy));
            }
        }
    }
}

void TFrmMain::LoadSettings() {
    if (!Keeper.Load()) {
        // A file that cannot be read is told once; the game starts with the defaults. The
        // panel is narrow: the reason comes first, and the whole text shows as its tool tip.
        FStatusBar->SetPanelText(0, tr("Einstellungen nicht lesbar: %1 (%2)")
                                        .arg(Keeper.Store().Problem(),
                                             QDir::toNativeSeparators(Keeper.Store().Where())));
        FStatusBar->Panel(0)->setToolTip(FStatusBar->PanelText(0));
    }
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    Keeper.Close();
    event->accept();
}

void TFrmMain::EndWithoutPlayer() {
    Keeper.EndWithoutPlayer();
    close();
    QCoreApplication::quit();
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

void TFrmMain::Timer1Timer() {
    FStatusBar->SetPanelText(
        2, ClockText(FGame.GameStart(), ProgramStart, FGame.GameRunning(), Clock));
}

void TFrmMain::SetModus(std::int32_t value) {
    for (QAction* item : OptionenModus->actions()) {
        item->setChecked(item->data().toInt() == value);
    }
    FOptions.Modus = value;
    FGame.InitGame();
    ShowPractice();
}

// Menu handlers

void TFrmMain::DateiNeuClick() {
    AnnounceNewGame(FOptions.Modus);
    FGame.InitGame();
    GameStepDone();
}

void TFrmMain::DateiHighscoreClick() {
    FDlgHighscore->SelectMode(FOptions.Modus);
    FDlgHighscore->exec();
}

void TFrmMain::OptionenModusClick(QAction* item) {
    const std::int32_t mode = item->data().toInt();
    AnnounceNewGame(mode); // before the game's score
    SetModus(mode);
    FAnnouncer->Announce();
    Keeper.Save(TSettingsKeeper::ESaveMoment::Change);
}

void TFrmMain::OptionenSwitchClick(const TSwitchOption& option, bool checked) {
    FOptions.*option.Member = checked;
    ShowOptions();
    FSpielfeld->OptionChanged(option.Effect);
    Keeper.Save(TSettingsKeeper::ESaveMoment::Change);
}

void TFrmMain::HilfeUeberClick() {
    FFrmAbout->exec();
}

// Practice

void TFrmMain::ShowPractice() {
    const QString title = QStringLiteral("Brimbal - ") + TGameWords::ModeTitle(FOptions.Modus);
    setWindowTitle(FGame.Practice() ? tr("%1 (Übung)").arg(title) : title);
    DateiZuruecknehmen->setEnabled(FGame.CanTakeBack());
    DateiWiederherstellen->setEnabled(FGame.CanRedo());
    DateiWiederholen->setEnabled(FGame.GameRunning());
    DateiTipp->setEnabled(FGame.GameRunning());
    DateiWasWarDrin->setEnabled(FGame.GameRunning());
    // The practice message ends with its game; any other message stays.
    if (!FGame.Practice() && FStatusBar->PanelText(0) == TGameWords::News(ENews::Practice, 0)) {
        FStatusBar->SetPanelText(0, QString());
    }
}

void TFrmMain::GameStepDone() {
    FHint->Cancel(); // its answer would be for the game as it was
    ShowPractice();
    // After a removal the ball under the keyboard's frame is another: said after the points.
    if (Removed && FSpielfeld->CursorShown() && FSpielfeld->hasFocus()) {
        FAnnouncer->Add(CellName(*FSpielfeld, FSpielfeld->Cursor()));
    }
    Removed = false;
    MarkedBefore = FGame.MarkedCount();
    FAnnouncer->Announce();
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FSpielfeld &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) {
        FHint->Cancel();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::DateiTippClick() {
    if (FGame.GameRunning()) {
        FHint->Start(TSearchPosition::FromGame(FGame, Rng), HintLine, KHintBudget);
    }
}

void TFrmMain::HintFound(const TSearchResult& result) {
    if (!FGame.GameRunning() || result.Line.empty()) {
        return;
    }
    const TSearchCell first = result.Line.front();
    // The rest of the line plays on from the position after it: the next hint starts there.
    HintLine.assign(result.Line.begin() + 1, result.Line.end());
    FGame.MarkHint(first.Column, first.Row);
    FSpielfeld->SetCursor({first.Column, first.Row});
    Tell(0,
         tr("Tipp: Damit sind noch mindestens %1 Punkte möglich.").arg(NumberText(result.Points)));
    GameStepDone();
}

void TFrmMain::DateiWasWarDrinClick() {
    TNullGameHost host;
    TRandom random = Rng;
    const TOptions options = FOptions;
    TGame deal(host, random, options);
    if (!FGame.CopyDealTo(deal)) {
        return;
    }
    FHint->Cancel();
    const std::int32_t points = AnalyseDeal(this, TSearchPosition::FromGame(deal, random));
    if (ShowAnalysis(this, points, FGame.Total(), FGame.GameRunning())) {
        DateiWiederholenClick();
    }
}

void TFrmMain::SpielfeldCellActed(TCell cell) {
    if (!InField(cell.Column, cell.Row) && MarkedBefore >= 2 && FGame.MarkedCount() == 0) {
        FAnnouncer->Add(tr("Markierung aufgehoben"));
    }
    GameStepDone();
}

void TFrmMain::Tell(int panel, const QString& text) {
    FStatusBar->SetPanelText(panel, text);
    FAnnouncer->Add(text); // messages and the score are told as they change
}

void TFrmMain::Speak(const QString& text) {
    FAnnouncer->Add(text);
    FAnnouncer->Announce();
}

QString TFrmMain::PositionText() const {
    int balls = 0;
    for (int column = 0; column < KFieldColumns; ++column) {
        for (int row = 0; row < KRows; ++row) {
            balls += FGame.Tile(column, row) > 0 ? 1 : 0;
        }
    }
    return tr("%1, noch %2 Kugeln")
        .arg(TGameWords::News(ENews::Score, FGame.Total()), NumberText(balls));
}

// The game's host

void TFrmMain::Report(ENews news, std::int32_t value) {
    Tell(news == ENews::Score ? 1 : 0, TGameWords::News(news, value));
    Removed = Removed || news == ENews::Points;
    if (news == ENews::Marked) {
        // The group's colour, which panel 0 does not show.
        for (int index = 0; index < KFieldColumns * KRows; ++index) {
            const TCell cell = TBoardGeometry::CellOfIndex(index);
            if (FGame.IsMarked(cell.Column, cell.Row)) {
                FAnnouncer->Add(ColourName(FGame.Tile(cell.Column, cell.Row), FOptions));
                break;
            }
        }
    }
}

int TFrmMain::GameoverScreen() {
    Removed = false;
    FSpielfeld->GameOver();
    ShowPractice(); // nothing to take back or play again once the game is over
    // The last removal's points and the final score are told with the end, before a dialog
    // opens and speaks for itself.
    FAnnouncer->Add(tr("Spiel zu Ende"));
    FAnnouncer->Announce();
    const int answer = FGame.Practice() ? PracticeGameoverScreen(this, FGame.Total()) : FileScore();
    if (answer == KAnswerYes) {
        AnnounceNewGame(FOptions.Modus); // told when the handler ends, after the game is dealt
    }
    return answer;
}

int TFrmMain::FileScore() {
    TPendingScore& pending = Keeper.PendingScore();
    const int answer =
        brimbal::GameoverScreen(this, FScores, *FDlgEnterName, FOptions.Modus, FGame.Total(),
                                FGame.MaxGroup(), FPlayerName, &pending);
    if (pending.Filed()) {
        Keeper.Save(TSettingsKeeper::ESaveMoment::ScoreFiled);
    }
    return answer;
}

} // namespace brimbal
