#include "shell/messages.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {
MessageHook &hook()
{
    static MessageHook h;
    return h;
}
bool terminating = false;
} // namespace

void setMessageHook(MessageHook h)
{
    hook() = std::move(h);
}

int MessageDlg(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    std::fprintf(stderr, "sonvane: %s\n", qPrintable(text));
    std::fflush(stderr);
    if (hook())
        return hook()(text, type, buttons);
    QMessageBox box;
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (type) {
    case TMsgDlgType::mtWarning: box.setIcon(QMessageBox::Warning); break;
    case TMsgDlgType::mtInformation: box.setIcon(QMessageBox::Information); break;
    case TMsgDlgType::mtConfirmation: box.setIcon(QMessageBox::Question); break;
    case TMsgDlgType::mtError: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == TMsgDlgButtons::mbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? mrYes : mrNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return mrOk;
}

void Terminate()
{
    terminating = true;
    QCoreApplication::quit();
}

bool terminateRequested()
{
    return terminating;
}

void resetTerminate()
{
    terminating = false;
}
