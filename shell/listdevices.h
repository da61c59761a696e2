#pragma once

#include <QString>

// Every mixer device's line tree with the controls' current values, as
// --list-devices prints it.
QString listDevices();

// Readable names of component and control types.
QString componentTypeName(uint32_t type);
QString controlTypeName(uint32_t type);
