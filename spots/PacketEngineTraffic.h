#pragma once
// What the DX-spotting window does with the packet engine, without widgets: one fetched frame
// (shown as monitored or linked traffic, a spot handed on, a link coming up or going down) and the
// frames the send box's text becomes (":C call", ":D", text for the linked station).
//
// Kinds are character codes and compared as such ('C' is not 'c'): from the engine 'c' a link
// came up and 'd' it went down; 'U', 'I', 'S' and 'T' are the engine's monitor copies of frames on
// the channel; anything else (connected data 'D') is traffic.
#include <QString>
#include <QVector>

#include <optional>

#include "spots/SpotReception.h"

namespace Spots {

// What a frame asks of the window beyond the terminal and the hand-over.
struct EngineFrameEffect {
    int beeps = 0;
    std::optional<QString> caption;   // the window's new caption
};

// One frame from the engine. Reads and changes `r` (terminal, hand-over of a spot, "List DX Only")
// and `linkedCall` (the station linked through the engine, empty when none).
// A frame is cut into a monitor text (kind, from-call, a blank and the data) and a frame text (the
// data; without its first line while no station is linked), every CR and LF becoming CR LF. A
// frame text starting with "DX" at its 1st or 2nd character that the terminal's last 801
// characters do not hold is shown and handed on as a spot; the linked station's own text is shown
// while linked, other monitored traffic while not linked, both only while "List DX Only" is off.
// While linked the engine's monitor copies of the link's frames are not shown again: the linked
// station's text arrives as connected data once.
EngineFrameEffect takeEngineFrame(Reception& r, QString& linkedCall, const QString& fromCall, const QString& data,
                                  int kind);

// The frames for the send box's text; reads only its arguments.
struct EngineSend {
    struct Frame {
        QString toCall;
        QString data;
        int kind = 0;
    };
    QVector<Frame> frames;
    bool callRequired = false;   // ":C" without a call
};
EngineSend planEngineSend(const QString& text, const QString& linkedCall);

}   // namespace Spots
