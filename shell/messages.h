// Modal message boxes with fixed texts, and ending the program.
//
// Every message also goes to standard error, so a message shown where no
// one can see the screen still reaches a log.  Tests replace the box with a
// hook that records the message and answers it.
#pragma once

#include <QString>

#include <functional>

enum class TMsgDlgType { mtWarning, mtInformation, mtConfirmation, mtError };
enum class TMsgDlgButtons { mbOK, mbYesNo };
enum TModalResult { mrOk = 1, mrYes = 6, mrNo = 7 };

int MessageDlg(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons);

using MessageHook = std::function<int(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons)>;
void setMessageHook(MessageHook hook);

// Ends the program: leaves the event loop, or keeps it from starting when
// the end is asked for before it runs.
void Terminate();
bool terminateRequested();
void resetTerminate();
