// What the input fields share about the length limit that binds the user.
#pragma once

class QKeyEvent;

namespace zazuzar {

// Whether the key types text into a field (not a shortcut, not a control key).
bool InsertsText(const QKeyEvent* event);

}  // namespace zazuzar
