// The player: a full-screen, always-on-top window that plays the show file it is started with, and
// when the show ends goes back to where the show was started from.
#pragma once

#include <QImage>
#include <QLabel>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "core/play/fitting.h"
#include "core/play/play_steps.h"
#include "platform/services.h"
#include "player/picture_source.h"

class PictureBox;

class Main_Frm : public QWidget {
  Q_OBJECT
 public:
  Main_Frm();
  ~Main_Frm() override;

  // The load steps; Forms runs them right after creating the window.
  void Form_Load();
  // Shows the window and plays the show file (the hand-over File_Path_Txt), started from `origin`.
  void Start(const QString& show_file, Platform::Show_Origin origin);

  // Public operations.
  void Forward();
  void Back();
  void Show_Pics();
  void Remove_Frame();
  void DELETE_Frame();
  // The timers' handlers.
  void Timer1_Timer();
  void Hotkeys_Timer_Timer();
  void Hide_Mouse_Timer_Timer();
  void Music_Timer_Timer();
  void StartPlay();
  void StopPlay();
  static void GetDesktopRect(int& left, int& top, int& width, int& height, bool return_as_twips);

  // Controls and state, as the rest of the program and the tests see them.
  PictureBox* Image1 = nullptr;
  QLabel* Paused_lbl = nullptr;
  QString File_Path_Txt;  // the show being played
  Platform::Show_Origin Origin = Platform::Show_Origin::Menu;  // where the show was started from
  QStringList List2;      // the play list
  QStringList Shuff_List;
  QTimer Timer1;          // advances the show; an interval of 0 never fires
  QTimer Hotkeys_Timer;   // polls the arrow keys
  QTimer Hide_Mouse_Timer;
  QTimer Music_Timer;     // restarts the music at its end
  std::unique_ptr<Platform::MusicGraph> MusicGraph;
  int Timer1_Interval = 5000;
  QString CurrentFile;
  Play_Steps::Cursor Cursor;
  bool StrechOn = false;
  bool RatioOn = false;
  bool ShuffleOn = false;
  bool LoopOn = false;
  bool MessageOn = false;
  bool Paused = false;
  std::int32_t BackCol = 0;

  // A step waits for its picture to be decoded; the picture before it stays on screen meanwhile.
  bool Waiting() const { return Cursor.waiting.has_value(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Load_Show();
  void Exit_Show();
  void Toggle_FullScreen();
  void Toggle_Pause();
  // Holds the screen awake while the show plays (loaded, not paused, not left), and only then.
  void Keep_Screen_Awake();
  void Search_Here();
  void Center_Form();
  void SetTopMostWindow(bool topmost);
  void Fit_Picture();
  void Run_File_Cleanup();
  // Shows a message box of the player. While one waits, the show stands still: the timers are
  // held, pictures that come and keys and clicks wait, and nothing closes the window; after the
  // last one is answered all of it carries on.
  int Message(const QString& text, int style, const QString& title);
  void Box_Closed();
  void Switch_Timer1(bool on);
  std::optional<bool> Display_Step(qsizetype index);
  Play_Steps::Display Display();  // the display step, as the step rules call it
  bool Show_Decoded(const Picture_Key& key, const Decoded_Picture& decoded);
  void Apply(Play_Steps::Outcome outcome, bool restart_timer);
  void Centre_Paused_Label();
  void User_Step(bool forward);
  void Run_Step(Play_Steps::Kind kind);
  // A step has ended or waits; when it has ended, what came meanwhile is carried out.
  void Settle(Play_Steps::Outcome outcome);
  void Carry_On();
  void Picture_Ready(const Picture_Key& key);
  // Stops the timer before the shown picture is dropped or deleted; false (after saying so) when
  // it is the last one, and when there is none.
  bool May_Take_Shown_Picture();
  // The size the window has, or will have once it is full screen.
  QSize Client_Size() const;
  Picture_Key Key_Of(const QString& path) const;
  // The picture at `index` in this window, then the neighbours to have ready: the next two in
  // the direction of travel, then the one before.
  QList<Picture_Key> Wanted_Around(qsizetype index) const;
  // After a resize: the shown picture decoded again when more of it is seen, the step's picture
  // and the neighbours asked for at the new size.
  void Decode_For_Window();

  QSize picture_size_;  // the shown picture's own size; empty for the empty picture
  Picture_Key shown_;   // what Image1's pixels were decoded for

  Picture_Source* pictures_ = nullptr;
  Play_Steps::Kind step_kind_ = Play_Steps::Kind::Timed;
  bool timer_due_ = false;                      // the timer fired while a step waited
  QSize windowed_size_, windowed_before_;       // the window's last two sizes, not maximised
  bool keys_due_ = false;                       // the arrows were polled while a step waited
  std::deque<bool> queued_steps_;               // the user's steps asked meanwhile (true: forward)
  bool step_posted_ = false;                    // the next of them is on its way
  std::vector<std::unique_ptr<QEvent>> deferred_;  // keys and clicks that came meanwhile
  // The arrow keys: held down now, and pressed since the last poll.
  struct Arrow {
    bool down = false;
    bool pressed = false;
  };
  Arrow left_, right_;
  // The modifiers held when Delete went down; nothing when it is not down.
  std::optional<Qt::KeyboardModifiers> delete_pressed_;
  bool show_loaded_ = false;
  bool leaving_ = false;
  int boxes_ = 0;  // message boxes of the player waiting now
  // The timers that ran when the first box came.
  struct Held_Timers {
    bool timer1, hotkeys, hide_mouse, music;
  } held_{};
  QList<Picture_Key> ready_meanwhile_;  // pictures that came while a box waited
  // What was asked for while a box waited: closing the window, or leaving the show.
  enum class After_Box { Nothing, Close, Leave } after_box_ = After_Box::Nothing;
  std::unique_ptr<Platform::Awake_Hold> awake_;  // the screen is kept awake while held
};
