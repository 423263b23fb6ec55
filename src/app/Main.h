// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"
#include "BoardRenderer.h"
#include "Game.h"
#include "GameHost.h"
#include "GameoverFlow.h"
#include "Options.h"
#include "Random.h"
#include "Settings.h"
#include "SpielfeldHandler.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QTimer;

namespace brimbal {

class TAnnouncer;
class TDlgEnterName;
class TDlgHighscore;
class TFrmAbout;
class TSpielfeld;
class TStatusBar;

// The main window: it owns the game, the view, the options, the clock and the dialogs, and wires
// the menu, the board's paint box and the status bar to them.
class TFrmMain : public QMainWindow, public IGameHost, public ISpielfeldHandler {
    Q_OBJECT

public:
    // The time of day in days since midnight, 0 <= t < 1.
    using TClock = std::function<double()>;

    // clock: the source of the time of day; the system clock when empty.
    explicit TFrmMain(TClock clock = {}, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // When a save is made, which tells how a failure is reported.
    enum class ESaveMoment {
        Change,     // an option or the mode changed: the next save tries again
        ScoreFiled, // the player may try again or play on without saving
        Close,      // the player may try again or end without saving
    };

    void FormResize();
    void Timer1Timer();
    void LoadSettings();
    // Saves options and high scores now; false when the store refused.
    bool SaveSettings(ESaveMoment moment);
    // Checks the mode's menu item, names the mode in the title and deals a new game in it.
    void SetModus(std::int32_t value);

    // The program ends without the player: a signal, or the desktop quitting the application.
    // A score waiting in the name entry is filed, the window closes (and saves, reporting a
    // failure on standard error), and every event loop ends, a dialog's included.
    void EndWithoutPlayer();
    // The desktop session ends: file a waiting score, closing the name entry as "Eintragen"
    // would, and save.
    void SaveForSession();
    // The process ends without closing the window (the X server has gone): file a waiting score
    // and save, touching no window.
    void SaveAtExit();

    // Menu handlers. A toggle gets the check mark its item has just taken.
    void DateiNeuClick();
    void DateiHighscoreClick();
    void DateiBeendenClick();
    void OptionenModusClick(QAction* item);
    void OptionenAnzeigeBitmapsClick(bool checked);
    void OptionenAltFarbenClick(bool checked);
    void OptionenBubbleClick(bool checked);
    void OptionenAnzeigeAnimationenClick(bool checked);
    void OptionenSoundClick(bool checked);
    void OptionenQuickClickClick(bool checked);
    void HilfeUeberClick();

    // IGameHost
    void RecalcSpielfeld() override;
    void SetNeedsRedraw() override;
    void RepaintSpielfeld() override;
    void SpielfeldDrawMarkierung() override;
    void SetStatusText(int panel, std::string_view text) override;
    int GameoverScreen() override;
    void CloseMainWindow() override;
    double TimeOfDay() override;

    // ISpielfeldHandler
    void SpielfeldPaint(QPainter& painter) override;
    void SpielfeldMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                          int y) override;
    void SpielfeldCellUp(TCell cell) override;
    const TGame& Game() const override { return FGame; }
    const TOptions& Options() const override { return FOptions; }
    const TBoardGeometry& Geometry() const override { return FGeometry; }
    QRect BubbleBox() const override { return Renderer.BubbleBox(); }

    // What tests look at.
    TGame& Game() { return FGame; }
    const QImage& BackBuffer() const { return Renderer.BackBuffer(); }
    bool NeedsRedraw() const { return FNeedsRedraw; }
    TSpielfeld* Spielfeld() const { return FSpielfeld; }
    TStatusBar* StatusBar() const { return FStatusBar; }
    TAnnouncer* Announcer() const { return FAnnouncer; }
    TDlgHighscore* DlgHighscore() const { return FDlgHighscore; }
    TFrmAbout* FrmAbout() const { return FFrmAbout.get(); }
    TDlgEnterName* DlgEnterName() const { return FDlgEnterName.get(); }
    const QString& PlayerName() const { return FPlayerName; }

    // The menu's items, named as in the menu; the mode items are in OptionenModus, each with
    // its mode number as its data.
    QAction* DateiNeu = nullptr;
    QAction* DateiHighscore = nullptr;
    QAction* DateiBeenden = nullptr;
    QActionGroup* OptionenModus = nullptr;
    QAction* OptionenAnzeigeBitmaps = nullptr;
    QAction* OptionenAltFarben = nullptr;
    QAction* OptionenBubble = nullptr;
    QAction* OptionenAnzeigeAnimationen = nullptr;
    QAction* OptionenSound = nullptr;
    QAction* OptionenQuickClick = nullptr;
    QAction* HilfeSpielregeln = nullptr;
    QAction* HilfeUeber = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void CreateActions();
    void CreateMenus();
    void CreateStatusBar();
    void CreateAnnouncer();
    // The board takes the keys back whenever a menu has closed, also one closed from its
    // submenu with Escape, so that the arrow keys never stay with the menu bar unasked.
    void KeepKeysOnBoard();
    void GiveBoardTheKeys();
    // What a screen reader is told when a new game begins.
    void AnnounceNewGame(std::int32_t mode);
    QAction* AddAction(const char* name, const char* caption, const char* hint);
    // Check marks and enabled states of the option items, from the options.
    void ShowOptions();

    TClock Clock;
    TRandom Rng;
    TOptions FOptions;
    TGame FGame;
    TBoardGeometry FGeometry;
    TBoardRenderer Renderer;
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
    TSettingsStore Store;
    TPendingScore PendingScore;
    bool EndingWithoutPlayer = false;
    bool Closed = false;
    bool LastSaveFailed = false;
    bool SaveFailureReported = false;
    bool FNeedsRedraw = true;
    double ProgramStart = 0.0;
};

} // namespace brimbal
