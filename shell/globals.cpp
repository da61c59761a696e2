#include "shell/globals.h"

TForm3 *Form3 = nullptr;
TForm1 *Form1 = nullptr;
Trec *rec = nullptr;
TForm2 *Form2 = nullptr;
TForm4 *Form4 = nullptr;

uint8_t cardIndex = 0;
uint8_t busyState = 1;
bool startingUp = true;
bool timerArmed = false;
QString knownCardName;
uint8_t playDest = 0;
uint8_t recDest = 0;
uint8_t scanDest = 0;
bool hasTreble = false;
bool hasBass = false;
bool hasRecVolume = false;
int muxIndex = -2;
uint8_t volStep = 1;
bool reverseLR = false;
bool firstScan = true;
int8_t meterSel = -1;
uint8_t meterDest = 0;
QString meterName;
int dragOrigin = 0;
int repeatCode = 0;
QStringList windowsToShow;
int holdLeft = 0;
int holdRight = 0;
int overPeakCount = 0;

void resetGlobals()
{
    cardIndex = 0;
    busyState = 1;
    startingUp = true;
    timerArmed = false;
    knownCardName.clear();
    playDest = recDest = scanDest = 0;
    hasTreble = hasBass = hasRecVolume = false;
    muxIndex = -2;
    volStep = 1;
    reverseLR = false;
    firstScan = true;
    meterSel = -1;
    meterDest = 0;
    meterName.clear();
    dragOrigin = 0;
    repeatCode = 0;
    holdLeft = holdRight = overPeakCount = 0;
    windowsToShow.clear();
}
