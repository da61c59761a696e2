// Program entry: command line, driver choice, single instance, windows.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine
{
    QStringList virtualCards;
    bool listDevices = false;
    bool report = false;
    QStringList show; // windows to show once started: play, rec, vu
    bool help = false;
    bool version = false;
    QString error; // set when the command line cannot be used
};

CommandLine parseCommandLine(const QStringList &arguments);
QString usageText();

// Installs the mixer driver the command line asks for.  Returns an error
// message (naming the card file and the fault) or an empty string.
QString installDriver(const CommandLine &options);

// Creates the five windows in their order, each running its creation
// handler; the last one runs the first set-up and refresh.
void createWindows();
void destroyWindows();

int sonvaneMain(int argc, char **argv);
