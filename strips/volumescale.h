// The volume scale every strip operation uses.
//
// Raw volumes run 0..65535.  A display value 0..99 is raw / 655; a cursor
// position 0 (top, loudest) .. 50 (bottom, silent) is 50 - (raw / 655) / 2.
// All divisions truncate toward zero.
#pragma once

#include <QString>

#include <cstdint>

namespace VolumeScale {

constexpr int Step = 655;
constexpr int Bottom = 50; // channel panel height 63 minus cursor height 13

// "99" from 99 x 655 up, else the display value; a raw of -1 (no value)
// shows as 0.
inline QString rawToText(int32_t raw)
{
    const int32_t d = raw < 0 ? 0 : raw / Step;
    return d >= 99 ? QStringLiteral("99") : QString::number(d);
}

inline int rawToPosition(int32_t raw)
{
    return Bottom - ((raw < 0 ? 0 : raw / Step) / 2);
}

// The edited channel: "99" is full scale.
inline int32_t editedRaw(int n)
{
    return n >= 99 ? 65535 : (n <= 0 ? 0 : n * Step);
}

// The channel carried along in separate mode: "99" stays 64845.
inline int32_t carriedRaw(int n)
{
    return n <= 0 ? 0 : n * Step;
}

inline QString positionToText(int p)
{
    return p >= Bottom ? QStringLiteral("0") : QString::number(99 - 2 * p);
}

// The number an edit shows: its trimmed text, 0 when empty.
inline int editNumber(const QString &text)
{
    return text.trimmed().toInt();
}

} // namespace VolumeScale
