// Plays the core's display lists onto a Qt paint device.
#pragma once

class QPainter;
class QRect;

namespace pelvoro {

struct DisplayList;

// Draws `list` into `pane` (device pixels): the list's origin is the pane's
// top-left corner and nothing reaches outside the pane. The painter's state is
// restored afterwards.
void playDisplayList(const DisplayList& list, QPainter& painter, const QRect& pane);

}  // namespace pelvoro
