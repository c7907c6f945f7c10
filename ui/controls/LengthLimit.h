// The length limit of the input fields binds the user only: what the user
// types, pastes or drops is held to it, text that a handler sets is not.
#pragma once

#include <QtGlobal>

class QKeyEvent;

namespace zazuzar {

// A field's MaxLength of 0: no limit of its own.
constexpr int kNoLengthLimit = 0;

// How many characters the user may still add to a field that holds `length`
// characters, the `selected` ones among them to be replaced: as many as bring
// it to `limit`, or with no limit to `capacity`, the most the field holds.
int Room(int limit, int capacity, qsizetype length, qsizetype selected);

// How many characters a key press puts into a field: the key's text, or in a
// multi-line field the two of CR LF for a line end; 0 for a key that types
// nothing (a shortcut, a control key).
qsizetype TypedLength(const QKeyEvent* event, bool multiLine);

}  // namespace zazuzar
