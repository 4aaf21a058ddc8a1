// What a folder walk tells its owner, recorded for the tests of the walk.
#pragma once

#include <QStringList>
#include <functional>

#include "core/folders/folder_walk.h"
#include "core/general/general.h"

// Records what the walk tells its owner: every current folder, and the pictures collected (joined
// to their folder as the search window does) with the folder of each collection.
struct Recorder {
  QStringList dirs, pictures, collected_in;
  std::function<bool()> stop = [] { return false; };

  Folder_Walk::Hooks Hooks(const Folder_Walk::Walker& walk) {
    Folder_Walk::Hooks h;
    h.Dir1_Change = [this](const QString& folder) { dirs << folder; };
    h.Get_Files = [this, &walk] {
      collected_in << walk.Dir1();
      for (const QString& name : walk.File1()) pictures << General::Join_Path(walk.Dir1(), name);
    };
    h.Stop_Requested = [this] { return stop(); };
    return h;
  }
};
