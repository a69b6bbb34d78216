// The platform as the main window reaches it.
#pragma once

#include "platform/seams.h"

namespace pelvoro {

struct ShellSeams {
  Dialogs& dialogs;
  SoundOutput& sound;
  Clock& clock;
  ProgramFolder& folder;
  DocumentViewer& viewer;
  Timer& timer1;  // the simulation tick
  Timer& timer2;  // the verdict's three seconds
};

}  // namespace pelvoro
