// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"
#include "BoardRenderer.h"
#include "Game.h"
#include "GameHost.h"
#include "GameoverFlow.h"
#include "Random.h"
#include "Settings.h"
#include "SpielfeldHandler.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QTimer;

namespace brimbal {

class TDlgEnterName;
class TDlgHighscore;
class TFrmAbout;
class TSpielfeld;
class TStatusBar;
struct TOptions;

// The main window: it owns the game, the view, the options and the clock, and wires the menu,
// the board's paint box and the status bar to them.
class TFrmMain : public QMainWindow, public IGameHost, public ISpielfeldHandler {
    Q_OBJECT

public:
    // The time of day in days since midnight, 0 <= t < 1.
    using TClock = std::function<double()>;

    // clock: the source of the time of day; the system clock when empty.
    explicit TFrmMain(TClock clock = {}, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The dialogs that the program entry creates after the main window. Where none is given,
    // the window makes its own when it first needs one.
    void SetDialogs(TFrmAbout* frmAbout, TDlgEnterName* dlgEnterName);

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

    // Menu handlers. The toggles run after their action has flipped its check mark.
    void DateiNeuClick();
    void DateiHighscoreClick();
    void DateiBeendenClick();
    void OptionenSoundClick();
    void OptionenAltFarbenClick();
    void OptionenQuickClickClick();
    void OptionenModusNormalClick();
    void OptionenModusFortlaufendClick();
    void OptionenModusTirlanClick();
    void OptionenModusMegaTirlanClick();
    void OptionenModusBricksClick();
    void OptionenAnzeigeBitmapsClick();
    void OptionenBubbleClick();
    void OptionenAnzeigeAnimationenClick();
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

    // What tests and the program entry look at.
    TGame& Game() { return FGame; }
    const TBoardGeometry& Geometry() const { return FGeometry; }
    const QImage& BackBuffer() const { return Renderer.BackBuffer(); }
    bool NeedsRedraw() const { return FNeedsRedraw; }
    TSpielfeld* Spielfeld() const { return FSpielfeld; }
    TStatusBar* StatusBar() const { return FStatusBar; }
    TDlgHighscore* DlgHighscore() const { return FDlgHighscore; }
    TFrmAbout* FrmAbout();
    TDlgEnterName* DlgEnterName();
    const QString& PlayerName() const { return FPlayerName; }
    QAction* Action(const char* name) const;
    bool AnzeigeBitmaps() const { return FAnzeigeBitmaps; }
    bool AltColor() const { return FAltColor; }
    bool Sound() const { return FSound; }
    bool Shade() const { return FShade; }
    bool Bubble() const { return FBubble; }

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
    QAction* AddAction(const char* name, const char* caption, const char* hint = nullptr);
    TViewOptions ViewOptions() const;
    TOptions Options() const;
    void ApplyOptions(const TOptions& options);

    TClock Clock;
    TRandom Rng;
    TGame FGame;
    TBoardGeometry FGeometry;
    TBoardRenderer Renderer;
    TSpielfeld* FSpielfeld = nullptr;
    TStatusBar* FStatusBar = nullptr;
    QTimer* Timer1 = nullptr;
    TDlgHighscore* FDlgHighscore = nullptr;
    TFrmAbout* FFrmAbout = nullptr;
    TDlgEnterName* FDlgEnterName = nullptr;
    std::unique_ptr<TFrmAbout> OwnFrmAbout;
    std::unique_ptr<TDlgEnterName> OwnDlgEnterName;
    QString FPlayerName;
    TSettingsStore Store;
    TPendingScore PendingScore;
    bool EndingWithoutPlayer = false;
    bool Closed = false;
    bool LastSaveFailed = false;
    bool SaveFailureReported = false;
    bool FNeedsRedraw = true;
    double ProgramStart = 0.0;

    // Options; Modus, Quick and Animation live in the game, which reads them.
    bool FAnzeigeBitmaps = false;
    bool FAltColor = false;
    bool FSound = false;
    bool FShade = false;
    bool FBubble = false;
};

} // namespace brimbal
