// What the main window needs of an editor window, as an interface the window toolkit
// implements. The registry keeps these as non-owning pointers: the windows belong to the
// toolkit, and a slot forgets its editor when it is released.
#pragma once

#include <string>

#include "document/EditorDocument.h"
#include "document/SaveFile.h"

namespace tavmir {

class EditorWindow {
  public:
    virtual ~EditorWindow() = default;

    // The file the editor shows now (Save As may have changed it since it opened).
    virtual std::string filePath() const = 0;
    // The editor holds changes that are not saved.
    virtual bool modified() const = 0;
    // Loads path into the editor.
    virtual OpenResult openFile(const std::string& path) = 0;
    // Checks and writes the editor's file (asking what the save asks).
    virtual SaveResult saveFile() = 0;
};

}  // namespace tavmir
