// The application services that handlers and controls call: letting pending messages run, the
// hourglass pointer, minimising the program, and the global cursor table. User-interface thread
// only.
#pragma once

#include <QCursor>

namespace halvena {

// Slots of the global cursor table that the program fills at start.
constexpr int crHand = -19;      // the "HandCursor" resource
constexpr int crFlatHand = -20;  // the "HandNoFingersCursor" resource

// Minimises every visible window of the program, as minimising its task-bar entry does.
void MinimizeApplication();

// Processes pending window messages (events), then returns.
void ProcessMessages();
// How many ProcessMessages calls are running now: 0 when the event loop runs at its top level.
int PendingMessagesDepth();
// Shows the hourglass over the whole application (true) or the default pointer again (false).
void SetHourglass(bool on);
// The cursor of a slot; the arrow for an empty slot.
QCursor GlobalCursor(int slot);
void SetGlobalCursor(int slot, const QCursor& cursor);
// Fills the slots crHand and crFlatHand from the compiled-in cursor resources.
void LoadProgramCursors();

}  // namespace halvena
