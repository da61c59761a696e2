// Program entry: command line, driver choice, single instance, windows.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct VirtualCard;

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

// Reads the virtual card files the command line names.  Returns an error
// message (naming the card file and the fault) or an empty string.
QString loadCards(const CommandLine &options, std::vector<VirtualCard> &cards);

// Creates the five windows in their order, each running its creation
// handler; the last one runs the first set-up and refresh.
void createWindows();
void destroyWindows();

int sonvaneMain(int argc, char **argv);
