#pragma once

#include <string_view>
#include <vector>

namespace zel {

// One step that the run timer's handler carries out, in order, for the connection watchdog.
// The watchdog decides; the logging window owns the ports, timer, file and fields that act.
enum class WatchdogStep {
    StopRunTimer,
    StartRunTimer,          // value: interval in ms
    WriteEvent,             // text: the event record's text
    RestartProfileTraces,
    BlankReadingField,      // value: field 1..6, filled light grey
    FillReadingFieldRed,    // value: field 1..6
    FillFlaggedFerexFieldsRed,
    WriteReadingField,      // value: field; text
    FocusLoggingWindow,
    RefreshBattery,         // read the charge and write it into the battery field
    // Pacing and reconnecting a triggered instrument.
    PurgeInstrumentPort,    // transmit and receive queues
    SendToInstrument,       // text: the trigger character
    SetPacingEvent,
    ResetPacingEvent,
    CloseInstrumentPort,
    CloseReaderThread,
    Wait,                   // value: ms
    ReopenInstrumentPort,
    Handshake,              // text: the command letter
    StartFirstReader,
    StartFreeRunningReader,
    // The connection is lost.
    ClearMapUpdate,
    CloseGpsPort,           // and the GPS reader's thread handle
    SetStandBy,
    BlankAllReadingFields,
    ShowMessage,            // text; caption kNoConnectionCaption, exclamation icon, modal
    CloseRunWindows,        // the run's dialogs and option windows, found by title
    LeaveRunForced,         // leave the run without asking; with a data file the program ends
};

struct WatchdogAction {
    WatchdogStep step;
    int value = 0;
    std::string_view text = {};

    bool operator==(const WatchdogAction&) const = default;
};

using WatchdogActions = std::vector<WatchdogAction>;

}  // namespace zel
