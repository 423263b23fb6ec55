// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Game.h"
#include "GameHost.h"
#include "Options.h"
#include "Random.h"
#include "ScoreTables.h"
#include "Search.h"
#include "SettingsKeeper.h"
#include "Spielfeld.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QTimer;

namespace brimbal {

class TAnnouncer;
class THintSearch;
class TDlgEnterName;
class TDlgHighscore;
class TFrmAbout;
class TStatusBar;

// The main window: it owns the game, the options, the score tables, the clock and the dialogs,
// and wires the menu and the status bar to them. The board's paint box plays clicks in the game,
// which draws through the box and tells the window the rest (status bar, game over, close).
class TFrmMain : public QMainWindow, public IGameHost {
    Q_OBJECT

public:
    // The time of day in days since midnight, 0 <= t < 1.
    using TClock = std::function<double()>;

    // clock: the source of the time of day; the system clock when empty.
    explicit TFrmMain(TClock clock = {}, QWidget* parent = nullptr);
    ~TFrmMain() override;

    void Timer1Timer();
    void LoadSettings();
    // Checks the mode's menu item, names the mode in the title and deals a new game in it.
    void SetModus(std::int32_t value);

    // The program ends without the player: a signal, or the desktop quitting the application.
    // The window closes, saving as TSettingsKeeper::EndWithoutPlayer says, and every event loop
    // ends, a dialog's included.
    void EndWithoutPlayer();
    // The desktop session ends; the process ends without closing the window (the X server has
    // gone). See TSettingsKeeper.
    void SaveForSession() { Keeper.SaveForSession(); }
    void SaveAtExit() { Keeper.SaveAtExit(); }

    // Menu handlers. A toggle gets the check mark its item has just taken.
    void DateiNeuClick();
    void DateiHighscoreClick();
    void DateiBeendenClick() { close(); }
    void OptionenModusClick(QAction* item);
    // A switch of the options table; its item has just taken the check mark given.
    void OptionenSwitchClick(const TSwitchOption& option, bool checked);
    void HilfeUeberClick();
    // Practice: take a removal back, do it again, play the deal again.
    void DateiZuruecknehmenClick() {
        FGame.TakeBack();
        GameStepDone();
    }
    void DateiWiederherstellenClick() {
        FGame.Redo();
        GameStepDone();
    }
    // A hint: searches beside the window for a good next group, then marks it.
    void DateiTippClick();
    // What the deal held: searches it from the start, then offers to play it again.
    void DateiWasWarDrinClick();
    void DateiWiederholenClick() {
        FGame.RestartDeal();
        GameStepDone();
    }

    // IGameHost
    void Report(ENews news, std::int32_t value) override;
    int GameoverScreen() override;
    void CloseMainWindow() override { close(); }
    double TimeOfDay() override { return Clock(); }

    // What tests look at.
    TGame& Game() { return FGame; }
    const TOptions& Options() const { return FOptions; }
    TSpielfeld* Spielfeld() const { return FSpielfeld; }
    TStatusBar* StatusBar() const { return FStatusBar; }
    TScoreTables& Scores() { return FScores; }
    const QString& PlayerName() const { return FPlayerName; }

    // The menu's items, named as in the menu; the mode items are in OptionenModus, each with
    // its mode number as its data.
    QAction* DateiNeu = nullptr;
    QAction* DateiZuruecknehmen = nullptr;
    QAction* DateiWiederherstellen = nullptr;
    QAction* DateiTipp = nullptr;
    QAction* DateiWiederholen = nullptr;
    QAction* DateiWasWarDrin = nullptr;
    QAction* DateiHighscore = nullptr;
    QAction* DateiBeenden = nullptr;
    QActionGroup* OptionenModus = nullptr;
    // The items of the switches, in the rows of KSwitchOptions; none for a switch without one.
    std::array<QAction*, std::size(KSwitchOptions)> OptionenSwitches{};
    QAction* HilfeSpielregeln = nullptr;
    QAction* HilfeUeber = nullptr;

    // How long a hint searches.
    static constexpr std::chrono::milliseconds KHintBudget{250};

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void CreateActions();
    void CreateMenus();
    // Makes the items of the switches shown in that menu place and adds them to the menu.
    void AddSwitchItems(QMenu* menu, ESwitchMenu where);
    // The board takes the keys back whenever a menu has closed, also one closed from its
    // submenu with Escape, so that the arrow keys never stay with the menu bar unasked.
    void KeepKeysOnBoard();
    void GiveBoardTheKeys();
    // A hint's search has ended: marks the group its line starts with.
    void HintFound(const TSearchResult& result);
    // A click or key of the board has been played: told, if it dropped a marked group.
    void SpielfeldCellActed(TCell cell);
    // Shows a text in a panel of the status bar; a screen reader hears it with the step.
    void Tell(int panel, const QString& text);
    // Tells a screen reader a text at once.
    void Speak(const QString& text);
    // The position in words: the score and the balls left.
    QString PositionText() const;
    // What a screen reader is told when a new game begins.
    void AnnounceNewGame(std::int32_t mode);
    QAction* AddAction(const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& keys = {}, void (TFrmMain::*handler)() = nullptr);
    // Check marks and enabled states of the option items, from the options.
    void ShowOptions();
    // The title, and the enabled states of the practice items, from the game.
    void ShowPractice();
    // After a step of the game: the practice items and the title follow it, and a screen reader
    // hears what it changed.
    void GameStepDone();
    // The name entry, or the box of a game that stays out of the table; the answer 6 or 7.
    int FileScore();

    TClock Clock;
    TRandom Rng;
    TOptions FOptions;
    TGame FGame;
    TScoreTables FScores;
    TSettingsKeeper Keeper;
    TSpielfeld* FSpielfeld = nullptr;
    TStatusBar* FStatusBar = nullptr;
    TAnnouncer* FAnnouncer = nullptr;
    QTimer* Timer1 = nullptr;
    TDlgHighscore* FDlgHighscore = nullptr;
    std::unique_ptr<TFrmAbout> FFrmAbout;
    std::unique_ptr<TDlgEnterName> FDlgEnterName;
    QString FPlayerName;
    // The menu hint shown last: panel 0 changes only when it does.
    QString CurrentHint;
    double ProgramStart = 0.0;
    // A removal since the last step's end; the marked group's size then.
    bool Removed = false;
    THintSearch* FHint = nullptr;
    // The rest of the last hint's line.
    std::vector<TSearchCell> HintLine;
    std::int32_t MarkedBefore = 0;
};

} // namespace brimbal
